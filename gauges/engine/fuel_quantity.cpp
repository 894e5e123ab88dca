// Fuel Quantity: fuel on board in pounds, both tanks together, or the tank
// picked on Fuel_Qty_Switch while its selection runs.
#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "gauges/engine/fuel_tanks.h"

extern GAUGEHDR gauge_Fuel_Quantity;

namespace {

// Module-wide: what the needle showed last, for the tooltip.
FLOAT64 fuel_shown = 0.0;

FLOAT64 HOST_CALL fuel_needle_value(ELEMENT_NEEDLE* needle);
const char* HOST_CALL tank_name(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);
FLOAT64 HOST_CALL fuel_shown_value(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 2480,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Fuel_Quantity,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{20, 1}, {0, 0}};

// Pounds; 500 lbs at the top, pinned at the 1050 end of the scale above.
NONLINEARITY fuel_table[] = {
    {{89, 258}, 0.0, 0},
    {{150, 36}, 500.0, 0},
    {{215, 251}, 1000.0, 0},
    {{192, 267}, 1050.0, 0},
    {{192, 267}, 2000.0, 0},
};

ELEMENT_NEEDLE fuel_needle = needle(
    {
        .bitmap_id = 2470,
        .position = {150, 151},
        .image_flags = 0x4083,
        .gauge = &gauge_Fuel_Quantity,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {44, 14},
    },
    {
        .var = module_var(LEFT_TANK_TOKEN),
        .calibration = fuel_table,
        .calibration_count = count_of(fuel_table),
        .callback = fuel_needle_value,
    });

ELEMENT_LIST face_children[] = {&fuel_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 2460,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Fuel_Quantity,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(tank_name), mouse_number_arg(fuel_shown_value)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Fuel quantity %1!s!(%2!d! lbs)", 2, tooltip_args),
    mouse_end_parent(),
    mouse_end(),
};

// The needle's own variable holds the left tank, refreshed by the host.
FLOAT64 HOST_CALL fuel_needle_value(ELEMENT_NEEDLE* needle) {
    FLOAT64 left = needle->source_var.value.number;
    FLOAT64 right = host_lookup_number(RIGHT_TANK_TOKEN);
    switch (fuel_tank_selection) {
    case TANK_LEFT:
        fuel_shown = tank_pounds(left);
        break;
    case TANK_RIGHT:
        fuel_shown = tank_pounds(right);
        break;
    default:
        fuel_shown = tank_pounds(left + right);
        break;
    }
    return fuel_shown;
}

// Each name ends in a blank before the "(" of the text.
const char* HOST_CALL tank_name(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    switch (fuel_tank_selection) {
    case TANK_LEFT:
        return "left tank ";
    case TANK_RIGHT:
        return "right tank ";
    default:
        return "both tanks ";
    }
}

FLOAT64 HOST_CALL fuel_shown_value(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return fuel_shown;
}

}  // namespace

GAUGEHDR gauge_Fuel_Quantity = gauge_header({
    .name = "Fuel_Quantity",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
