// VOR1 ADF Switch V: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_VOR1_ADF_Switch_V;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 330,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_VOR1_ADF_Switch_V,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_VOR1_ADF_Switch_V = gauge_header({
    .name = "VOR1_ADF_Switch_V",
    .width_mm = 20,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
