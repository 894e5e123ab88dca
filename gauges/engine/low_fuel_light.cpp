// Low Fuel Light: amber lamp lit while both tanks together hold 200 lbs or
// less.
#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "gauges/engine/fuel_tanks.h"

extern GAUGEHDR gauge_Low_Fuel_Light;

namespace {

constexpr FLOAT64 LOW_FUEL_POUNDS = 200.0;

FLOAT64 HOST_CALL low_fuel_value(ELEMENT_ICON* lamp);

FAILURE_RECORD lamp_failures[] = {{20, 3}, {0, 0}};

// Icons: 3090 the unlit lamp, 3091 its glow.
ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 3090,
        .position = {0, 0},
        .image_flags = 0x7,
        .gauge = &gauge_Low_Fuel_Light,
        .failures = lamp_failures,
    },
    {
        .icon_count = 2,
        .callback = low_fuel_value,
    });

ELEMENT_LIST lamp_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 3090,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Low_Fuel_Light,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Low fuel level warning light (<200 lbs)", 0, nullptr),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL low_fuel_value(ELEMENT_ICON*) {
    FLOAT64 total = tank_pounds(host_lookup_number(LEFT_TANK_TOKEN) + host_lookup_number(RIGHT_TANK_TOKEN));
    return total <= LOW_FUEL_POUNDS ? 1.0 : -1.0;
}

}  // namespace

GAUGEHDR gauge_Low_Fuel_Light = gauge_header({
    .name = "Low_Fuel_Light",
    .width_mm = 25,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
