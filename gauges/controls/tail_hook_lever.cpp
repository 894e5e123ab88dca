// Tail hook lever: UP at the top, DN at the bottom. Either half sends the
// hook toggle and shows the handle there at once; then the handle follows
// the hook's motion.
#include "frame/gauge_records.h"
#include "gauges/controls/sampled_lever.h"

extern GAUGEHDR gauge_Tail_Hook_Lever;

namespace {

constexpr UINT32 HOOK = 869;  // 0 up to 1 down
constexpr UINT32 EVENT_HOOK_TOGGLE = 0x10357;

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

SampledLever hook_lever = SAMPLED_LEVER_AT_LOAD;

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);
HOST_BOOL HOST_CALL upper_half(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL lower_half(MOUSE_CLICK* click, UINT32 mouse_flags);

// Handle: image 0 up, 1 down.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 4390,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Tail_Hook_Lever,
    },
    {
        .var = module_var(HOOK),
        .icon_count = 2,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4380,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Tail_Hook_Lever,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Tailhook lever", 0, nullptr),
    mouse_child({0, 0, 30, 75}, CURSOR_UP_ARROW, HELD_CLICKS, upper_half),
    mouse_child({0, 75, 30, 75}, CURSOR_DOWN_ARROW, HELD_CLICKS, lower_half),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever) {
    return sampled_lever_icon(&hook_lever, lever->source_var.value.number);
}

HOST_BOOL HOST_CALL upper_half(MOUSE_CLICK*, UINT32) {
    sampled_lever_click(&hook_lever, EVENT_HOOK_TOGGLE, 0);
    return 0;
}

HOST_BOOL HOST_CALL lower_half(MOUSE_CLICK*, UINT32) {
    sampled_lever_click(&hook_lever, EVENT_HOOK_TOGGLE, 1);
    return 0;
}

}  // namespace

GAUGEHDR gauge_Tail_Hook_Lever = gauge_header({
    .name = "Tail_Hook_Lever",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
