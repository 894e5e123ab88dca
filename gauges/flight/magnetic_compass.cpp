// Magnetic Compass: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Magnetic_Compass;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2390,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Magnetic_Compass,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB77),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Magnetic_Compass = gauge_header({
    .name = "Magnetic_Compass",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
