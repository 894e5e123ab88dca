// Flaps Warning Light: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Flaps_Warning_Light;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4040,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Flaps_Warning_Light,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Flaps_Warning_Light = gauge_header({
    .name = "Flaps_Warning_Light",
    .width_mm = 80,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
