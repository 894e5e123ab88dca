// Vertical Speed: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Vertical_Speed;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 460,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Vertical_Speed,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB76),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Vertical_Speed = gauge_header({
    .name = "Vertical_Speed",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
