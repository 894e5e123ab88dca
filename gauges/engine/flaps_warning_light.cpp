// Flaps Warning Light: an amber lamp that burns brighter the further the
// flaps are set.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Flaps_Warning_Light;

namespace {

FLOAT64 HOST_CALL flap_lamp_value(ELEMENT_ICON* lamp);

FAILURE_RECORD lamp_failures[] = {{21, 3}, {0, 0}};

// Icons 4050 to 4055, ever brighter; 0 and 3 are never selected.
ELEMENT_ICON glow = icon(
    {
        .bitmap_id = 4050,
        .position = {0, 0},
        .image_flags = 0x7,
        .gauge = &gauge_Flaps_Warning_Light,
        .failures = lamp_failures,
    },
    {
        .var = module_var(329),
        .icon_count = 6,
        .callback = flap_lamp_value,
    });

ELEMENT_LIST lamp_children[] = {&glow.header, nullptr};

ELEMENT_STATIC_IMAGE lamp = static_image({
    .bitmap_id = 4040,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Flaps_Warning_Light,
    .children = lamp_children,
});

ELEMENT_LIST elements[] = {&lamp.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_text("Flaps position light", 0, nullptr),
    mouse_end_parent(),
    mouse_end(),
};

// Flap setting, 0 up to 16383 down; dark below 4000 (and when not a number).
FLOAT64 HOST_CALL flap_lamp_value(ELEMENT_ICON* lamp) {
    FLOAT64 setting = lamp->source_var.value.number;
    if (setting >= 16000.0) {
        return 5.0;
    }
    if (setting >= 12000.0) {
        return 4.0;
    }
    if (setting >= 8000.0) {
        return 2.0;
    }
    if (setting >= 4000.0) {
        return 1.0;
    }
    return -1.0;
}

}  // namespace

GAUGEHDR gauge_Flaps_Warning_Light = gauge_header({
    .name = "Flaps_Warning_Light",
    .width_mm = 80,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
