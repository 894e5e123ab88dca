// Magnetic Compass: a compass card strip scrolling behind its window.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Magnetic_Compass;

namespace {

FAILURE_RECORD card_failures[] = {{12, 0}, {0, 0}};

// Reversed horizontal range: the strip's point under the lubber line falls
// as the heading rises. Equal vertical ends: no vertical travel.
ELEMENT_MOVING_IMAGE card = moving_image(
    {
        .bitmap_id = 2400,
        .position = {0, 0},
        .image_flags = 0x4083,
        .gauge = &gauge_Magnetic_Compass,
        .failures = card_failures,
    },
    {
        .var_x = module_var(83),
        .min_x = 360.0,
        .max_x = 0.0,
        .min_y = 360.0,
        .max_y = 360.0,
    });

ELEMENT_LIST background_children[] = {&card.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2390,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Magnetic_Compass,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB77),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Magnetic_Compass = gauge_header({
    .name = "Magnetic_Compass",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
