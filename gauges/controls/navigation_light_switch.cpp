// Navigation Light Switch: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Navigation_Light_Switch;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4020,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Navigation_Light_Switch,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Navigation_Light_Switch = gauge_header({
    .name = "Navigation_Light_Switch",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
