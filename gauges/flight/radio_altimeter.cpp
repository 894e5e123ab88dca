// Radio Altimeter: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Radio_Altimeter;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1060,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Radio_Altimeter,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Radio_Altimeter = gauge_header({
    .name = "Radio_Altimeter",
    .width_mm = 90,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
