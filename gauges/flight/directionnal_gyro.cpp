// Directionnal Gyro: gauge records.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Directionnal_Gyro;

namespace {

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2310,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Directionnal_Gyro,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Directionnal_Gyro = gauge_header({
    .name = "Directionnal_Gyro",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
