// Radio NAV1: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Radio_NAV1;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3000,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_NAV1,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Radio_NAV1 = gauge_header({
    .name = "Radio_NAV1",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
