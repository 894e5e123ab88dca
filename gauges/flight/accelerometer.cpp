// Accelerometer: load factor with minimum and maximum hold needles and a
// reset button.
#include <cmath>

#include "frame/gauge_records.h"
#include "frame/host_services.h"

extern GAUGEHDR gauge_Accelerometer;

namespace {

constexpr UINT32 LOAD_FACTOR_TOKEN = 351;  // g x 624

// Hold values in the variable's unit; both start at 0 g when the module loads
// and survive gauge re-installs. Only the holds and the reset write them.
FLOAT64 accel_min_g = 0.0;
FLOAT64 accel_max_g = 0.0;

FLOAT64 HOST_CALL minimum_hold(ELEMENT_NEEDLE* needle);
FLOAT64 HOST_CALL maximum_hold(ELEMENT_NEEDLE* needle);
HOST_BOOL HOST_CALL reset_holds(MOUSE_CLICK* click, UINT32 mouse_flags);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1490,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Accelerometer,
});

FAILURE_RECORD load_failures[] = {{2, 0}, {0, 0}};

// -10, -5, +1, +10, +20 g: +1 g at 9 o'clock, stops at -5 g and +10 g.
NONLINEARITY load_table[] = {
    {{146, 147}, -6240, 0}, {{146, 147}, -3120, 0}, {{36, 101}, 624, 0},
    {{161, 126}, 6240, 0},  {{161, 126}, 12480, 0},
};

ELEMENT_LIST maximum_children[] = {&cover.header, nullptr};

ELEMENT_NEEDLE maximum_needle = needle(
    {
        .bitmap_id = 1470,
        .position = {101, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_Accelerometer,
        .children = maximum_children,
        .failures = load_failures,
        .offset = {33, 11},
    },
    {
        .var = module_var(LOAD_FACTOR_TOKEN),
        .calibration = load_table,
        .calibration_count = count_of(load_table),
        .callback = maximum_hold,
    });

ELEMENT_LIST minimum_children[] = {&maximum_needle.header, nullptr};

ELEMENT_NEEDLE minimum_needle = needle(
    {
        .bitmap_id = 1470,
        .position = {101, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_Accelerometer,
        .children = minimum_children,
        .failures = load_failures,
        .offset = {33, 11},
    },
    {
        .var = module_var(LOAD_FACTOR_TOKEN),
        .calibration = load_table,
        .calibration_count = count_of(load_table),
        .callback = minimum_hold,
    });

ELEMENT_LIST load_children[] = {&minimum_needle.header, nullptr};

ELEMENT_NEEDLE load_needle = needle(
    {
        .bitmap_id = 1460,
        .position = {101, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_Accelerometer,
        .children = load_children,
        .failures = load_failures,
        .offset = {33, 11},
    },
    {
        .var = module_var(LOAD_FACTOR_TOKEN),
        .calibration = load_table,
        .calibration_count = count_of(load_table),
    });

ELEMENT_LIST background_children[] = {&load_needle.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1450,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Accelerometer,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA51C),
    mouse_parent({4, 158, 38, 38}, CURSOR_NONE, 0xA527),
    mouse_child({0, 0, 38, 38}, CURSOR_HAND, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, reset_holds),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

// Non-finite samples never reach the holds.
FLOAT64 HOST_CALL minimum_hold(ELEMENT_NEEDLE* needle) {
    FLOAT64 load = needle->source_var.value.number;
    if (std::isfinite(load) && load < accel_min_g) {
        accel_min_g = load;
    }
    return accel_min_g;
}

FLOAT64 HOST_CALL maximum_hold(ELEMENT_NEEDLE* needle) {
    FLOAT64 load = needle->source_var.value.number;
    if (std::isfinite(load) && load > accel_max_g) {
        accel_max_g = load;
    }
    return accel_max_g;
}

// Puts both holds on the present load factor; a non-finite reading leaves
// them as they are.
HOST_BOOL HOST_CALL reset_holds(MOUSE_CLICK*, UINT32) {
    const FLOAT64 load = host_lookup_number(LOAD_FACTOR_TOKEN);
    if (std::isfinite(load)) {
        accel_min_g = load;
        accel_max_g = load;
    }
    return 0;
}

}  // namespace

GAUGEHDR gauge_Accelerometer = gauge_header({
    .name = "Accelerometer",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
