// VOR2 Indicator: the course indicator of the NAV2 receiver, twin of
// VOR2_Indicator without the marker lamp. Its deviation needles show their
// variables whether the NAV2 head is on or off; the course pointer and the
// NAV flag rest while it is off.
#include "gauges/flight/course_indicator.h"
#include "gauges/radios/radio_states.h"

extern GAUGEHDR gauge_VOR2_Indicator;

namespace {

constexpr UINT32 COURSE_DEVIATION = 50;
constexpr UINT32 GLIDE_SLOPE = 882;
constexpr UINT32 RECEIVER_STATE = 52;
constexpr UINT32 GLIDE_SLOPE_VALID = 53;
constexpr UINT32 SELECTED_COURSE = 54;

const CourseIndicator nav2 = {
    .power_on = &nav2_power_on,
    .receiver_token = RECEIVER_STATE,
    .course_token = SELECTED_COURSE,
    .course_set_event = 0x100b5,
};

FLOAT64 HOST_CALL pointer_value(ELEMENT_NEEDLE*) { return course_pointer(&nav2); }
FLOAT64 HOST_CALL flag_value(ELEMENT_ICON* e) { return powered_value(&nav2, e->source_var.value.number); }
FLOAT64 HOST_CALL nav_flag_value(ELEMENT_ICON* e) { return signal_flag(&nav2, e->source_var.value.number); }
FLOAT64 HOST_CALL digits_value(ELEMENT_STRING* e) { return course_digits(e); }

FAILURE_RECORD nav_failures[] = {{15, 2}, {0, 0}};
FAILURE_RECORD avionics_failures[] = {{21, 3}, {0, 0}};
FAILURE_RECORD background_failures[] = {{15, 0}, {0, 0}};

// Half a turn of the knob for every 30 degrees of course.
NONLINEARITY knob_table[] = {{{40, 261}, 0.0, 0}, {{40, 301}, 30.0, 0}};
ELEMENT_NEEDLE knob = needle(
    {.bitmap_id = 3410, .position = {40, 281}, .image_flags = 0x83, .gauge = &gauge_VOR2_Indicator,
     .offset = {37, 37}},
    {.var = module_var(SELECTED_COURSE), .calibration = knob_table, .calibration_count = count_of(knob_table)});
ELEMENT_LIST cover_children[] = {&knob.header, nullptr};

ELEMENT_STATIC_IMAGE cover = static_image(
    {.bitmap_id = 3320, .position = {0, 0}, .image_flags = 0x3, .gauge = &gauge_VOR2_Indicator,
     .children = cover_children});
ELEMENT_LIST digits_children[] = {&cover.header, nullptr};

ELEMENT_STRING digits = string_element(
    {.bitmap_id = NO_BITMAP, .position = {130, 43}, .image_flags = 0x7, .gauge = &gauge_VOR2_Indicator,
     .children = digits_children, .failures = avionics_failures},
    {.vars = {module_var(SELECTED_COURSE), module_var(SELECTED_COURSE), NO_VAR},
     .box_width = 66,
     .box_height = 26,
     .text_color = 0xFFFFFF,
     .background_color = 0x000000,
     .highlight_color = 0xFFFFFF,
     .font_face = "Arial",
     .font_weight = 700,
     .char_set = 1,
     .draw_text_flags = 0x25,
     .max_chars = 3,
     .callback = digits_value});
ELEMENT_LIST nav_flag_children[] = {&digits.header, nullptr};

// Image 0 shows OFF, image 1 is the flag out of view.
ELEMENT_ICON nav_flag = icon(
    {.bitmap_id = 3370, .position = {134, 232}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = nav_flag_children, .failures = nav_failures},
    {.var = module_var(RECEIVER_STATE), .icon_count = 2, .callback = nav_flag_value});
ELEMENT_LIST glide_slope_flag_children[] = {&nav_flag.header, nullptr};

ELEMENT_ICON glide_slope_flag = icon(
    {.bitmap_id = 3350, .position = {75, 148}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = glide_slope_flag_children, .failures = nav_failures},
    {.var = module_var(GLIDE_SLOPE_VALID), .icon_count = 2, .callback = flag_value});
ELEMENT_LIST mask_children[] = {&glide_slope_flag.header, nullptr};

ELEMENT_STATIC_IMAGE mask = static_image(
    {.bitmap_id = 3340, .position = {0, 0}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = mask_children});
ELEMENT_LIST deviation_children[] = {&mask.header, nullptr};

// Hangs from a pivot above the bitmap, swinging like a pendulum.
NONLINEARITY deviation_table[] = {{{221, 168}, 127.0, 0}, {{98, 168}, -127.0, 0}};
ELEMENT_NEEDLE deviation = needle(
    {.bitmap_id = 3330, .position = {158, 93}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = deviation_children, .failures = nav_failures, .offset = {-7, 2}},
    {.var = module_var(COURSE_DEVIATION), .calibration = deviation_table,
     .calibration_count = count_of(deviation_table)});
ELEMENT_LIST glide_slope_children[] = {&deviation.header, nullptr};

NONLINEARITY glide_slope_table[] = {{{160, 107}, -119.0, 0}, {{160, 230}, 119.0, 0}};
ELEMENT_NEEDLE glide_slope = needle(
    {.bitmap_id = 3390, .position = {77, 168}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = glide_slope_children, .failures = nav_failures, .offset = {0, 2}},
    {.var = module_var(GLIDE_SLOPE), .calibration = glide_slope_table,
     .calibration_count = count_of(glide_slope_table)});
ELEMENT_LIST pointer_children[] = {&glide_slope.header, nullptr};

// 0 up, 180 down, parked at 90 across to the right.
NONLINEARITY pointer_table[] = {{{159, 88}, 0.0, 0}, {{159, 248}, 180.0, 0}};
ELEMENT_NEEDLE pointer = needle(
    {.bitmap_id = 3380, .position = {159, 168}, .image_flags = 0x4083, .gauge = &gauge_VOR2_Indicator,
     .children = pointer_children, .failures = nav_failures, .offset = {39, 12}},
    {.calibration = pointer_table, .calibration_count = count_of(pointer_table), .callback = pointer_value});
ELEMENT_LIST background_children[] = {&pointer.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3400,
    .position = {0, 0},
    .image_flags = 0x4003,
    .gauge = &gauge_VOR2_Indicator,
    .children = background_children,
    .failures = background_failures,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

HOST_BOOL HOST_CALL knob_down(MOUSE_CLICK*, UINT32 mouse_flags) {
    course_knob(&nav2, mouse_flags, false);
    return 0;
}

HOST_BOOL HOST_CALL knob_up(MOUSE_CLICK*, UINT32 mouse_flags) {
    course_knob(&nav2, mouse_flags, true);
    return 0;
}

FLOAT64 HOST_CALL tooltip_course(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return course_tooltip_value(&nav2);
}

const char* HOST_CALL tooltip_state(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return course_tooltip_state(&nav2);
}

MOUSE_ARG tooltip_args[] = {mouse_number_arg(tooltip_course), mouse_text_arg(tooltip_state)};

constexpr UINT32 KNOB_CLICKS = MOUSE_RIGHT_SINGLE | MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 320, 244}, CURSOR_NONE, 0),
    mouse_tooltip_text("VOR 2 Indicator (%2!s!)", 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({3, 244, 74, 74}, CURSOR_NONE, 0),
    mouse_tooltip_text("Selected VOR 2 course (%1!d!"
                       "\xB0"
                       ")",
                       2, tooltip_args),
    mouse_end_parent(),
    mouse_child({3, 244, 37, 74}, CURSOR_DOWN_ARROW, KNOB_CLICKS, knob_down),
    mouse_child({40, 244, 37, 74}, CURSOR_UP_ARROW, KNOB_CLICKS, knob_up),
    mouse_end_parent(),
    mouse_end(),
};

}  // namespace

GAUGEHDR gauge_VOR2_Indicator = gauge_header({
    .name = "VOR2_Indicator",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
