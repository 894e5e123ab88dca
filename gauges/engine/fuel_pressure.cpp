// Fuel Pressure: fuel pressure in pounds per square foot on a scale marked
// 0 to 35 psi.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Fuel_Pressure;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1050,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Fuel_Pressure,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// psi x 144; pinned at 0 and 35 psi beyond the scale.
NONLINEARITY fuel_pressure_table[] = {
    {{166, 89}, -1440.0, 0},
    {{166, 89}, 0.0, 0},
    {{35, 89}, 2880.0, 0},
    {{143, 52}, 5040.0, 0},
    {{143, 52}, 5760.0, 0},
};

ELEMENT_NEEDLE fuel_pressure_needle = needle(
    {
        .bitmap_id = 1040,
        .position = {100, 100},
        .image_flags = 0x4083,
        .gauge = &gauge_Fuel_Pressure,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {16, 3},
    },
    {
        .var = module_var(425),
        .calibration = fuel_pressure_table,
        .calibration_count = count_of(fuel_pressure_table),
    });

ELEMENT_LIST face_children[] = {&fuel_pressure_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 1030,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Fuel_Pressure,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3339),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Fuel_Pressure = gauge_header({
    .name = "Fuel_Pressure",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
