// Carb Temperature: carburettor air temperature in degrees Celsius, -50 to
// 50, read through the host's calculator. The tooltip shows the value the
// needle was last drawn at.
#include "frame/gauge_records.h"
#include "frame/host_services.h"

extern GAUGEHDR gauge_Carb_Temperature;

namespace {

constexpr const char* CARB_TEMPERATURE_CODE = "(A:RECIP CARBURETOR TEMPERATURE:1,celsius)";

// Module-wide: the last value evaluated, 0.0 until the first draw.
FLOAT64 carb_temperature = 0.0;

FLOAT64 HOST_CALL carb_needle_value(ELEMENT_NEEDLE* needle);
FLOAT64 HOST_CALL carb_tooltip_value(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 1270,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Carb_Temperature,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// Pinned at -50 and 50 C beyond the scale.
NONLINEARITY carb_temperature_table[] = {
    {{89, 161}, -60.0, 0},
    {{89, 161}, -50.0, 0},
    {{61, 101}, 0.0, 0},
    {{90, 42}, 50.0, 0},
    {{90, 42}, 60.0, 0},
};

ELEMENT_NEEDLE carb_temperature_needle = needle(
    {
        .bitmap_id = 1260,
        .position = {140, 101},
        .image_flags = 0x4083,
        .gauge = &gauge_Carb_Temperature,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {0, 4},
    },
    {
        .calibration = carb_temperature_table,
        .calibration_count = count_of(carb_temperature_table),
        .callback = carb_needle_value,
    });

ELEMENT_LIST face_children[] = {&carb_temperature_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 1250,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Carb_Temperature,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_number_arg(carb_tooltip_value)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Admission air temperature (%1!d!" "\xB0" "C)", 1, tooltip_args),
    mouse_end_parent(),
    mouse_end(),
};

// A failed evaluation leaves the stored value as it was.
FLOAT64 HOST_CALL carb_needle_value(ELEMENT_NEEDLE*) {
    host_execute_calculator_code(CARB_TEMPERATURE_CODE, &carb_temperature);
    return carb_temperature;
}

FLOAT64 HOST_CALL carb_tooltip_value(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return carb_temperature;
}

}  // namespace

GAUGEHDR gauge_Carb_Temperature = gauge_header({
    .name = "Carb_Temperature",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
