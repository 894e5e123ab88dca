#include "gauges/flight/course_indicator.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/host_services.h"
#include "frame/numeric.h"

namespace {

constexpr UINT32 GYRO_HEADING = 84;
constexpr FLOAT64 PARKED = 90.0;
constexpr SINT32 NO_BEARING = 0x80;

}  // namespace

bool receiver_has_signal(FLOAT64 state) {
    SINT32 whole = 0;
    return to_int32_checked(state, whole) && whole > 0;
}

bool station_has_bearing(FLOAT64 flags) {
    SINT32 whole = 0;
    return to_int32_checked(flags, whole) && whole >= 0 && (whole & NO_BEARING) == 0;
}

FLOAT64 course_pointer(const CourseIndicator* indicator) {
    const FLOAT64 heading = host_lookup_number(GYRO_HEADING);
    if (*indicator->power_on == 0) {
        return PARKED;
    }
    const FLOAT64 receiver = host_lookup_number(indicator->receiver_token);
    const FLOAT64 course = host_lookup_number(indicator->course_token);
    // Reduced so that a heading 45 to 135 degrees off the course parks the
    // pointer on either side of north; NaN parks it too.
    const FLOAT64 d = std::remainder(heading - course, 360.0);
    if (!receiver_has_signal(receiver) || !std::isfinite(d)) {
        return PARKED;
    }
    if ((d > -135.0 && d < -45.0) || (d > 45.0 && d < 135.0)) {
        return PARKED;
    }
    return d;
}

FLOAT64 powered_value(const CourseIndicator* indicator, FLOAT64 value) {
    return *indicator->power_on != 0 ? value : 0.0;
}

FLOAT64 signal_flag(const CourseIndicator* indicator, FLOAT64 receiver_state) {
    return *indicator->power_on != 0 && receiver_has_signal(receiver_state) ? 1.0 : 0.0;
}

FLOAT64 marker_lamp(const CourseIndicator* indicator, FLOAT64 marker_state) {
    return *indicator->power_on != 0 && marker_state == 2.0 ? 0.0 : -1.0;
}

FLOAT64 course_digits(ELEMENT_STRING* digits) {
    const FLOAT64 course = digits->source_var[0].value.number;
    if (digits->text == nullptr) {
        return course;
    }
    char text[16] = "---";
    if (std::isfinite(course) && std::fabs(course) < 1e6) {
        std::snprintf(text, sizeof text, "%03.0f", course);
    }
    if (std::strlen(text) > digits->max_chars) {
        std::strcpy(text, "---");
    }
    const std::size_t length = std::strlen(text) <= digits->max_chars ? std::strlen(text) : digits->max_chars;
    std::memcpy(digits->text, text, length);
    digits->text[length] = '\0';
    return course;
}

void course_knob(const CourseIndicator* indicator, UINT32 mouse_flags, bool up) {
    const SINT32 c = wrap_degrees(to_int32_saturated(host_lookup_number(indicator->course_token)));
    SINT32 course = 0;
    if ((mouse_flags & MOUSE_LEFT_SINGLE) != 0) {
        course = up ? (c < 359 ? c + 1 : 0) : (c > 0 ? c - 1 : 359);
    } else if ((mouse_flags & MOUSE_RIGHT_SINGLE) != 0) {
        course = up ? (c <= 349 ? c + 10 : c - 350) : (c >= 10 ? c - 10 : c + 350);
    } else {
        return;
    }
    host_trigger_key_event(indicator->course_set_event, static_cast<UINT32>(course));
}

FLOAT64 course_tooltip_value(const CourseIndicator* indicator) {
    return std::trunc(host_lookup_number(indicator->course_token));
}

const char* course_tooltip_state(const CourseIndicator* indicator) {
    return *indicator->power_on != 0 ? "active" : "off";
}
