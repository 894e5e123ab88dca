// Radio altimeter switch: turns the radio altimeter on and off, with a click.
// Installing it turns the radio altimeter off, so a panel that holds the
// switch starts with it off.
#include "frame/gauge_records.h"
#include "gauges/flight/radio_altimeter_state.h"
#include "sound/sound_slot.h"

extern GAUGEHDR gauge_Radio_Alti_Switch;

namespace {

SoundSlot click_sound = {};

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);
HOST_BOOL HOST_CALL switch_click(MOUSE_CLICK* click, UINT32 mouse_flags);
void HOST_CALL switch_callback(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra);

// Lever: image 0 down (off), 1 up (on).
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 2090,
        .position = {10, 34},
        .image_flags = 0x3,
        .gauge = &gauge_Radio_Alti_Switch,
    },
    {
        .icon_count = 2,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2080,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_Alti_Switch,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_child({5, 30, 40, 40}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_click),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON*) { return radio_altimeter_on != 0 ? 1.0 : 0.0; }

HOST_BOOL HOST_CALL switch_click(MOUSE_CLICK*, UINT32) {
    sound_slot_play(&click_sound);
    radio_altimeter_on = radio_altimeter_on != 0 ? 0 : 1;
    return 0;
}

void HOST_CALL switch_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        radio_altimeter_on = 0;
    }
    sound_slot_service(&click_sound, service_id, extra, WAVE_SWITCH_CLICK);
}

}  // namespace

GAUGEHDR gauge_Radio_Alti_Switch = gauge_header({
    .name = "Radio_Alti_Switch",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = switch_callback,
});
