// Registration: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Registration;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 40,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Registration,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Registration = gauge_header({
    .name = "Registration",
    .width_mm = 150,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
