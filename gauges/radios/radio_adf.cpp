// Radio ADF: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Radio_ADF;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3200,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_ADF,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Radio_ADF = gauge_header({
    .name = "Radio_ADF",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
