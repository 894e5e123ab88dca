// Clock: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Clock;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3420,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Clock,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Clock = gauge_header({
    .name = "Clock",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
