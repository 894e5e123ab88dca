// Radio COM2: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Radio_COM2;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3190,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_COM2,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Radio_COM2 = gauge_header({
    .name = "Radio_COM2",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
