// Turn Coordinator: turn needle and inclinometer ball in a curved tube.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Turn_Coordinator;

namespace {

FLOAT64 HOST_CALL ball_lift_callback(ELEMENT_SLIDER* element);
FLOAT64 HOST_CALL turn_callback(ELEMENT_NEEDLE* element);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2180,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Turn_Coordinator,
});

ELEMENT_LIST turn_needle_children[] = {&cover.header, nullptr};

// Upright at 0, 45 degrees either way at +-4.5, held there beyond.
NONLINEARITY turn_calibration[] = {
    {{82, 143}, -5.0, 0},
    {{82, 143}, -4.5, 0},
    {{148, 143}, 4.5, 0},
    {{148, 143}, 5.0, 0},
};

FAILURE_RECORD turn_failures[] = {{18, 1}, {0, 0}};

ELEMENT_NEEDLE turn_needle = needle(
    {
        .bitmap_id = 2140,
        .position = {115, 176},
        .image_flags = 0x4083,
        .gauge = &gauge_Turn_Coordinator,
        .children = turn_needle_children,
        .failures = turn_failures,
        .offset = {22, 13},
    },
    {
        .var = module_var(70),
        .calibration = turn_calibration,
        .calibration_count = count_of(turn_calibration),
        .callback = turn_callback,
    });

ELEMENT_LIST wires_children[] = {&turn_needle.header, nullptr};

ELEMENT_STATIC_IMAGE wires = static_image({
    .bitmap_id = 2160,
    .position = {97, 124},
    .image_flags = 0x4003,
    .gauge = &gauge_Turn_Coordinator,
    .children = wires_children,
});

ELEMENT_LIST ball_children[] = {&wires.header, nullptr};

// Sideways by the deflection, upwards by its square: the ball follows the tube.
ELEMENT_SLIDER ball = slider(
    {
        .bitmap_id = 2150,
        .position = {104, 131},
        .image_flags = 0x4083,
        .gauge = &gauge_Turn_Coordinator,
        .children = ball_children,
    },
    {
        .var_x = module_var(69),
        .scale_x = 0.4921875,
        .var_y = module_var(69),
        .scale_y = -0.00042724609375,
        .callback_y = ball_lift_callback,
    });

ELEMENT_LIST background_children[] = {&ball.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2130,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Turn_Coordinator,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB71),
    mouse_tooltip_id(0x3090),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL ball_lift_callback(ELEMENT_SLIDER* element) {
    FLOAT64 deflection = element->source_var_y.value.number;
    return deflection * deflection;
}

// The raw rate is in 1/256 units of the dial.
FLOAT64 HOST_CALL turn_callback(ELEMENT_NEEDLE* element) {
    return element->source_var.value.number * 0.00390625;
}

}  // namespace

GAUGEHDR gauge_Turn_Coordinator = gauge_header({
    .name = "Turn_Coordinator",
    .width_mm = 111,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
