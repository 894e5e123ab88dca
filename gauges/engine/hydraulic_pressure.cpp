// Hydraulic Pressure: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Hydraulic_Pressure;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4090,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Hydraulic_Pressure,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA41B),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Hydraulic_Pressure = gauge_header({
    .name = "Hydraulic_Pressure",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
