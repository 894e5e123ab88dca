// Canopy lever: CLSD at the top, OPEN at the bottom. Either half sends the
// canopy toggle and shows the lever there at once; then the lever follows
// the canopy's motion.
#include "frame/gauge_records.h"
#include "gauges/controls/sampled_lever.h"

extern GAUGEHDR gauge_Canopy_Lever;

namespace {

constexpr UINT32 CANOPY = 868;  // 0 closed to 1 open
constexpr UINT32 EVENT_CANOPY_TOGGLE = 0x10355;

constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

SampledLever canopy_lever = SAMPLED_LEVER_AT_LOAD;

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever);
HOST_BOOL HOST_CALL upper_half(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL lower_half(MOUSE_CLICK* click, UINT32 mouse_flags);

// Lever: image 0 at CLSD, 1 at OPEN.
ELEMENT_ICON lever = icon(
    {
        .bitmap_id = 4320,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = &gauge_Canopy_Lever,
    },
    {
        .var = module_var(CANOPY),
        .icon_count = 2,
        .callback = lever_image,
    });

ELEMENT_LIST background_children[] = {&lever.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4310,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Canopy_Lever,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Canopy lever", 0, nullptr),
    mouse_child({0, 0, 76, 149}, CURSOR_UP_ARROW, HELD_CLICKS, upper_half),
    mouse_child({0, 149, 76, 149}, CURSOR_DOWN_ARROW, HELD_CLICKS, lower_half),
    mouse_end_parent(),
    mouse_end(),
};

FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* lever) {
    return sampled_lever_icon(&canopy_lever, lever->source_var.value.number);
}

HOST_BOOL HOST_CALL upper_half(MOUSE_CLICK*, UINT32) {
    sampled_lever_click(&canopy_lever, EVENT_CANOPY_TOGGLE, 0);
    return 0;
}

HOST_BOOL HOST_CALL lower_half(MOUSE_CLICK*, UINT32) {
    sampled_lever_click(&canopy_lever, EVENT_CANOPY_TOGGLE, 1);
    return 0;
}

}  // namespace

GAUGEHDR gauge_Canopy_Lever = gauge_header({
    .name = "Canopy_Lever",
    .width_mm = 40,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
