// Master Switch: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Master_Switch;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4360,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Master_Switch,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Master_Switch = gauge_header({
    .name = "Master_Switch",
    .width_mm = 20,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
