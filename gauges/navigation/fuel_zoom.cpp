// Fuel Zoom: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Fuel_Zoom;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 250,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Fuel_Zoom,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB8A),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Fuel_Zoom = gauge_header({
    .name = "Fuel_Zoom",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
