// Tachometer: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Tachometer;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2100,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Tachometer,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB68),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Tachometer = gauge_header({
    .name = "Tachometer",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
