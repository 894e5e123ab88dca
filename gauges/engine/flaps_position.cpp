// Flaps Position: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Flaps_Position;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2190,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Flaps_Position,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB24),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Flaps_Position = gauge_header({
    .name = "Flaps_Position",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
