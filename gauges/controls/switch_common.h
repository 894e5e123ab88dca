// Mechanics shared by the cockpit switches: the tooltip words "on" and
// "off", and the records and callbacks of the two-position switches.
#pragma once

#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "sound/sound_slot.h"

// The module's tooltip words for a two-state control.
extern const char SWITCH_WORD_ON[];
extern const char SWITCH_WORD_OFF[];

// "on" when the token's value is greater than 0.0, otherwise "off".
const char* on_off_word(UINT32 token);

// The bitmaps every two-position switch shares: base plate, lever icons
// (0 down = off, 1 up = on); the whole bitmap is its click area.
constexpr UINT32 TOGGLE_BASE_BITMAP = 4020;
constexpr UINT32 TOGGLE_LEVER_BITMAP = 4030;
constexpr UINT32 TOGGLE_LEVER_COUNT = 2;
constexpr PIXBOX TOGGLE_CLICK_AREA = {0, 0, 45, 45};

// What sets one two-position switch apart from the others.
struct TwoPositionSwitch {
    UINT32 token;         // the simulation's switch, shown by the lever
    UINT32 toggle_event;  // sent with value 0 by a click
    const char* tooltip;  // with %1!s!, the switch's "on" or "off"
};

// A two-position switch's records and callbacks, one instantiation per
// gauge: the lever picked by the host from the token, a click that sends
// the toggle event and then plays the switch click from the gauge's own
// sound slot. Every record is constant-initialised.
template <GAUGEHDR* Gauge, const TwoPositionSwitch& Switch>
struct TwoPositionSwitchRecords {
    static const char* HOST_CALL position_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
        return on_off_word(Switch.token);
    }

    static HOST_BOOL HOST_CALL click(MOUSE_CLICK*, UINT32) {
        host_trigger_key_event(Switch.toggle_event, 0);
        sound_slot_play(&click_sound);
        return 0;
    }

    static void HOST_CALL callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
        sound_slot_service(&click_sound, service_id, extra, WAVE_SWITCH_CLICK);
    }

    static constinit inline SoundSlot click_sound = {};

    static constinit inline ELEMENT_ICON lever = icon(
        {
            .bitmap_id = TOGGLE_LEVER_BITMAP,
            .position = {0, 0},
            .image_flags = 0x3,
            .gauge = Gauge,
        },
        {
            .var = module_var(Switch.token),
            .icon_count = TOGGLE_LEVER_COUNT,
        });

    static constinit inline ELEMENT_LIST background_children[] = {&lever.header, nullptr};

    static constinit inline ELEMENT_STATIC_IMAGE background = static_image({
        .bitmap_id = TOGGLE_BASE_BITMAP,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = Gauge,
        .children = background_children,
    });

    static constinit inline ELEMENT_LIST elements[] = {&background.header, nullptr};

    static constinit inline MOUSE_ARG tooltip_args[] = {mouse_text_arg(position_word)};

    static constinit inline MOUSERECT mouse_rects[] = {
        mouse_whole_gauge(0),
        mouse_tooltip_text(Switch.tooltip, 1, tooltip_args),
        mouse_child(TOGGLE_CLICK_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE, click),
        mouse_end_parent(),
        mouse_end(),
    };
};
