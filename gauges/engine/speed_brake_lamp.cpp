// Speed Brake Lamp: warning lamp lit while the speed brake is out beyond
// half travel, with a press-to-test button that lights it for 27 updates.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Speed_Brake_Lamp;

namespace {

constexpr SINT32 TEST_UPDATES = 27;
constexpr FLOAT64 LIT_ABOVE = 8000.0;  // speed brake 0 .. 16383

// Module-wide: updates left of the running lamp test, 0 when none runs.
SINT32 lamp_test_counter = 0;

FLOAT64 HOST_CALL speed_brake_lamp_value(ELEMENT_ICON* lamp);
HOST_BOOL HOST_CALL lamp_test_press(MOUSE_CLICK* click, UINT32 mouse_flags);

FAILURE_RECORD lamp_failures[] = {{20, 2}, {0, 0}};

// Icons: 4080 the plate (never selected), 4081 the lamp lit.
ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 4080,
        .position = {41, 64},
        .image_flags = 0x7,
        .gauge = &gauge_Speed_Brake_Lamp,
        .failures = lamp_failures,
    },
    {
        .var = module_var(326),
        .icon_count = 2,
        .callback = speed_brake_lamp_value,
    });

ELEMENT_LIST plate_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE plate = static_image({
    .bitmap_id = 4080,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Speed_Brake_Lamp,
    .children = plate_children,
});

ELEMENT_LIST elements[] = {&plate.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Speed brake warning light", 0, nullptr),
    mouse_child({41, 64, 32, 32}, CURSOR_HAND, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, lamp_test_press),
    mouse_end_parent(),
    mouse_end(),
};

// A press during a test starts it again.
HOST_BOOL HOST_CALL lamp_test_press(MOUSE_CLICK*, UINT32) {
    lamp_test_counter = TEST_UPDATES;
    return 0;
}

FLOAT64 HOST_CALL speed_brake_lamp_value(ELEMENT_ICON* lamp) {
    if (lamp_test_counter > 0) {
        --lamp_test_counter;
        return 1.0;
    }
    return lamp->source_var.value.number > LIT_ABOVE ? 1.0 : -1.0;
}

}  // namespace

GAUGEHDR gauge_Speed_Brake_Lamp = gauge_header({
    .name = "Speed_Brake_Lamp",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
