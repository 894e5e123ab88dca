// Close Subpanel: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Close_Subpanel;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 160,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Close_Subpanel,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Close_Subpanel = gauge_header({
    .name = "Close_Subpanel",
    .width_mm = 19,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
