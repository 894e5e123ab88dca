// Voltmeter: bus voltage, 0 to 30 volts.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Voltmeter;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 390,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Voltmeter,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// Pinned at 0 and 30 V beyond the scale.
NONLINEARITY voltmeter_table[] = {
    {{43, 92}, -1.0, 0},
    {{43, 92}, 0.0, 0},
    {{103, 67}, 15.0, 0},
    {{163, 91}, 30.0, 0},
    {{163, 91}, 30.0, 0},
};

ELEMENT_NEEDLE voltmeter_needle = needle(
    {
        .bitmap_id = 380,
        .position = {104, 158},
        .image_flags = 0x4083,
        .gauge = &gauge_Voltmeter,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {0, 4},
    },
    {
        .var = module_var(753),
        .calibration = voltmeter_table,
        .calibration_count = count_of(voltmeter_table),
    });

ELEMENT_LIST face_children[] = {&voltmeter_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 370,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Voltmeter,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3331),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Voltmeter = gauge_header({
    .name = "Voltmeter",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
