// Starter knob: a push button that engages the starter while it is held
// (the host sends its event again on every repeat); drawn pressed in while
// the simulation says the starter is engaged.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Starter_Knob;

namespace {

constexpr UINT32 STARTER = 401;
constexpr UINT32 EVENT_STARTER = 0x102FC;

const char* HOST_CALL starter_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*);

// Button: image 0 released, 1 pressed in, picked by the host from the token.
ELEMENT_ICON button = icon(
    {
        .bitmap_id = 4370,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Starter_Knob,
    },
    {
        .var = module_var(STARTER),
        .icon_count = 2,
    });

ELEMENT_LIST background_children[] = {&button.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4370,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Starter_Knob,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSE_ARG tooltip_args[] = {mouse_text_arg(starter_word)};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Starter knob (%1!s!)", 1, tooltip_args),
    mouse_child_event({6, 6, 70, 70}, CURSOR_HAND, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT, EVENT_STARTER),
    mouse_end_parent(),
    mouse_end(),
};

const char* HOST_CALL starter_word(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return on_off_word(STARTER);
}

}  // namespace

GAUGEHDR gauge_Starter_Knob = gauge_header({
    .name = "Starter_Knob",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
