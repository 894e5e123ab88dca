// Compass Toggle: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Compass_Toggle;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 150,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Compass_Toggle,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB89),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Compass_Toggle = gauge_header({
    .name = "Compass_Toggle",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
