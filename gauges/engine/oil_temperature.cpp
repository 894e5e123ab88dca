// Oil Temperature: oil temperature in degrees Rankine on a scale marked
// -70 to 150 degrees Celsius.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Oil_Temperature;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1020,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Oil_Temperature,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// Celsius x 1.8 + 491.67; pinned at -70 and 150 C beyond the scale.
NONLINEARITY oil_temperature_table[] = {
    {{81, 162}, 347.67, 0},
    {{81, 162}, 365.67, 0},
    {{81, 43}, 761.67, 0},
    {{81, 43}, 779.67, 0},
};

ELEMENT_NEEDLE oil_temperature_needle = needle(
    {
        .bitmap_id = 1010,
        .position = {141, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_Oil_Temperature,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {0, 3},
    },
    {
        .var = module_var(416),
        .calibration = oil_temperature_table,
        .calibration_count = count_of(oil_temperature_table),
    });

ELEMENT_LIST face_children[] = {&oil_temperature_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 1000,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Oil_Temperature,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB4F),
    mouse_tooltip_id(0x30F1),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Oil_Temperature = gauge_header({
    .name = "Oil_Temperature",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
