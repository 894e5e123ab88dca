// VOR1 ADF Switch H: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_VOR1_ADF_Switch_H;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 350,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_VOR1_ADF_Switch_H,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_VOR1_ADF_Switch_H = gauge_header({
    .name = "VOR1_ADF_Switch_H",
    .width_mm = 30,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
