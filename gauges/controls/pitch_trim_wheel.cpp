// Pitch Trim Wheel: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Pitch_Trim_Wheel;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4180,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Pitch_Trim_Wheel,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Pitch_Trim_Wheel = gauge_header({
    .name = "Pitch_Trim_Wheel",
    .width_mm = 17,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
