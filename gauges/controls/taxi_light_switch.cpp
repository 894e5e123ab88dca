// Taxi lights switch: a two-position toggle that shows the simulation's taxi lights
// (token 369) and toggles it with event 0x102C0. A click plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Taxi_Light_Switch;

namespace {

constexpr UINT32 SWITCH_TOKEN = 369;
constexpr UINT32 TOGGLE_EVENT = 0x102C0;

SoundSlot click_sound = {};

const char* HOST_CALL position_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
HOST_BOOL HOST_CALL switch_click(MOUSE_CLICK* click, UINT32 mouse_flags);
void HOST_CALL switch_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

// Lever: image 0 down (off), 1 up (on), picked by the host from the token.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = TOGGLE_LEVER_BITMAP,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Taxi_Light_Switch,
    },
    {
        .var = module_var(SWITCH_TOKEN),
        .icon_count = TOGGLE_LEVER_COUNT,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = TOGGLE_BASE_BITMAP,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Taxi_Light_Switch,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(position_word)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Taxi lights switch (%1!s!)", 1, tooltip_args),
    mouse_child(TOGGLE_CLICK_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_click),
    mouse_end_parent(),
    mouse_end(),
};

const char* HOST_CALL position_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return on_off_word(SWITCH_TOKEN);
}

HOST_BOOL HOST_CALL switch_click(MOUSE_CLICK*, UINT32) {
    two_position_switch_click(TOGGLE_EVENT, &click_sound);
    return 0;
}

void HOST_CALL switch_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    sound_slot_service(&click_sound, service_id, extra, WAVE_SWITCH_CLICK);
}

}  // namespace

GAUGEHDR gauge_Taxi_Light_Switch = gauge_header({
    .name = "Taxi_Light_Switch",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = switch_callback,
});
