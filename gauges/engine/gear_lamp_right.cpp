// Gear Lamp Right: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Gear_Lamp_Right;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2410,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Gear_Lamp_Right,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB31),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Gear_Lamp_Right = gauge_header({
    .name = "Gear_Lamp_Right",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
