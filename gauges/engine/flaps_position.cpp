// Flaps Position: the flap position, 0 up to 16383 down, on a dial marked
// UP, 10, 20, 30 and DOWN. The needle moves an eighth of the remaining way
// at each update.
#include <cmath>

#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Flaps_Position;

namespace {

constexpr FLOAT64 SMOOTHING = 0.125;

// Module-wide, 0.0 at load.
FLOAT64 smoothed_flap_position = 0.0;

FLOAT64 HOST_CALL flap_needle_value(ELEMENT_NEEDLE* needle);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2210,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Flaps_Position,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{20, 0}, {0, 0}};

NONLINEARITY flaps_table[] = {
    {{102, 35}, 0.0, 0},       // UP
    {{138, 50}, 4096.0, 0},    // 10
    {{159, 80}, 8192.0, 0},    // 20
    {{160, 117}, 12288.0, 0},  // 30
    {{139, 150}, 16382.0, 0},  // DOWN
};

ELEMENT_NEEDLE flaps_needle = needle(
    {
        .bitmap_id = 2200,
        .position = {100, 100},
        .image_flags = 0x4083,
        .gauge = &gauge_Flaps_Position,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {18, 4},
    },
    {
        .var = module_var(330),
        .calibration = flaps_table,
        .calibration_count = count_of(flaps_table),
        .callback = flap_needle_value,
    });

ELEMENT_LIST face_children[] = {&flaps_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 2190,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Flaps_Position,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xAB24),
    mouse_end_parent(),
    mouse_end(),
};

// A sample that is not a finite number is skipped, so it cannot stick in
// the smoothed value.
FLOAT64 HOST_CALL flap_needle_value(ELEMENT_NEEDLE* needle) {
    FLOAT64 sample = needle->source_var.value.number;
    if (std::isfinite(sample)) {
        smoothed_flap_position = SMOOTHING * sample + (1.0 - SMOOTHING) * smoothed_flap_position;
    }
    return smoothed_flap_position;
}

}  // namespace

GAUGEHDR gauge_Flaps_Position = gauge_header({
    .name = "Flaps_Position",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
