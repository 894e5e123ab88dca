// CHT Indicator: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_CHT_Indicator;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 1220,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_CHT_Indicator,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_CHT_Indicator = gauge_header({
    .name = "CHT_Indicator",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
