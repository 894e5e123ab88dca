// Accelerometer: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Accelerometer;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1450,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Accelerometer,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA51C),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Accelerometer = gauge_header({
    .name = "Accelerometer",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
