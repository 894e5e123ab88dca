// ADF Indicator Toggle: generic panel button. Without parameters a click toggles
// panel window 0; face 260 and no tooltip until `b` and `h` say otherwise.
#include "frame/gauge_records.h"
#include "gauges/navigation/panel_button.h"

extern GAUGEHDR gauge_ADF_Indicator_Toggle;

namespace {

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 260,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_ADF_Indicator_Toggle,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_child(PANEL_BUTTON_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE, panel_button_click),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_ADF_Indicator_Toggle = gauge_header({
    .name = "ADF_Indicator_Toggle",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = panel_button_callback,
});
