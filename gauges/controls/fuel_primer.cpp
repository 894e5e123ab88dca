// Fuel primer: a spring-loaded switch on the toggle-switch bitmaps, drawn up
// while the simulation says the primer is engaged; its event repeats while
// the button is held.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Fuel_Primer;

namespace {

constexpr UINT32 PRIMER = 361;
constexpr UINT32 EVENT_PRIMER = 0x102BE;

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);
const char* HOST_CALL primer_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

ELEMENT_ICON lever = icon(
    {
        .bitmap_id = TOGGLE_LEVER_BITMAP,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Fuel_Primer,
    },
    {
        .var = module_var(PRIMER),
        .icon_count = TOGGLE_LEVER_COUNT,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = TOGGLE_BASE_BITMAP,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Fuel_Primer,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(primer_word)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Engine primer switch (%1!s!)", 1, tooltip_args),
    mouse_child_event(TOGGLE_CLICK_AREA, CURSOR_HAND, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, EVENT_PRIMER),
    mouse_end_parent(),
    mouse_end(),
};

// Up for any value but exactly 0.0 (the tooltip says "on" only above 0.0).
FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever) { return lever->source_var.value.number != 0.0 ? 1.0 : 0.0; }

const char* HOST_CALL primer_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return on_off_word(PRIMER);
}

}  // namespace

GAUGEHDR gauge_Fuel_Primer = gauge_header({
    .name = "Fuel_Primer",
    .width_mm = 36,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
