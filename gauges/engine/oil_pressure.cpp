// Oil Pressure: oil pressure in pounds per square foot on a scale marked
// 0 to 100 psi.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Oil_Pressure;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2240,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Oil_Pressure,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// psi x 144; pinned at 100 psi above.
NONLINEARITY oil_pressure_table[] = {
    {{147, 147}, 0.0, 0},
    {{39, 83}, 7200.0, 0},
    {{162, 84}, 14400.0, 0},
    {{162, 84}, 15840.0, 0},
};

ELEMENT_NEEDLE oil_pressure_needle = needle(
    {
        .bitmap_id = 2230,
        .position = {102, 100},
        .image_flags = 0x4083,
        .gauge = &gauge_Oil_Pressure,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {34, 12},
    },
    {
        .var = module_var(418),
        .calibration = oil_pressure_table,
        .calibration_count = count_of(oil_pressure_table),
    });

ELEMENT_LIST face_children[] = {&oil_pressure_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 2220,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Oil_Pressure,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3100),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Oil_Pressure = gauge_header({
    .name = "Oil_Pressure",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
