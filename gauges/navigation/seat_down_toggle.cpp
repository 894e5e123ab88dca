// Seat Down Toggle: generic panel button. Without parameters a click toggles
// panel window 0, then moves the seat down three steps; face 110 and no
// tooltip until `b` and `h` say otherwise.
#include "frame/gauge_records.h"
#include "gauges/navigation/panel_button.h"

extern GAUGEHDR gauge_Seat_Down_Toggle;

namespace {

HOST_BOOL HOST_CALL seat_down_click(MOUSE_CLICK* click, UINT32) {
    panel_button_run_click(click, EVENT_SEAT_DOWN);
    return 0;
}

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 110,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Seat_Down_Toggle,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_child(PANEL_BUTTON_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE, seat_down_click),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Seat_Down_Toggle = gauge_header({
    .name = "Seat_Down_Toggle",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = panel_button_callback,
});
