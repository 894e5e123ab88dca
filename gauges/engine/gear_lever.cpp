// Gear Lever: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Gear_Lever;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3480,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Gear_Lever,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Gear_Lever = gauge_header({
    .name = "Gear_Lever",
    .width_mm = 47,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
