// Cowl flaps switch: spring-loaded. Its lever is drawn held over while the
// cowl flaps move (down while they open, up while they close) and returns
// to the centre six updates after they stop.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Cowl_Flaps_Switch;

namespace {

constexpr UINT32 COWL_FLAPS = 362;
constexpr UINT32 EVENT_COWL_FLAPS_UPPER = 0x102C4;
constexpr UINT32 EVENT_COWL_FLAPS_LOWER = 0x102C3;
constexpr SINT32 HOLD_CALLS = 6;

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

// Module-wide. The timers rest at -1.
FLOAT64 cowl_previous_position = 0.0;
SINT32 cowl_rising_timer = 0;
SINT32 cowl_falling_timer = 0;

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);

// Lever: image 0 centred, 1 down, 2 up.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 490,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Cowl_Flaps_Switch,
    },
    {
        .var = module_var(COWL_FLAPS),
        .icon_count = 3,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 490,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Cowl_Flaps_Switch,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB17),
    mouse_child_event({0, 0, 45, 22}, CURSOR_DOWN_ARROW, HELD_CLICKS, EVENT_COWL_FLAPS_UPPER),
    mouse_child_event({0, 22, 45, 22}, CURSOR_UP_ARROW, HELD_CLICKS, EVENT_COWL_FLAPS_LOWER),
    mouse_end_parent(),
    mouse_end(),
};

// The host has refreshed the cowl flap position in the element.
FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever) {
    const FLOAT64 position = lever->source_var.value.number;
    if (cowl_rising_timer >= 0) {
        --cowl_rising_timer;
    }
    if (cowl_falling_timer >= 0) {
        --cowl_falling_timer;
    }
    if (cowl_previous_position < position) {
        cowl_rising_timer = HOLD_CALLS;
        cowl_falling_timer = 0;
    }
    if (cowl_previous_position > position) {
        cowl_falling_timer = HOLD_CALLS;
        cowl_rising_timer = 0;
    }
    cowl_previous_position = position;
    if (cowl_rising_timer > 0) {
        return 1.0;
    }
    return cowl_falling_timer > 0 ? 2.0 : 0.0;
}

}  // namespace

GAUGEHDR gauge_Cowl_Flaps_Switch = gauge_header({
    .name = "Cowl_Flaps_Switch",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
