// VOR1 ADF Switch H: the RMI source selector with a lever moving left (VOR 1)
// and right (ADF). It shares the selection with VOR1_ADF_Switch_V.
#include "gauges/radios/radio_head.h"

extern GAUGEHDR gauge_VOR1_ADF_Switch_H;

namespace {

SoundSlot click = {};

// Image 0 toward VOR 1, 1 toward ADF.
FLOAT64 HOST_CALL lever_image(ELEMENT_ICON*) { return vor1_adf_select != 0 ? 0.0 : 1.0; }

FAILURE_RECORD lever_failures[] = {{20, 2}, {0, 0}};

ELEMENT_ICON lever = icon(
    {.bitmap_id = 360, .position = {17, 7}, .image_flags = 0x3, .gauge = &gauge_VOR1_ADF_Switch_H,
     .failures = lever_failures},
    {.icon_count = 2, .callback = lever_image});

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 350,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_VOR1_ADF_Switch_H,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

HOST_BOOL HOST_CALL toggle(MOUSE_CLICK*, UINT32) {
    vor1_adf_select = vor1_adf_select != 0 ? 0 : 1;
    sound_slot_play(&click);
    return 0;
}

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_child({5, 3, 70, 40}, CURSOR_HAND, MOUSE_LEFT_SINGLE, toggle),
    mouse_end_parent(),
    mouse_end(),
};

// Every install selects VOR 1 again.
void HOST_CALL selector_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        vor1_adf_select = 1;
    }
    sound_slot_service(&click, service_id, extra, WAVE_SWITCH_CLICK);
}

}  // namespace

GAUGEHDR gauge_VOR1_ADF_Switch_H = gauge_header({
    .name = "VOR1_ADF_Switch_H",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = selector_callback,
});
