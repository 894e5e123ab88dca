// A two-position lever that works a slow part (canopy, tail hook) through
// one toggle event: a click puts the lever picture at once in the clicked
// position; after that the picture follows the direction in which the part
// is seen to move, sampled every ninth update.
#pragma once

#include "frame/gauge_records.h"

constexpr SINT32 LEVER_SAMPLE_INTERVAL = 9;

// One per gauge, in module-wide storage.
struct SampledLever {
    SINT32 icon;        // 0 closed / up, 1 open / down
    SINT32 countdown;   // calls until the next sample
    FLOAT64 sampled;    // the part's position at the last sample
    FLOAT64 trend;      // -1.0, 0.0 or +1.0
};

constexpr SampledLever SAMPLED_LEVER_AT_LOAD = {
    .icon = 0,
    .countdown = LEVER_SAMPLE_INTERVAL,
    .sampled = 0.0,
    .trend = 0.0,
};

// The lever's icon after one call with the part at `position`.
FLOAT64 sampled_lever_icon(SampledLever* lever, FLOAT64 position);

// A click on one half: the toggle event with value 0, then the lever drawn
// in that half's position (0 upper, 1 lower).
void sampled_lever_click(SampledLever* lever, UINT32 toggle_event, SINT32 icon);

// What sets one sampled-lever gauge apart from the other.
struct SampledLeverGauge {
    UINT32 part_token;    // the part, 0 closed / up to 1 open / down
    UINT32 toggle_event;  // sent with value 0 by a click on either half
    UINT32 plate_bitmap;
    UINT32 lever_bitmap;  // image 0 upper position, 1 lower
    const char* tooltip;
    PIXBOX upper_half;
    PIXBOX lower_half;
};

// A sampled-lever gauge's records and callbacks, one instantiation per
// gauge: the lever over its plate, drawn from the gauge's own SampledLever,
// and the two halves of the click area, repeating while held. Every record
// is constant-initialised.
template <GAUGEHDR* Gauge, const SampledLeverGauge& Lever>
struct SampledLeverRecords {
    static constexpr UINT32 HELD_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

    static FLOAT64 HOST_CALL lever_image(ELEMENT_ICON* element) {
        return sampled_lever_icon(&state, element->source_var.value.number);
    }

    static HOST_BOOL HOST_CALL click_upper_half(MOUSE_CLICK*, UINT32) {
        sampled_lever_click(&state, Lever.toggle_event, 0);
        return 0;
    }

    static HOST_BOOL HOST_CALL click_lower_half(MOUSE_CLICK*, UINT32) {
        sampled_lever_click(&state, Lever.toggle_event, 1);
        return 0;
    }

    static constinit inline SampledLever state = SAMPLED_LEVER_AT_LOAD;

    static constinit inline ELEMENT_ICON lever = icon(
        {
            .bitmap_id = Lever.lever_bitmap,
            .position = {0, 0},
            .image_flags = 0x3,
            .gauge = Gauge,
        },
        {
            .var = module_var(Lever.part_token),
            .icon_count = 2,
            .callback = lever_image,
        });

    static constinit inline ELEMENT_LIST background_children[] = {&lever.header, nullptr};

    static constinit inline ELEMENT_STATIC_IMAGE background = static_image({
        .bitmap_id = Lever.plate_bitmap,
        .position = {0, 0},
        .image_flags = 0x3,
        .gauge = Gauge,
        .children = background_children,
    });

    static constinit inline ELEMENT_LIST elements[] = {&background.header, nullptr};

    static constinit inline MOUSERECT mouse_rects[] = {
        mouse_whole_gauge(0),
        mouse_tooltip_text(Lever.tooltip, 0, nullptr),
        mouse_child(Lever.upper_half, CURSOR_UP_ARROW, HELD_CLICKS, click_upper_half),
        mouse_child(Lever.lower_half, CURSOR_DOWN_ARROW, HELD_CLICKS, click_lower_half),
        mouse_end_parent(),
        mouse_end(),
    };
};
