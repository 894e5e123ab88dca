// Conversions of simulation doubles to integers with defined results for every
// input: NaN, infinities and out-of-range values never reach a plain cast.
#pragma once

#include "frame/host_types.h"

// Truncates toward zero; false (and `out` untouched) for NaN, infinities and
// values outside the signed 32-bit range.
constexpr bool to_int32_checked(FLOAT64 value, SINT32& out) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) {
        return false;
    }
    out = static_cast<SINT32>(value);
    return true;
}

// Truncates toward zero, saturating at the signed 32-bit limits; NaN gives 0.
constexpr SINT32 to_int32_saturated(FLOAT64 value) {
    if (value != value) {
        return 0;
    }
    if (value <= -2147483648.0) {
        return -2147483647 - 1;
    }
    if (value >= 2147483647.0) {
        return 2147483647;
    }
    return static_cast<SINT32>(value);
}

// Non-negative whole value below `limit`, or -1 when the value is NaN,
// infinite, negative or not below the limit.
constexpr SINT32 to_index(FLOAT64 value, SINT32 limit) {
    SINT32 whole = 0;
    if (!(value >= 0.0) || !to_int32_checked(value, whole) || whole >= limit) {
        return -1;
    }
    return whole;
}

// Reduces an angle in whole degrees into 0..359.
constexpr SINT32 wrap_degrees(SINT32 degrees) {
    SINT32 r = degrees % 360;
    return r < 0 ? r + 360 : r;
}
