// Tachometer: engine speed in revolutions per minute, 500 to 4000.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Tachometer;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2120,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Tachometer,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// From a stop before 500 rpm at the right, clockwise through 2500 at the
// left to 4000 at upper right, pinned there above.
NONLINEARITY tachometer_table[] = {
    {{251, 94}, 0.0, 0},
    {{258, 110}, 500.0, 0},
    {{34, 172}, 2500.0, 0},
    {{227, 66}, 4000.0, 0},
    {{227, 66}, 4500.0, 0},
};

ELEMENT_NEEDLE tachometer_needle = needle(
    {
        .bitmap_id = 2110,
        .position = {150, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Tachometer,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {50, 13},
    },
    {
        .var = module_var(390),
        .calibration = tachometer_table,
        .calibration_count = count_of(tachometer_table),
    });

ELEMENT_LIST face_children[] = {&tachometer_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 2100,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Tachometer,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB68),
    mouse_tooltip_id(0x333F),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Tachometer = gauge_header({
    .name = "Tachometer",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
