// Manifold Pressure: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Manifold_Pressure;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1420,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Manifold_Pressure,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB46),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Manifold_Pressure = gauge_header({
    .name = "Manifold_Pressure",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
