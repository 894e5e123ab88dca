// Starter Knob: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Starter_Knob;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4370,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Starter_Knob,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Starter_Knob = gauge_header({
    .name = "Starter_Knob",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
