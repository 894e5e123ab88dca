// The picture of a trim wheel: three frames that follow one another as the
// trim changes, one frame per `step` radians, repeating every three steps.
#pragma once

#include <cmath>

#include "frame/host_types.h"

constexpr FLOAT64 TRIM_WHEEL_FRAMES = 3.0;

// fmod(trim + offset, 3 steps) / step: 0 to just under 3, selecting frame
// 0, 1 or 2. The offset keeps the argument positive over the trim's range;
// a trim beyond it still gives a frame (the remainder is brought into
// range), and a trim that is not a number shows frame 0.
inline FLOAT64 trim_wheel_phase(FLOAT64 trim, FLOAT64 offset, FLOAT64 step) {
    const FLOAT64 turn = TRIM_WHEEL_FRAMES * step;
    FLOAT64 phase = std::fmod(trim + offset, turn) / step;
    if (!std::isfinite(phase)) {
        return 0.0;
    }
    if (phase < 0.0) {
        phase += TRIM_WHEEL_FRAMES;
    }
    return phase >= 0.0 && phase < TRIM_WHEEL_FRAMES ? phase : 0.0;
}
