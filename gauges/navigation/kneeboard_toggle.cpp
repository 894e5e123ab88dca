// Kneeboard Toggle: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Kneeboard_Toggle;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 50,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Kneeboard_Toggle,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB93),
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
