// Altimeter: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Altimeter;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2000,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Altimeter,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB07),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Altimeter = gauge_header({
    .name = "Altimeter",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
