// Low Fuel Light: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Low_Fuel_Light;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3090,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Low_Fuel_Light,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Low_Fuel_Light = gauge_header({
    .name = "Low_Fuel_Light",
    .width_mm = 25,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
