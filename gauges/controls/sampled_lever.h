// A two-position lever that works a slow part (canopy, tail hook) through
// one toggle event: a click puts the lever picture at once in the clicked
// position; after that the picture follows the direction in which the part
// is seen to move, sampled every ninth update.
#pragma once

#include "frame/host_types.h"

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
