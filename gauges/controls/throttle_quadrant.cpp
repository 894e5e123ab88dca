// Throttle Quadrant: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Throttle_Quadrant;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4120,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Throttle_Quadrant,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Throttle_Quadrant = gauge_header({
    .name = "Throttle_Quadrant",
    .width_mm = 150,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
