// Kneeboard Toggle: panel button that sends the kneeboard key event; it reads no parameters.
#include "frame/gauge_records.h"
#include "gauges/navigation/panel_button.h"

extern GAUGEHDR gauge_Kneeboard_Toggle;

namespace {

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 50,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Kneeboard_Toggle,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB93),
    mouse_child_event(PANEL_BUTTON_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE, 0x10154),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Kneeboard_Toggle = gauge_header({
    .name = "Kneeboard_Toggle",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
