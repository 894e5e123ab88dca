// The three gear position lamps (nose, left, right): one design, differing
// only in the gear leg whose position is the icon's own variable.
#pragma once

#include "frame/gauge_records.h"

// Icons of bitmap 2410: 0 barber pole, 1 UP, 2 wheels down.
FLOAT64 HOST_CALL gear_lamp_value(ELEMENT_ICON* lamp);

// A gear lamp's records, one instantiation per gauge; every record is
// constant-initialised. The leg token comes by reference to a constant of
// the gauge's file, so the instantiation stays inside that file.
template <GAUGEHDR* Gauge, const UINT32& LegToken>
struct GearLampRecords {
    static constinit inline FAILURE_RECORD lamp_failures[] = {{20, 3}, {0, 0}};

    static constinit inline ELEMENT_ICON indicator = icon(
        {
            .bitmap_id = 2410,
            .position = {0, 0},
            .image_flags = 0x3,
            .gauge = Gauge,
            .failures = lamp_failures,
        },
        {
            .var = module_var(LegToken),
            .icon_count = 3,
            .callback = gear_lamp_value,
        });

    static constinit inline ELEMENT_LIST lamp_children[] = {&indicator.header, nullptr};

    static constinit inline ELEMENT_STATIC_IMAGE lamp = static_image({
        .bitmap_id = 2410,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = Gauge,
        .children = lamp_children,
    });

    static constinit inline ELEMENT_LIST elements[] = {&lamp.header, nullptr};

    static constinit inline MOUSERECT mouse_rects[] = {
        mouse_whole_gauge(0xAB31),
        mouse_end_parent(),
        mouse_end(),
    };
};
