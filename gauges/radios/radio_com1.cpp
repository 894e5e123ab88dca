// Radio COM1: communication head showing 1xx.xx MHz on a fixed 1 and four
// digit wheels, whole-MHz and hundredths knobs, tuning areas, main switch and
// lamp. The mechanics are the radio heads' (radio_head.h).
#include <cmath>

#include "gauges/radios/radio_head.h"

extern GAUGEHDR gauge_Radio_COM1;

namespace {

FrequencyHead com1 = {
    .power_on = &com1_power_on,
    .token = 23,
    .read_whole_mhz = com_whole_mhz,
    .lowest_mhz = 118.0,
    .highest_mhz = 135.0,
    .mhz_down_event = 0x10064,
    .mhz_up_event = 0x10065,
    .fraction_down_event = 0x10066,
    .fraction_up_event = 0x10067,
    .wave_id = WAVE_RADIO_CLICK,
};

FLOAT64 HOST_CALL hundredths_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_hundredths_wheel(&com1, e); }
FLOAT64 HOST_CALL tenths_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_tenths_wheel(&com1, e); }
FLOAT64 HOST_CALL units_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_units_wheel(&com1, e); }
FLOAT64 HOST_CALL tens_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_tens_wheel(&com1, e); }
FLOAT64 HOST_CALL fixed_one(ELEMENT_ICON* e) { return radio_fixed_icon(e, com1_power_on); }
FLOAT64 HOST_CALL hundredths_knob(ELEMENT_NEEDLE*) { return com1.hundredths; }
FLOAT64 HOST_CALL mhz_knob(ELEMENT_NEEDLE*) { return com1.whole_mhz; }
FLOAT64 HOST_CALL main_switch(ELEMENT_ICON*) { return radio_switch_image(com1_power_on); }
FLOAT64 HOST_CALL lamp(ELEMENT_ICON*) { return radio_lamp_image(com1_power_on); }

FAILURE_RECORD avionics_failures[] = {{21, 3}, {0, 0}};

constexpr MovingImageFields digit_wheel(FLOAT64 last_cell, MOVING_IMAGE_CALLBACK callback) {
    return {.max_y = last_cell, .callback_y = callback};
}

ELEMENT_ICON lamp_icon = icon(
    {.bitmap_id = 3170, .position = {71, 128}, .image_flags = 0x7, .gauge = &gauge_Radio_COM1,
     .failures = avionics_failures},
    {.icon_count = 1, .callback = lamp});
ELEMENT_LIST switch_children[] = {&lamp_icon.header, nullptr};

ELEMENT_ICON switch_icon = icon(
    {.bitmap_id = 3160, .position = {0, 88}, .image_flags = 0x3, .gauge = &gauge_Radio_COM1,
     .children = switch_children},
    {.icon_count = 2, .callback = main_switch});
ELEMENT_LIST mhz_knob_children[] = {&switch_icon.header, nullptr};

NONLINEARITY mhz_knob_table[] = {{{35, 66}, 118.0, 0}, {{35, 166}, 122.0, 0}};
ELEMENT_NEEDLE mhz_knob_needle = needle(
    {.bitmap_id = 3100, .position = {35, 116}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = mhz_knob_children, .offset = {25, 25}},
    {.calibration = mhz_knob_table, .calibration_count = count_of(mhz_knob_table), .callback = mhz_knob});
ELEMENT_LIST hundredths_knob_children[] = {&mhz_knob_needle.header, nullptr};

NONLINEARITY hundredths_knob_table[] = {{{35, 66}, 0.0, 0}, {{35, 166}, 50.0, 0}};
ELEMENT_NEEDLE hundredths_knob_needle = needle(
    {.bitmap_id = 3110, .position = {125, 116}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = hundredths_knob_children, .offset = {25, 25}},
    {.calibration = hundredths_knob_table, .calibration_count = count_of(hundredths_knob_table),
     .callback = hundredths_knob});
ELEMENT_LIST fixed_one_children[] = {&hundredths_knob_needle.header, nullptr};

ELEMENT_ICON fixed_one_icon = icon(
    {.bitmap_id = 3140, .position = {39, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = fixed_one_children, .failures = avionics_failures},
    {.scale = 0.0, .icon_count = 1, .callback = fixed_one});
ELEMENT_LIST tens_children[] = {&fixed_one_icon.header, nullptr};

ELEMENT_MOVING_IMAGE tens = moving_image(
    {.bitmap_id = 3130, .position = {52, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = tens_children, .failures = avionics_failures},
    digit_wheel(3.0, tens_wheel));
ELEMENT_LIST units_children[] = {&tens.header, nullptr};

ELEMENT_MOVING_IMAGE units = moving_image(
    {.bitmap_id = 3120, .position = {65, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = units_children, .failures = avionics_failures},
    digit_wheel(10.0, units_wheel));
ELEMENT_LIST tenths_children[] = {&units.header, nullptr};

ELEMENT_MOVING_IMAGE tenths = moving_image(
    {.bitmap_id = 3120, .position = {78, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = tenths_children, .failures = avionics_failures},
    digit_wheel(10.0, tenths_wheel));
ELEMENT_LIST hundredths_children[] = {&tenths.header, nullptr};

ELEMENT_MOVING_IMAGE hundredths = moving_image(
    {.bitmap_id = 3150, .position = {91, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_COM1,
     .children = hundredths_children, .failures = avionics_failures},
    digit_wheel(10.0, hundredths_wheel));
ELEMENT_LIST background_children[] = {&hundredths.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3180,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_COM1,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

HOST_BOOL HOST_CALL mhz_up(MOUSE_CLICK*, UINT32) {
    frequency_head_mhz_up(&com1);
    return 0;
}

HOST_BOOL HOST_CALL mhz_down(MOUSE_CLICK*, UINT32) {
    frequency_head_mhz_down(&com1);
    return 0;
}

HOST_BOOL HOST_CALL hundredths_up(MOUSE_CLICK*, UINT32) {
    frequency_head_fraction_up(&com1);
    return 0;
}

HOST_BOOL HOST_CALL hundredths_down(MOUSE_CLICK*, UINT32) {
    frequency_head_fraction_down(&com1);
    return 0;
}

HOST_BOOL HOST_CALL switch_off(MOUSE_CLICK*, UINT32) {
    radio_switch_off(&com1_power_on, &com1.click);
    return 0;
}

HOST_BOOL HOST_CALL switch_on(MOUSE_CLICK*, UINT32) {
    radio_switch_on(&com1_power_on, &com1.click);
    return 0;
}

// From the cache; a last digit of 2 or 7 stands for 25 kHz spacing (118.025).
FLOAT64 HOST_CALL tooltip_frequency(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    FLOAT64 f = com1.whole_mhz + com1.hundredths / 100.0;
    const FLOAT64 d = com1.hundredths - 10.0 * std::floor(com1.hundredths / 10.0);
    if (d == 2.0 || d == 7.0) {
        f += 0.005;
    }
    return f;
}

const char* HOST_CALL tooltip_power(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return radio_on_off(com1_power_on);
}

MOUSE_ARG tooltip_args[] = {mouse_number_arg(tooltip_frequency), mouse_text_arg(tooltip_power)};

constexpr const char FREQUENCY_TEXT[] = "Communications Radio COM1 - %1!07.3f! MHz";
constexpr UINT32 TUNING = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 153, 76}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({43, 76, 110, 15}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({0, 91, 153, 64}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({0, 76, 43, 15}, CURSOR_NONE, 0),
    mouse_tooltip_text("COM1 main switch (%2!s!)", 2, tooltip_args),
    mouse_end_parent(),
    mouse_child({52, 31, 26, 20}, CURSOR_UP_ARROW, TUNING, mhz_up),
    mouse_child({52, 52, 26, 20}, CURSOR_DOWN_ARROW, TUNING, mhz_down),
    mouse_child({78, 31, 26, 20}, CURSOR_UP_ARROW, TUNING, hundredths_up),
    mouse_child({78, 52, 26, 20}, CURSOR_DOWN_ARROW, TUNING, hundredths_down),
    mouse_child({10, 91, 25, 50}, CURSOR_DOWN_ARROW, TUNING, mhz_down),
    mouse_child({35, 91, 25, 50}, CURSOR_UP_ARROW, TUNING, mhz_up),
    mouse_child({100, 91, 25, 50}, CURSOR_DOWN_ARROW, TUNING, hundredths_down),
    mouse_child({125, 91, 25, 50}, CURSOR_UP_ARROW, TUNING, hundredths_up),
    mouse_child({0, 77, 23, 14}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_off),
    mouse_child({23, 77, 23, 14}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_on),
    mouse_end_parent(),
    mouse_end(),
};

void HOST_CALL com1_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    frequency_head_service(&com1, service_id, extra);
}

}  // namespace

GAUGEHDR gauge_Radio_COM1 = gauge_header({
    .name = "Radio_COM1",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = com1_callback,
});
