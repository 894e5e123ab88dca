// Airspeed: indicated airspeed in knots, hard stops at 0 and 400 kt.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Airspeed;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 450,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Airspeed,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD airspeed_failures[] = {{6, 1}, {0, 0}};

// Repeated pixel points at each end make the stops.
NONLINEARITY airspeed_table[] = {
    {{148, 32}, -1, 0},  {{148, 32}, 0, 0},    {{180, 37}, 40, 0},
    {{191, 51}, 50, 0},  {{249, 89}, 80, 0},   {{260, 150}, 100, 0},
    {{150, 260}, 200, 0}, {{114, 51}, 400, 0}, {{114, 51}, 450, 0},
};

ELEMENT_NEEDLE airspeed_needle = needle(
    {
        .bitmap_id = 440,
        .position = {150, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Airspeed,
        .children = needle_children,
        .failures = airspeed_failures,
        .offset = {49, 18},
    },
    {
        .var = module_var(61),
        .calibration = airspeed_table,
        .calibration_count = count_of(airspeed_table),
    });

ELEMENT_LIST background_children[] = {&airspeed_needle.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 430,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Airspeed,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB02),
    mouse_tooltip_id(0x3002),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Airspeed = gauge_header({
    .name = "Airspeed",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
