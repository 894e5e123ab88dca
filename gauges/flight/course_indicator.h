// What the course indicators and the RMI read from the navigation receivers,
// and the course indicators' shared callbacks. VOR1_Indicator and
// VOR2_Indicator differ only in their receiver's power state, tokens and
// knob event.
#pragma once

#include "frame/gauge_records.h"

// A receiver state read as an integer: true only for a whole value above 0;
// NaN, negative and huge values mean no usable signal.
bool receiver_has_signal(FLOAT64 state);
// Station flags read as an integer: false with bit 0x80 (no bearing), and
// for NaN, negative or huge values.
bool station_has_bearing(FLOAT64 flags);

struct CourseIndicator {
    const SINT32* power_on;   // the NAV head's main switch
    UINT32 receiver_token;    // receiver state
    UINT32 course_token;      // selected course (OBS), degrees
    UINT32 course_set_event;  // the knob sends the new course with it
};

// Course pointer: heading less the selected course, within 45 degrees of up
// or of down; parked across to the right (90) otherwise, without power or
// without a signal.
FLOAT64 course_pointer(const CourseIndicator* indicator);
// The element's value while the head is on, 0 (centred, flag in view) off.
FLOAT64 powered_value(const CourseIndicator* indicator, FLOAT64 value);
// NAV flag image: 1 (out of view) with power and a signal, else 0 (OFF).
FLOAT64 signal_flag(const CourseIndicator* indicator, FLOAT64 receiver_state);
// Marker lamp: shown (0) only with power at marker state 2, else hidden.
FLOAT64 marker_lamp(const CourseIndicator* indicator, FLOAT64 marker_state);
// The selected course as three digits ("%03.0f"); "---" for a course that
// is not a number or needs more than the element's characters.
FLOAT64 course_digits(ELEMENT_STRING* digits);
// Knob halves: left click steps 1 degree, right click 10, through 0/359,
// from the course truncated and reduced into 0..359 (NaN as 0).
void course_knob(const CourseIndicator* indicator, UINT32 mouse_flags, bool up);
// Tooltip arguments: the course truncated toward zero; "active" or "off".
FLOAT64 course_tooltip_value(const CourseIndicator* indicator);
const char* course_tooltip_state(const CourseIndicator* indicator);
