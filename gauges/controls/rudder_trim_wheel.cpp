// Rudder trim wheel: a horizontal wheel whose picture advances one frame per
// quarter degree of trim, with a pointer on the scale below it. The left
// half trims left, the right half right, repeating while held.
#include "frame/gauge_records.h"
#include "gauges/controls/trim_wheel.h"

extern GAUGEHDR gauge_Rudder_Trim_Wheel;

namespace {

constexpr UINT32 RUDDER_TRIM = 787;  // radians
constexpr UINT32 EVENT_TRIM_LEFT_HALF = 0x102E6;
constexpr UINT32 EVENT_TRIM_RIGHT_HALF = 0x102E7;
constexpr FLOAT64 PHASE_OFFSET = 5.729577951308232;    // 18 / pi
constexpr FLOAT64 PHASE_STEP = 0.004363323129985824;   // pi / 720, a quarter degree
constexpr FLOAT64 POINTER_SCALE = 286.4788975654116;   // 900 / pi pixels per radian

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

FLOAT64 HOST_CALL wheel_image(ELEMENT_ICON* wheel);

ELEMENT_SLIDER pointer = slider(
    {
        .bitmap_id = 4270,
        .position = {74, 60},
        .image_flags = 0x3,
        .gauge = &gauge_Rudder_Trim_Wheel,
    },
    {
        .var_x = module_var(RUDDER_TRIM),
        .scale_x = POINTER_SCALE,
    });

ELEMENT_LIST wheel_children[] = {&pointer.header, nullptr};

ELEMENT_ICON wheel = icon(
    {
        .bitmap_id = 4260,
        .position = {0, 30},
        .image_flags = 0x3,
        .gauge = &gauge_Rudder_Trim_Wheel,
        .children = wheel_children,
    },
    {
        .var = module_var(RUDDER_TRIM),
        .icon_count = 3,
        .callback = wheel_image,
    });

ELEMENT_LIST background_children[] = {&wheel.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4250,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Rudder_Trim_Wheel,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x312A),
    mouse_child_event({0, 30, 77, 23}, CURSOR_DOWN_ARROW, HELD_CLICKS, EVENT_TRIM_LEFT_HALF),
    mouse_child_event({77, 30, 77, 23}, CURSOR_UP_ARROW, HELD_CLICKS, EVENT_TRIM_RIGHT_HALF),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL wheel_image(ELEMENT_ICON* wheel) {
    return trim_wheel_phase(wheel->source_var.value.number, PHASE_OFFSET, PHASE_STEP);
}

}  // namespace

GAUGEHDR gauge_Rudder_Trim_Wheel = gauge_header({
    .name = "Rudder_Trim_Wheel",
    .width_mm = 17,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
