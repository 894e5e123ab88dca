// Gear Lamp Left: position of the left gear leg; the barber pole without bus power.
#include "frame/gauge_records.h"
#include "gauges/engine/gear_lamp.h"

extern GAUGEHDR gauge_Gear_Lamp_Left;

namespace {

FAILURE_RECORD lamp_failures[] = {{20, 3}, {0, 0}};

ELEMENT_ICON indicator = icon(
    {
        .bitmap_id = 2410,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Gear_Lamp_Left,
        .failures = lamp_failures,
    },
    {
        .var = module_var(333),
        .icon_count = 3,
        .callback = gear_lamp_value,
    });

ELEMENT_LIST lamp_children[] = {&indicator.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 2410,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Gear_Lamp_Left,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB31),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Gear_Lamp_Left = gauge_header({
    .name = "Gear_Lamp_Left",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
