// Vertical Speed: rate of climb from the vertical speed in m/s x 256, dial in
// feet per minute with stops at +-6000 ft/min.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Vertical_Speed;

namespace {

constexpr FLOAT64 FEET_PER_METRE = 3.28084;

// Feet per minute in the variable's unit (metres per second x 256).
constexpr FLOAT64 fpm(FLOAT64 feet_per_minute) {
    return feet_per_minute * 256.0 / 60.0 / FEET_PER_METRE;
}

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 480,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Vertical_Speed,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD vsi_failures[] = {{19, 1}, {0, 0}};

// No zero point: the needle runs straight from -1000 to +1000 across the
// 9 o'clock zero. Repeated end points make the stops.
NONLINEARITY vsi_table[] = {
    {{260, 166}, fpm(-7000), 0}, {{260, 166}, fpm(-6000), 0}, {{255, 182}, fpm(-5000), 0},
    {{245, 204}, fpm(-4000), 0}, {{224, 231}, fpm(-3000), 0}, {{177, 254}, fpm(-2000), 0},
    {{95, 249}, fpm(-1000), 0},  {{97, 57}, fpm(1000), 0},    {{178, 43}, fpm(2000), 0},
    {{224, 70}, fpm(3000), 0},   {{244, 97}, fpm(4000), 0},   {{253, 120}, fpm(5000), 0},
    {{258, 136}, fpm(6000), 0},  {{258, 136}, fpm(7000), 0},
};

ELEMENT_NEEDLE vsi_needle = needle(
    {
        .bitmap_id = 470,
        .position = {150, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Vertical_Speed,
        .children = needle_children,
        .failures = vsi_failures,
        .offset = {50, 13},
    },
    {
        .var = module_var(65),
        .calibration = vsi_table,
        .calibration_count = count_of(vsi_table),
    });

ELEMENT_LIST background_children[] = {&vsi_needle.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 460,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Vertical_Speed,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB76),
    mouse_tooltip_id(0x3099),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Vertical_Speed = gauge_header({
    .name = "Vertical_Speed",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
