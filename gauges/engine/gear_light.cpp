// Gear Light: green lamp lit while both main gear legs are down and locked.
// The nose gear is not considered.
#include "frame/gauge_records.h"
#include "frame/host_services.h"

extern GAUGEHDR gauge_Gear_Light;

namespace {

constexpr UINT32 LEFT_GEAR_TOKEN = 333;
constexpr UINT32 RIGHT_GEAR_TOKEN = 334;
constexpr FLOAT64 GEAR_DOWN_FROM = 16300.0;  // 0 up .. 16383 down

FLOAT64 HOST_CALL gear_down_value(ELEMENT_ICON* lamp);

FAILURE_RECORD lamp_failures[] = {{20, 2}, {0, 0}};

ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 4070,
        .position = {0, 0},
        .image_flags = 0x7,
        .gauge = &gauge_Gear_Light,
        .failures = lamp_failures,
    },
    {
        .var = module_var(332),
        .icon_count = 1,
        .callback = gear_down_value,
    });

ELEMENT_LIST lamp_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 4060,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Gear_Light,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Gear down light", 0, nullptr),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL gear_down_value(ELEMENT_ICON*) {
    FLOAT64 left = host_lookup_number(LEFT_GEAR_TOKEN);
    FLOAT64 right = host_lookup_number(RIGHT_GEAR_TOKEN);
    return left >= GEAR_DOWN_FROM && right >= GEAR_DOWN_FROM ? 0.0 : -1.0;
}

}  // namespace

GAUGEHDR gauge_Gear_Light = gauge_header({
    .name = "Gear_Light",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
