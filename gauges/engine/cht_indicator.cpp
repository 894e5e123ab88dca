// CHT Indicator: cylinder head temperature in degrees Rankine on a scale
// marked -50 to 300 degrees Celsius.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_CHT_Indicator;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1240,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_CHT_Indicator,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// Celsius x 1.8 + 491.67; pinned at -50 and 300 C beyond the scale.
NONLINEARITY cht_indicator_table[] = {
    {{85, 163}, 383.67, 0},
    {{85, 163}, 401.67, 0},
    {{74, 147}, 491.67, 0},
    {{88, 40}, 1031.67, 0},
    {{88, 40}, 1211.67, 0},
};

ELEMENT_NEEDLE cht_indicator_needle = needle(
    {
        .bitmap_id = 1230,
        .position = {140, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_CHT_Indicator,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {10, 4},
    },
    {
        .var = module_var(415),
        .calibration = cht_indicator_table,
        .calibration_count = count_of(cht_indicator_table),
    });

ELEMENT_LIST face_children[] = {&cht_indicator_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 1220,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_CHT_Indicator,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x30D0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_CHT_Indicator = gauge_header({
    .name = "CHT_Indicator",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
