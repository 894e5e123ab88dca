// Ammeter: load on the dial's -10 to +10 scale.
#include "frame/gauge_records.h"

extern GAUGEHDR gauge_Ammeter;

namespace {

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 420,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Ammeter,
});

ELEMENT_LIST needle_children[] = {&cover.header, nullptr};

FAILURE_RECORD needle_failures[] = {{2, 0}, {0, 0}};

// Not symmetric: below -10 the needle goes on down to -15, above +10 it
// stays at the +10 mark.
NONLINEARITY ammeter_table[] = {
    {{41, 80}, -15.0, 0},
    {{41, 50}, -10.0, 0},
    {{76, 39}, 0.0, 0},
    {{111, 50}, 10.0, 0},
    {{111, 50}, 15.0, 0},
};

ELEMENT_NEEDLE ammeter_needle = needle(
    {
        .bitmap_id = 410,
        .position = {76, 92},
        .image_flags = 0x4083,
        .gauge = &gauge_Ammeter,
        .children = needle_children,
        .failures = needle_failures,
        .offset = {0, 4},
    },
    {
        .var = module_var(751),
        .calibration = ammeter_table,
        .calibration_count = count_of(ammeter_table),
    });

ELEMENT_LIST face_children[] = {&ammeter_needle.header, nullptr};

ELEMENT_STATIC_IMAGE face = static_image({
    .bitmap_id = 400,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Ammeter,
    .children = face_children,
});

ELEMENT_LIST elements[] = {&face.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_tooltip_id(0x3140),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_Ammeter = gauge_header({
    .name = "Ammeter",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
