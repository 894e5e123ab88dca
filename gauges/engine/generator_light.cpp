// Generator Light: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Generator_Light;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 4330,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Generator_Light,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Generator_Light = gauge_header({
    .name = "Generator_Light",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
