// Turn Coordinator: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Turn_Coordinator;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2130,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Turn_Coordinator,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB71),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Turn_Coordinator = gauge_header({
    .name = "Turn_Coordinator",
    .width_mm = 111,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
