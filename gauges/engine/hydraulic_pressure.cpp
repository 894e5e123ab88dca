// Hydraulic Pressure: hydraulic pressure in pounds per square foot on a
// scale marked 0 to 2000 psi.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Hydraulic_Pressure;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 4110,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Hydraulic_Pressure,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// psi x 144; pinned at 0 and 2000 psi beyond the scale.
NONLINEARITY hydraulic_pressure_table[] = {
    {{20, 74}, -1.0, 0},
    {{20, 74}, 0.0, 0},
    {{126, 75}, 288000.0, 0},
    {{126, 75}, 432000.0, 0},
};

ELEMENT_NEEDLE hydraulic_pressure_needle = needle(
    {
        .bitmap_id = 4100,
        .position = {74, 74},
        .image_flags = 0x4083,
        .gauge = &gauge_Hydraulic_Pressure,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {29, 9},
    },
    {
        .var = module_var(732),
        .calibration = hydraulic_pressure_table,
        .calibration_count = count_of(hydraulic_pressure_table),
    });

ELEMENT_LIST face_children[] = {&hydraulic_pressure_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 4090,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Hydraulic_Pressure,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA41B),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Hydraulic_Pressure = gauge_header({
    .name = "Hydraulic_Pressure",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
