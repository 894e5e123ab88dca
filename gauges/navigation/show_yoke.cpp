// Show Yoke: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Show_Yoke;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 210,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Show_Yoke,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Show_Yoke = gauge_header({
    .name = "Show_Yoke",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
