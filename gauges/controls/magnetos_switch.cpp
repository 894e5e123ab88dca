// Magnetos Switch: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Magnetos_Switch;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4000,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Magnetos_Switch,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Magnetos_Switch = gauge_header({
    .name = "Magnetos_Switch",
    .width_mm = 36,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
