// Bendix DME: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Bendix_DME;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2370,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Bendix_DME,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA704),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Bendix_DME = gauge_header({
    .name = "Bendix_DME",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
