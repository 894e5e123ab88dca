// Gear Lever: the landing gear lever, drawn from the simulation's lever
// position; a click sends the gear toggle. Its tooltip follows the picture.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Gear_Lever;

namespace {

constexpr UINT32 EVENT_GEAR_TOGGLE = 0x10022;
constexpr FLOAT64 LEVER_DOWN_ABOVE = 8192.0;  // 0 up .. 16383 down

// Module-wide: set by the last draw of the lever.
SINT32 gear_lever_up = 1;

FLOAT64 HOST_CALL lever_value(ELEMENT_ICON* lever);
const char* HOST_CALL lever_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

// Icons: 3490 lever up, 3491 lever down.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 3490,
        .position = {15, 2},
        .image_flags = 0x3,
        .gauge = &gauge_Gear_Lever,
    },
    {
        .var = module_var(331),
        .icon_count = 2,
        .callback = lever_value,
    });

ELEMENT_LIST slot_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE slot = static_image({
    .bitmap_id = 3480,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Gear_Lever,
    .children = slot_children,
});

ELEMENT_LIST elements[] = {&slot.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(lever_word)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Landing gear lever (%1!s!)", 1, tooltip_args),
    mouse_child_event({10, 2, 26, 170}, CURSOR_HAND, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, EVENT_GEAR_TOGGLE),
    mouse_end_parent(),
    mouse_end(),
};

// Up unless the lever position is above 8192 (a position that is not a
// number draws it up).
FLOAT64 HOST_CALL lever_value(ELEMENT_ICON* element) {
    if (element->source_var.value.number > LEVER_DOWN_ABOVE) {
        gear_lever_up = 0;
        return 1.0;
    }
    gear_lever_up = 1;
    return 0.0;
}

const char* HOST_CALL lever_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return gear_lever_up != 0 ? "up" : "down";
}

}  // namespace

GAUGEHDR gauge_Gear_Lever = gauge_header({
    .name = "Gear_Lever",
    .width_mm = 47,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
