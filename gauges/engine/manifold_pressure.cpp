// Manifold Pressure: intake manifold pressure in pounds per square foot on a
// scale marked in inches of mercury, 10 to 75.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Manifold_Pressure;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1440,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Manifold_Pressure,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// inHg x 70.7328. A stop below the 10 inHg mark; nearly a full turn
// clockwise from 10 inHg at lower left through 30 at the top to 75 back
// beside 10, pinned there above.
NONLINEARITY manifold_pressure_table[] = {
    {{47, 203}, 0.0, 0},
    {{37, 181}, 707.328, 0},
    {{150, 37}, 2121.984, 0},
    {{55, 220}, 5304.96, 0},
    {{55, 220}, 5658.624, 0},
};

ELEMENT_NEEDLE manifold_pressure_needle = needle(
    {
        .bitmap_id = 1430,
        .position = {150, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Manifold_Pressure,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {49, 18},
    },
    {
        .var = module_var(391),
        .calibration = manifold_pressure_table,
        .calibration_count = count_of(manifold_pressure_table),
    });

ELEMENT_LIST face_children[] = {&manifold_pressure_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 1420,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Manifold_Pressure,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB46),
    mouse_tooltip_id(0x30A0),
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
