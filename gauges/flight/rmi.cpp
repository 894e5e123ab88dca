// RMI: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_RMI;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 280,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_RMI,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB5A),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_RMI = gauge_header({
    .name = "RMI",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
