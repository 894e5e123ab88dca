// Oil Temperature: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Oil_Temperature;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1000,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Oil_Temperature,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB4F),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Oil_Temperature = gauge_header({
    .name = "Oil_Temperature",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
