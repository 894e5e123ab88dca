// VOR1 Indicator: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_VOR1_Indicator;

namespace {

FAILURE_RECORD background_failures[] = {{14, 0}, {0, 0}};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3400,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_VOR1_Indicator,
    .failures = background_failures,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_VOR1_Indicator = gauge_header({
    .name = "VOR1_Indicator",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
