// Speed Brake Light: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Speed_Brake_Light;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2490,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Speed_Brake_Light,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Speed_Brake_Light = gauge_header({
    .name = "Speed_Brake_Light",
    .width_mm = 20,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
