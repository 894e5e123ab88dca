// Master switch: the guarded three-position electrical master. Up is battery
// and generator on, centre all off, down battery on. It has no event of its
// own for a position: it toggles the battery and the generator, each only
// when its state differs from the one the position needs. The red guard
// starts closed and blocks the lever; a right click anywhere, or any click
// on the guard, opens or closes it. Every accepted click plays the click.
#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Master_Switch;

namespace {

constexpr UINT32 BATTERY = 759;
constexpr UINT32 GENERATOR = 761;
constexpr UINT32 EVENT_BATTERY_TOGGLE = 0x102C1;
constexpr UINT32 EVENT_GENERATOR_TOGGLE = 0x102C2;

// Positions, also the lever's icon index.
constexpr SINT32 ALL_OFF = 0;
constexpr SINT32 BATTERY_ON = 1;
constexpr SINT32 BATTERY_AND_GENERATOR_ON = 2;

constexpr UINT32 CLICKS = MOUSE_RIGHT_SINGLE | MOUSE_LEFT_SINGLE;

// Module-wide, alive for the module's life.
SINT32 master_protected = 1;
SINT32 master_position = ALL_OFF;
SoundSlot click_sound = {};

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);
FLOAT64 HOST_CALL guard_image(ELEMENT_ICON* guard);
const char* HOST_CALL position_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
HOST_BOOL HOST_CALL click_all_off(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL click_battery_on(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL click_battery_and_generator_on(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL guard_click(MOUSE_CLICK* click, UINT32 mouse_flags);
void HOST_CALL master_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

// Closed guard over the lever, hidden (-1) while open.
ELEMENT_ICON guard = icon(
    {
        .bitmap_id = 4350,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Master_Switch,
    },
    {
        .icon_count = 1,
        .callback = guard_image,
    });

ELEMENT_LIST lever_children[] = {&guard.header, nullptr};

// Lever: image 0 centre (all off), 1 down (battery), 2 up (battery and generator).
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 4360,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Master_Switch,
        .children = lever_children,
    },
    {
        .icon_count = 3,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4360,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Master_Switch,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(position_word)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Master switch (%1!s!)", 1, tooltip_args),
    mouse_child({0, 24, 54, 24}, CURSOR_HAND, CLICKS, click_all_off),
    mouse_child({0, 48, 54, 24}, CURSOR_HAND, CLICKS, click_battery_on),
    mouse_child({0, 0, 54, 24}, CURSOR_HAND, CLICKS, click_battery_and_generator_on),
    mouse_child({0, 72, 54, 48}, CURSOR_HAND, CLICKS, guard_click),
    mouse_end_parent(),
    mouse_end(),
};

struct MasterState {
    FLOAT64 battery;
    FLOAT64 generator;
};

MasterState read_state() { return {host_lookup_number(BATTERY), host_lookup_number(GENERATOR)}; }

// The position the two switches make, or `unchanged` when a value is
// neither zero nor on (negative, NaN). The generator alone counts as up.
SINT32 position_of(MasterState s, SINT32 unchanged) {
    const bool battery_zero = s.battery == 0.0;
    const bool generator_zero = s.generator == 0.0;
    if (battery_zero && generator_zero) {
        return ALL_OFF;
    }
    if (s.battery > 0.0 && generator_zero) {
        return BATTERY_ON;
    }
    if ((s.battery > 0.0 || battery_zero) && s.generator > 0.0) {
        return BATTERY_AND_GENERATOR_ON;
    }
    return unchanged;
}

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON*) {
    master_position = position_of(read_state(), master_position);
    return static_cast<FLOAT64>(master_position);
}

FLOAT64 HOST_CALL guard_image(ELEMENT_ICON*) { return master_protected != 0 ? 0.0 : -1.0; }

const char* HOST_CALL position_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    const MasterState s = read_state();
    const bool guarded = master_protected != 0;
    if (s.battery == 0.0 && s.generator == 0.0) {
        return guarded ? "protected and all off" : "all off";
    }
    if (s.battery > 0.0 && s.generator == 0.0) {
        return guarded ? "protected with battery on" : "battery on";
    }
    if (s.battery > 0.0 && s.generator > 0.0) {
        return guarded ? "protected with battery and generator on" : "battery and generator on";
    }
    return SWITCH_WORD_OFF;
}

void toggle_guard() {
    master_protected = master_protected != 0 ? 0 : 1;
    sound_slot_play(&click_sound);
}

// Toggles only what differs from the target: the battery first, then the
// generator. A value that is neither zero nor on gets no toggle.
void position_click(SINT32 target, UINT32 mouse_flags) {
    const MasterState s = read_state();
    if ((mouse_flags & MOUSE_LEFT_SINGLE) != 0) {
        if (master_protected != 0) {
            return;
        }
        const bool battery_wanted = target != ALL_OFF;
        const bool generator_wanted = target == BATTERY_AND_GENERATOR_ON;
        if (battery_wanted ? s.battery == 0.0 : s.battery > 0.0) {
            host_trigger_key_event(EVENT_BATTERY_TOGGLE, 0);
        }
        if (generator_wanted ? s.generator == 0.0 : s.generator > 0.0) {
            host_trigger_key_event(EVENT_GENERATOR_TOGGLE, 0);
        }
        sound_slot_play(&click_sound);
        master_position = target;
    } else if ((mouse_flags & MOUSE_RIGHT_SINGLE) != 0) {
        toggle_guard();
    }
}

HOST_BOOL HOST_CALL click_all_off(MOUSE_CLICK*, UINT32 mouse_flags) {
    position_click(ALL_OFF, mouse_flags);
    return 0;
}

HOST_BOOL HOST_CALL click_battery_on(MOUSE_CLICK*, UINT32 mouse_flags) {
    position_click(BATTERY_ON, mouse_flags);
    return 0;
}

HOST_BOOL HOST_CALL click_battery_and_generator_on(MOUSE_CLICK*, UINT32 mouse_flags) {
    position_click(BATTERY_AND_GENERATOR_ON, mouse_flags);
    return 0;
}

HOST_BOOL HOST_CALL guard_click(MOUSE_CLICK*, UINT32 mouse_flags) {
    if ((mouse_flags & CLICKS) != 0) {
        toggle_guard();
    }
    return 0;
}

void HOST_CALL master_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        const MasterState s = read_state();
        master_position = ALL_OFF;
        if (s.battery > 0.0) {
            master_position = BATTERY_ON;
        }
        if (s.generator > 0.0) {
            master_position = BATTERY_AND_GENERATOR_ON;
        }
    }
    sound_slot_service(&click_sound, service_id, extra, WAVE_SWITCH_CLICK);
}

}  // namespace

GAUGEHDR gauge_Master_Switch = gauge_header({
    .name = "Master_Switch",
    .width_mm = 20,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = master_callback,
});
