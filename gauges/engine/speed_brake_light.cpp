// Speed Brake Light: amber lamp lit while the speed brake is out, brighter
// when it is nearly fully out.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Speed_Brake_Light;

namespace {

FLOAT64 HOST_CALL speed_brake_deployed_value(ELEMENT_ICON* lamp);

FAILURE_RECORD lamp_failures[] = {{20, 2}, {0, 0}};

// Icons: 2490 dark, 2491 lit, 2492 brighter.
ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 2490,
        .position = {0, 0},
        .image_flags = 0x7,
        .gauge = &gauge_Speed_Brake_Light,
        .failures = lamp_failures,
    },
    {
        .var = module_var(326),
        .icon_count = 3,
        .callback = speed_brake_deployed_value,
    });

ELEMENT_LIST lamp_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 2490,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Speed_Brake_Light,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Speed brake deployed light", 0, nullptr),
    mouse_end_parent(),
    mouse_end(),
};

// Speed brake 0 .. 16383; dark up to 7000 (and when not a number).
FLOAT64 HOST_CALL speed_brake_deployed_value(ELEMENT_ICON* lamp) {
    FLOAT64 position = lamp->source_var.value.number;
    if (position >= 13000.0) {
        return 2.0;
    }
    if (position > 7000.0) {
        return 1.0;
    }
    return -1.0;
}

}  // namespace

GAUGEHDR gauge_Speed_Brake_Light = gauge_header({
    .name = "Speed_Brake_Light",
    .width_mm = 20,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
