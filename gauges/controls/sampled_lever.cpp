#include "gauges/controls/sampled_lever.h"

#include "frame/host_services.h"

namespace {

constexpr FLOAT64 NEAR_OPEN = 0.95;
constexpr FLOAT64 NEAR_CLOSED = 0.05;

}  // namespace

// A position that is not a number is no sample: the last one stays.
FLOAT64 sampled_lever_icon(SampledLever* lever, FLOAT64 position) {
    if (lever->countdown > 0) {
        --lever->countdown;
    }
    if (lever->countdown == 0) {
        lever->countdown = LEVER_SAMPLE_INTERVAL;
        if (position == lever->sampled) {
            lever->trend = 0.0;
        } else if (position > lever->sampled) {
            lever->icon = 1;
            lever->trend = 1.0;
            lever->sampled = position;
        } else if (position < lever->sampled) {
            lever->icon = 0;
            lever->trend = -1.0;
            lever->sampled = position;
        }
    }
    if (lever->sampled >= NEAR_OPEN && lever->trend > 0.0) {
        lever->icon = 1;
    }
    if (lever->sampled <= NEAR_CLOSED && lever->trend < 0.0) {
        lever->icon = 0;
    }
    return static_cast<FLOAT64>(lever->icon);
}

void sampled_lever_click(SampledLever* lever, UINT32 toggle_event, SINT32 icon) {
    host_trigger_key_event(toggle_event, 0);
    lever->icon = icon;
}
