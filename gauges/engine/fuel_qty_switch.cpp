// Fuel Qty Switch: the spring-loaded LEFT-BOTH-RIGHT selector of the fuel
// quantity dial. A click on either half shows that tank alone; the lever
// springs back to the centre after 9 updates of this gauge and the dial
// returns to both tanks after 36. The timers run in the lever's callback.
#include "frame/gauge_records.h"
#include "gauges/engine/fuel_tanks.h"
#include "sound/sound_slot.h"

extern GAUGEHDR gauge_Fuel_Qty_Switch;

SINT32 fuel_tank_selection = TANKS_BOTH;

namespace {

constexpr SINT32 LEVER_UPDATES = 9;
constexpr SINT32 DISPLAY_UPDATES = 36;

// Module-wide; the timers restart at install.
SINT32 lever_timer = 0;
SINT32 display_timer = 0;

FLOAT64 HOST_CALL lever_value(ELEMENT_ICON* lever);
SoundSlot click_sound = {};

HOST_BOOL HOST_CALL select_left(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL select_right(MOUSE_CLICK* click, UINT32 mouse_flags);

FAILURE_RECORD lever_failures[] = {{20, 2}, {0, 0}};

// Icons: 3300 lever centred, 3301 to the left, 3302 to the right.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 3300,
        .position = {17, 7},
        .image_flags = 0x3,
        .gauge = &gauge_Fuel_Qty_Switch,
        .failures = lever_failures,
    },
    {
        .icon_count = 3,
        .callback = lever_value,
    });

ELEMENT_LIST plate_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE plate = static_image({
    .bitmap_id = 3290,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Fuel_Qty_Switch,
    .children = plate_children,
});

ELEMENT_LIST elements[] = {&plate.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Fuel quantity display switch (Left-Both-Right)", 0, nullptr),
    mouse_child({0, 0, 40, 47}, CURSOR_HAND, MOUSE_LEFT_SINGLE, select_left),
    mouse_child({40, 0, 40, 47}, CURSOR_HAND, MOUSE_LEFT_SINGLE, select_right),
    mouse_end_parent(),
    mouse_end(),
};

// A click while a selection runs restarts both timers.
void select_tank(SINT32 tank) {
    fuel_tank_selection = tank;
    lever_timer = LEVER_UPDATES;
    display_timer = DISPLAY_UPDATES;
    sound_slot_play(&click_sound);
}

HOST_BOOL HOST_CALL select_left(MOUSE_CLICK*, UINT32) {
    select_tank(TANK_LEFT);
    return 0;
}

HOST_BOOL HOST_CALL select_right(MOUSE_CLICK*, UINT32) {
    select_tank(TANK_RIGHT);
    return 0;
}

// The lever shows the selected tank (1 left, 2 right) while its timer runs,
// otherwise the centre (0); the display's timer outlasts it.
FLOAT64 HOST_CALL lever_value(ELEMENT_ICON*) {
    if (lever_timer > 0) {
        --lever_timer;
    }
    const SINT32 lever_icon = lever_timer > 0 ? fuel_tank_selection : 0;
    if (display_timer > 0) {
        --display_timer;
        if (display_timer == 0) {
            fuel_tank_selection = TANKS_BOTH;
        }
    }
    return static_cast<FLOAT64>(lever_icon);
}

// A reinstall stops the timers; a running selection stays until the next click.
void HOST_CALL switch_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        lever_timer = 0;
        display_timer = 0;
    }
    sound_slot_service(&click_sound, service_id, extra, WAVE_SWITCH_CLICK);
}

}  // namespace

GAUGEHDR gauge_Fuel_Qty_Switch = gauge_header({
    .name = "Fuel_Qty_Switch",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = switch_callback,
});
