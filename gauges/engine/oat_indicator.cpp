// OAT Indicator: outside air temperature in degrees Celsius, -70 to 50.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_OAT_Indicator;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 4300,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_OAT_Indicator,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

// Pinned at -70 and 50 C beyond the scale.
NONLINEARITY oat_indicator_table[] = {
    {{70, 200}, -80.0, 0},
    {{70, 200}, -70.0, 0},
    {{157, 32}, 0.0, 0},
    {{166, 200}, 50.0, 0},
    {{166, 200}, 60.0, 0},
};

ELEMENT_NEEDLE oat_indicator_needle = needle(
    {
        .bitmap_id = 4290,
        .position = {115, 115},
        .image_flags = 0x4083,
        .gauge = &gauge_OAT_Indicator,
        .children = needle_children,
        .offset = {28, 28},
    },
    {
        .var = module_var(341),
        .calibration = oat_indicator_table,
        .calibration_count = count_of(oat_indicator_table),
    });

ELEMENT_LIST face_children[] = {&oat_indicator_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 4280,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_OAT_Indicator,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3224),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_OAT_Indicator = gauge_header({
    .name = "OAT_Indicator",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
