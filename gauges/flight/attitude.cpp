// Attitude: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Attitude;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2250,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Attitude,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Attitude = gauge_header({
    .name = "Attitude",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
