// Aileron trim wheel: a pointer on an arc of -10 to +10 degrees behind a
// lettered plate, and the wheel knob in front of it, half a turn for 12
// degrees of trim. The left half trims left, the right half right,
// repeating while held.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Aileron_Trim_Wheel;

namespace {

constexpr UINT32 AILERON_TRIM = 785;  // radians
constexpr UINT32 EVENT_TRIM_LEFT_HALF = 0x102E4;
constexpr UINT32 EVENT_TRIM_RIGHT_HALF = 0x102E5;
constexpr FLOAT64 DEGREES_PER_RADIAN = 57.29577951308232;

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

FLOAT64 HOST_CALL pointer_degrees(ELEMENT_NEEDLE* pointer);
FLOAT64 HOST_CALL knob_tenths(ELEMENT_NEEDLE* knob);

// Tenths of a degree: half a turn of the knob for 12 degrees.
NONLINEARITY knob_table[] = {
    {{61, 49}, 0.0, 0},
    {{61, 129}, 120.0, 0},
};

ELEMENT_NEEDLE knob = needle(
    {
        .bitmap_id = 4240,
        .position = {61, 89},
        .image_flags = 0x83,
        .gauge = &gauge_Aileron_Trim_Wheel,
        .offset = {47, 47},
    },
    {
        .var = module_var(AILERON_TRIM),
        .calibration = knob_table,
        .calibration_count = count_of(knob_table),
        .callback = knob_tenths,
    });

ELEMENT_LIST plate_children[] = {&knob.header, nullptr};

// The plate lettered AILERONS, with a window over the arc.
ELEMENT_STATIC_IMAGE plate = static_image({
    .bitmap_id = 4230,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Aileron_Trim_Wheel,
    .children = plate_children,
});

ELEMENT_LIST pointer_children[] = {&plate.header, nullptr};

// Degrees of trim.
NONLINEARITY pointer_table[] = {
    {{14, 51}, -10.0, 0},
    {{61, 33}, 0.0, 0},
    {{109, 50}, 10.0, 0},
};

ELEMENT_NEEDLE pointer = needle(
    {
        .bitmap_id = 4220,
        .position = {61, 89},
        .image_flags = 0x83,
        .gauge = &gauge_Aileron_Trim_Wheel,
        .children = pointer_children,
        .offset = {0, 2},
    },
    {
        .var = module_var(AILERON_TRIM),
        .calibration = pointer_table,
        .calibration_count = count_of(pointer_table),
        .callback = pointer_degrees,
    });

ELEMENT_LIST background_children[] = {&pointer.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4210,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Aileron_Trim_Wheel,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3129),
    mouse_child_event({14, 42, 47, 94}, CURSOR_DOWN_ARROW, HELD_CLICKS, EVENT_TRIM_LEFT_HALF),
    mouse_child_event({61, 42, 47, 94}, CURSOR_UP_ARROW, HELD_CLICKS, EVENT_TRIM_RIGHT_HALF),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL pointer_degrees(ELEMENT_NEEDLE* pointer) {
    return pointer->source_var.value.number * DEGREES_PER_RADIAN;
}

FLOAT64 HOST_CALL knob_tenths(ELEMENT_NEEDLE* knob) { return knob->source_var.value.number * DEGREES_PER_RADIAN * 10.0; }

}  // namespace

GAUGEHDR gauge_Aileron_Trim_Wheel = gauge_header({
    .name = "Aileron_Trim_Wheel",
    .width_mm = 17,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
