// Pitch trim wheel: a vertical wheel whose picture advances one frame per
// half degree of trim, with a pointer on the scale beside it. The upper half
// trims nose down, the lower half nose up, repeating while held.
#include "frame/gauge_records.h"
#include "gauges/controls/trim_wheel.h"

extern GAUGEHDR gauge_Pitch_Trim_Wheel;

namespace {

constexpr UINT32 PITCH_TRIM = 783;  // radians
constexpr UINT32 EVENT_TRIM_UPPER = 0x10047;
constexpr UINT32 EVENT_TRIM_LOWER = 0x1004F;
constexpr FLOAT64 PHASE_OFFSET = 3.183098861837907;    // 10 / pi
constexpr FLOAT64 PHASE_STEP = 0.008726646259971648;   // pi / 360, half a degree
constexpr FLOAT64 POINTER_SCALE = 159.15494309189535;  // 500 / pi pixels per radian

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

FLOAT64 HOST_CALL wheel_image(ELEMENT_ICON* wheel);

ELEMENT_SLIDER pointer = slider(
    {
        .bitmap_id = 4200,
        .position = {60, 76},
        .image_flags = 0x3,
        .gauge = &gauge_Pitch_Trim_Wheel,
    },
    {
        .var_y = module_var(PITCH_TRIM),
        .scale_y = POINTER_SCALE,
    });

ELEMENT_LIST wheel_children[] = {&pointer.header, nullptr};

ELEMENT_ICON wheel = icon(
    {
        .bitmap_id = 4190,
        .position = {30, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Pitch_Trim_Wheel,
        .children = wheel_children,
    },
    {
        .var = module_var(PITCH_TRIM),
        .icon_count = 3,
        .callback = wheel_image,
    });

ELEMENT_LIST background_children[] = {&wheel.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4180,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Pitch_Trim_Wheel,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3128),
    mouse_child_event({30, 0, 23, 77}, CURSOR_DOWN_ARROW, HELD_CLICKS, EVENT_TRIM_UPPER),
    mouse_child_event({30, 77, 23, 77}, CURSOR_UP_ARROW, HELD_CLICKS, EVENT_TRIM_LOWER),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL wheel_image(ELEMENT_ICON* wheel) {
    return trim_wheel_phase(wheel->source_var.value.number, PHASE_OFFSET, PHASE_STEP);
}

}  // namespace

GAUGEHDR gauge_Pitch_Trim_Wheel = gauge_header({
    .name = "Pitch_Trim_Wheel",
    .width_mm = 17,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
