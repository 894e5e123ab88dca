// Fuel Quantity: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Fuel_Quantity;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2460,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Fuel_Quantity,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Fuel_Quantity = gauge_header({
    .name = "Fuel_Quantity",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
