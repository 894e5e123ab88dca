// VOR Indicator Toggle: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_VOR_Indicator_Toggle;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 270,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_VOR_Indicator_Toggle,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_VOR_Indicator_Toggle = gauge_header({
    .name = "VOR_Indicator_Toggle",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
