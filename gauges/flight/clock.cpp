// Clock: three hands on the simulation's time of day, with a setting mode.
// A right click on the knob freezes the hands, left clicks step the time by a
// minute, and a second right click sends the hours and minutes to the
// simulation.
#include <cmath>

#include "frame/gauge_records.h"
#include "frame/host_services.h"
#include "frame/numeric.h"

extern GAUGEHDR gauge_Clock;

namespace {

constexpr UINT32 TIME_OF_DAY_TOKEN = 557;  // seconds since midnight
constexpr FLOAT64 SECONDS_PER_DAY = 86400.0;
constexpr FLOAT64 STEP_SECONDS = 60.0;
constexpr UINT32 EVENT_CLOCK_HOURS_SET = 0x101FC;
constexpr UINT32 EVENT_CLOCK_MINUTES_SET = 0x101FD;

// Module-wide, not reset at install.
SINT32 clock_setting_mode = 0;
FLOAT64 clock_shown_time = 0.0;  // last time of day seen by any hand
FLOAT64 clock_set_time = 0.0;    // whole seconds in [0, 86400)

FLOAT64 HOST_CALL hands_value(ELEMENT_NEEDLE* hand);
FLOAT64 HOST_CALL lamp_value(ELEMENT_ICON* lamp);
HOST_BOOL HOST_CALL clock_plus(MOUSE_CLICK* click, UINT32 mouse_flags);
HOST_BOOL HOST_CALL clock_minus(MOUSE_CLICK* click, UINT32 mouse_flags);

ELEMENT_STATIC_IMAGE cover = static_image({
    .bitmap_id = 3460,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Clock,
});

// Two-point tables give each hand's rate (half a turn per 30 s, 1,800 s and
// 21,600 s); the host turns the hands on past the last point.
NONLINEARITY minute_table[] = {
    {{151, 100}, 0, 0},
    {{151, 200}, 1800, 0},
};

ELEMENT_LIST minute_children[] = {&cover.header, nullptr};

ELEMENT_NEEDLE minute_hand = needle(
    {
        .bitmap_id = 3440,
        .position = {151, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Clock,
        .children = minute_children,
        .offset = {12, 11},
    },
    {
        .var = module_var(TIME_OF_DAY_TOKEN),
        .calibration = minute_table,
        .calibration_count = count_of(minute_table),
        .callback = hands_value,
    });

NONLINEARITY hour_table[] = {
    {{151, 100}, 0, 0},
    {{151, 200}, 21600, 0},
};

ELEMENT_LIST hour_children[] = {&minute_hand.header, nullptr};

ELEMENT_NEEDLE hour_hand = needle(
    {
        .bitmap_id = 3450,
        .position = {151, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Clock,
        .children = hour_children,
        .offset = {12, 11},
    },
    {
        .var = module_var(TIME_OF_DAY_TOKEN),
        .calibration = hour_table,
        .calibration_count = count_of(hour_table),
        .callback = hands_value,
    });

NONLINEARITY seconds_table[] = {
    {{151, 100}, 0, 0},
    {{151, 200}, 30, 0},
};

ELEMENT_LIST seconds_children[] = {&hour_hand.header, nullptr};

ELEMENT_NEEDLE seconds_hand = needle(
    {
        .bitmap_id = 3430,
        .position = {151, 150},
        .image_flags = 0x4083,
        .gauge = &gauge_Clock,
        .children = seconds_children,
        .offset = {53, 7},
    },
    {
        .var = module_var(TIME_OF_DAY_TOKEN),
        .calibration = seconds_table,
        .calibration_count = count_of(seconds_table),
        .callback = hands_value,
    });

ELEMENT_LIST lamp_children[] = {&seconds_hand.header, nullptr};

// Setting lamp: image 0 dark, image 1 lit.
ELEMENT_ICON setting_lamp = icon(
    {
        .bitmap_id = 3470,
        .position = {147, 188},
        .image_flags = 0x4003,
        .gauge = &gauge_Clock,
        .children = lamp_children,
    },
    {
        .icon_count = 2,
        .callback = lamp_value,
    });

ELEMENT_LIST background_children[] = {&setting_lamp.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3420,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_Clock,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

constexpr UINT32 KNOB_CLICKS = MOUSE_RIGHT_SINGLE | MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

// The two tooltip areas close right after their tooltips; the knob halves
// are children of the whole gauge.
MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 300, 242}, CURSOR_NONE, 0),
    mouse_tooltip_id(0x3018),
    mouse_end_parent(),
    mouse_parent({29, 242, 58, 58}, CURSOR_NONE, 0),
    mouse_tooltip_text("Right click to enter setting mode, left click to set time, right click to exit", 0,
                       nullptr),
    mouse_end_parent(),
    mouse_child({29, 242, 29, 58}, CURSOR_UP_ARROW, KNOB_CLICKS, clock_plus),
    mouse_child({0, 242, 29, 58}, CURSOR_DOWN_ARROW, KNOB_CLICKS, clock_minus),
    mouse_end_parent(),
    mouse_end(),
};

// Whole seconds in [0, 86400); NaN and infinities count as midnight.
FLOAT64 time_of_day(FLOAT64 seconds) {
    if (!std::isfinite(seconds)) {
        return 0.0;
    }
    FLOAT64 t = std::fmod(seconds, SECONDS_PER_DAY);
    if (t < 0.0) {
        t += SECONDS_PER_DAY;
    }
    t = std::floor(t);
    return t < SECONDS_PER_DAY ? t : 0.0;
}

// Hours first, then minutes; the simulation keeps its own seconds.
void send_time(FLOAT64 seconds) {
    SINT32 whole = 0;
    to_int32_checked(time_of_day(seconds), whole);
    host_trigger_key_event(EVENT_CLOCK_HOURS_SET, static_cast<UINT32>(whole / 3600));
    host_trigger_key_event(EVENT_CLOCK_MINUTES_SET, static_cast<UINT32>(whole % 3600 / 60));
}

FLOAT64 HOST_CALL hands_value(ELEMENT_NEEDLE* hand) {
    clock_shown_time = hand->source_var.value.number;
    return clock_setting_mode != 0 ? clock_set_time : clock_shown_time;
}

FLOAT64 HOST_CALL lamp_value(ELEMENT_ICON*) {
    return clock_setting_mode != 0 ? 1.0 : 0.0;
}

// Right click enters or leaves setting mode; in setting mode a left click
// moves the set time by `step` seconds around the day.
void knob_click(UINT32 mouse_flags, FLOAT64 step) {
    if (clock_setting_mode != 0) {
        if ((mouse_flags & MOUSE_RIGHT_SINGLE) != 0) {
            clock_setting_mode = 0;
            send_time(clock_set_time);
        } else if ((mouse_flags & MOUSE_LEFT_SINGLE) != 0) {
            clock_set_time = time_of_day(clock_set_time + step);
        }
    } else if ((mouse_flags & MOUSE_RIGHT_SINGLE) != 0) {
        clock_setting_mode = 1;
        clock_set_time = time_of_day(clock_shown_time);
    }
}

HOST_BOOL HOST_CALL clock_plus(MOUSE_CLICK*, UINT32 mouse_flags) {
    knob_click(mouse_flags, STEP_SECONDS);
    return 0;
}

HOST_BOOL HOST_CALL clock_minus(MOUSE_CLICK*, UINT32 mouse_flags) {
    knob_click(mouse_flags, -STEP_SECONDS);
    return 0;
}

}  // namespace

GAUGEHDR gauge_Clock = gauge_header({
    .name = "Clock",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
