// Magnetos switch: the magneto key, OFF, R, L and BOTH clockwise, drawn from
// the two magneto switches. The left half steps the selector towards BOTH
// (never past it from this gauge), the right half towards OFF; both repeat
// while the button is held.
#include "frame/gauge_records.h"
#include "frame/host_services.h"

extern GAUGEHDR gauge_Magnetos_Switch;

namespace {

constexpr UINT32 LEFT_MAGNETO = 399;
constexpr UINT32 RIGHT_MAGNETO = 400;
constexpr UINT32 EVENT_MAGNETO_TOWARDS_BOTH = 0x10063;
constexpr UINT32 EVENT_MAGNETO_TOWARDS_OFF = 0x10062;
constexpr FLOAT64 INDEX_BOTH = 3.0;

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

// Module-wide: the key's index at the last draw, 0 OFF, 1 R, 2 L, 3 BOTH.
FLOAT64 magneto_index = 0.0;

FLOAT64 HOST_CALL key_image(ELEMENT_ICON* key);
HOST_BOOL HOST_CALL step_towards_both(MOUSE_CLICK* click, UINT32 mouse_flags);

ELEMENT_ICON key = icon(
    {
        .bitmap_id = 4010,
        .position = {9, 23},
        .image_flags = 0x3,
        .gauge = &gauge_Magnetos_Switch,
    },
    {
        .var = module_var(RIGHT_MAGNETO),
        .icon_count = 4,
        .callback = key_image,
    });

ELEMENT_LIST background_children[] = {&key.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4000,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Magnetos_Switch,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3280),
    mouse_child({0, 20, 49, 75}, CURSOR_UP_ARROW, HELD_CLICKS, step_towards_both),
    mouse_child_event({50, 20, 49, 75}, CURSOR_DOWN_ARROW, HELD_CLICKS, EVENT_MAGNETO_TOWARDS_OFF),
    mouse_end_parent(),
    mouse_end(),
};

// The host has refreshed the right magneto in the element.
FLOAT64 HOST_CALL key_image(ELEMENT_ICON* key) {
    magneto_index = 2.0 * host_lookup_number(LEFT_MAGNETO) + key->source_var.value.number;
    return magneto_index;
}

// Tested against the index of the last draw, not a fresh lookup.
HOST_BOOL HOST_CALL step_towards_both(MOUSE_CLICK*, UINT32) {
    if (magneto_index < INDEX_BOTH) {
        host_trigger_key_event(EVENT_MAGNETO_TOWARDS_BOTH, 0);
    }
    return 0;
}

}  // namespace

GAUGEHDR gauge_Magnetos_Switch = gauge_header({
    .name = "Magnetos_Switch",
    .width_mm = 36,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
