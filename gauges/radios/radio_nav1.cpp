// Radio NAV1: navigation head showing 1xx.xx MHz on a fixed 1 and four
// digit wheels, whole-MHz and hundredths knobs, tuning areas, main switch and
// lamp. The mechanics are the radio heads' (radio_head.h).
#include "frame/host_services.h"
#include "gauges/radios/radio_head.h"

extern GAUGEHDR gauge_Radio_NAV1;

namespace {

constexpr UINT32 STARTUP_EVENT = 0x10128;

FrequencyHead nav1 = {
    .power_on = &nav1_power_on,
    .token = 24,
    .read_whole_mhz = nav_whole_mhz,
    .lowest_mhz = 108.0,
    .highest_mhz = 117.0,
    .mhz_down_event = 0x10068,
    .mhz_up_event = 0x10069,
    .fraction_down_event = 0x1006A,
    .fraction_up_event = 0x1006B,
    .wave_id = WAVE_RADIO_CLICK,
};

FLOAT64 HOST_CALL hundredths_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_hundredths_wheel(&nav1, e); }
FLOAT64 HOST_CALL tenths_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_tenths_wheel(&nav1, e); }
FLOAT64 HOST_CALL units_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_units_wheel(&nav1, e); }
FLOAT64 HOST_CALL tens_wheel(ELEMENT_MOVING_IMAGE* e) { return frequency_head_tens_wheel(&nav1, e); }
FLOAT64 HOST_CALL fixed_one(ELEMENT_ICON* e) { return radio_fixed_icon(e, nav1_power_on); }
FLOAT64 HOST_CALL hundredths_knob(ELEMENT_NEEDLE*) { return nav1.hundredths; }
FLOAT64 HOST_CALL mhz_knob(ELEMENT_NEEDLE*) { return nav1.whole_mhz; }
FLOAT64 HOST_CALL main_switch(ELEMENT_ICON*) { return radio_switch_image(nav1_power_on); }
FLOAT64 HOST_CALL lamp(ELEMENT_ICON*) { return radio_lamp_image(nav1_power_on); }

FAILURE_RECORD avionics_failures[] = {{21, 3}, {0, 0}};

constexpr MovingImageFields digit_wheel(FLOAT64 last_cell, MOVING_IMAGE_CALLBACK callback) {
    return {.max_y = last_cell, .callback_y = callback};
}

ELEMENT_ICON lamp_icon = icon(
    {.bitmap_id = 3070, .position = {71, 128}, .image_flags = 0x7, .gauge = &gauge_Radio_NAV1,
     .failures = avionics_failures},
    {.icon_count = 1, .callback = lamp});
ELEMENT_LIST switch_children[] = {&lamp_icon.header, nullptr};

ELEMENT_ICON switch_icon = icon(
    {.bitmap_id = 3060, .position = {0, 89}, .image_flags = 0x3, .gauge = &gauge_Radio_NAV1,
     .children = switch_children},
    {.icon_count = 2, .callback = main_switch});
ELEMENT_LIST mhz_knob_children[] = {&switch_icon.header, nullptr};

NONLINEARITY mhz_knob_table[] = {{{35, 66}, 108.0, 0}, {{35, 166}, 112.0, 0}};
ELEMENT_NEEDLE mhz_knob_needle = needle(
    {.bitmap_id = 3010, .position = {35, 116}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = mhz_knob_children, .offset = {25, 25}},
    {.calibration = mhz_knob_table, .calibration_count = count_of(mhz_knob_table), .callback = mhz_knob});
ELEMENT_LIST hundredths_knob_children[] = {&mhz_knob_needle.header, nullptr};

NONLINEARITY hundredths_knob_table[] = {{{35, 66}, 0.0, 0}, {{35, 166}, 50.0, 0}};
ELEMENT_NEEDLE hundredths_knob_needle = needle(
    {.bitmap_id = 3020, .position = {125, 116}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = hundredths_knob_children, .offset = {25, 25}},
    {.calibration = hundredths_knob_table, .calibration_count = count_of(hundredths_knob_table),
     .callback = hundredths_knob});
ELEMENT_LIST fixed_one_children[] = {&hundredths_knob_needle.header, nullptr};

ELEMENT_ICON fixed_one_icon = icon(
    {.bitmap_id = 3050, .position = {39, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = fixed_one_children, .failures = avionics_failures},
    {.scale = 0.0, .icon_count = 1, .callback = fixed_one});
ELEMENT_LIST tens_children[] = {&fixed_one_icon.header, nullptr};

ELEMENT_MOVING_IMAGE tens = moving_image(
    {.bitmap_id = 3040, .position = {52, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = tens_children, .failures = avionics_failures},
    digit_wheel(1.0, tens_wheel));
ELEMENT_LIST units_children[] = {&tens.header, nullptr};

ELEMENT_MOVING_IMAGE units = moving_image(
    {.bitmap_id = 3030, .position = {65, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = units_children, .failures = avionics_failures},
    digit_wheel(10.0, units_wheel));
ELEMENT_LIST tenths_children[] = {&units.header, nullptr};

ELEMENT_MOVING_IMAGE tenths = moving_image(
    {.bitmap_id = 3030, .position = {78, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = tenths_children, .failures = avionics_failures},
    digit_wheel(10.0, tenths_wheel));
ELEMENT_LIST hundredths_children[] = {&tenths.header, nullptr};

ELEMENT_MOVING_IMAGE hundredths = moving_image(
    {.bitmap_id = 3030, .position = {91, 39}, .image_flags = 0x83, .gauge = &gauge_Radio_NAV1,
     .children = hundredths_children, .failures = avionics_failures},
    digit_wheel(10.0, hundredths_wheel));
ELEMENT_LIST background_children[] = {&hundredths.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3000,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_NAV1,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

HOST_BOOL HOST_CALL mhz_up(MOUSE_CLICK*, UINT32) {
    frequency_head_mhz_up(&nav1);
    return 0;
}

HOST_BOOL HOST_CALL mhz_down(MOUSE_CLICK*, UINT32) {
    frequency_head_mhz_down(&nav1);
    return 0;
}

HOST_BOOL HOST_CALL hundredths_up(MOUSE_CLICK*, UINT32) {
    frequency_head_fraction_up(&nav1);
    return 0;
}

HOST_BOOL HOST_CALL hundredths_down(MOUSE_CLICK*, UINT32) {
    frequency_head_fraction_down(&nav1);
    return 0;
}

HOST_BOOL HOST_CALL switch_off(MOUSE_CLICK*, UINT32) {
    radio_switch_off(&nav1_power_on, &nav1.click);
    return 0;
}

HOST_BOOL HOST_CALL switch_on(MOUSE_CLICK*, UINT32) {
    radio_switch_on(&nav1_power_on, &nav1.click);
    return 0;
}

// From the cache, as it is (110.50 shows 110.500).
FLOAT64 HOST_CALL tooltip_frequency(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return nav1.whole_mhz + nav1.hundredths / 100.0;
}

const char* HOST_CALL tooltip_power(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return radio_on_off(nav1_power_on);
}

MOUSE_ARG tooltip_args[] = {mouse_number_arg(tooltip_frequency), mouse_text_arg(tooltip_power)};

constexpr const char FREQUENCY_TEXT[] = "Navigation Radio NAV1 - %1!07.3f! MHz";
constexpr UINT32 TUNING = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 155, 77}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({59, 77, 96, 15}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({0, 92, 155, 61}, CURSOR_NONE, 0),
    mouse_tooltip_text(FREQUENCY_TEXT, 2, tooltip_args),
    mouse_end_parent(),
    mouse_parent({0, 77, 59, 15}, CURSOR_NONE, 0),
    mouse_tooltip_text("NAV1 main switch (%2!s!)", 2, tooltip_args),
    mouse_end_parent(),
    mouse_child({52, 31, 26, 20}, CURSOR_UP_ARROW, TUNING, mhz_up),
    mouse_child({52, 52, 26, 20}, CURSOR_DOWN_ARROW, TUNING, mhz_down),
    mouse_child({78, 31, 26, 20}, CURSOR_UP_ARROW, TUNING, hundredths_up),
    mouse_child({78, 52, 26, 20}, CURSOR_DOWN_ARROW, TUNING, hundredths_down),
    mouse_child({10, 91, 25, 50}, CURSOR_DOWN_ARROW, TUNING, mhz_down),
    mouse_child({35, 91, 25, 50}, CURSOR_UP_ARROW, TUNING, mhz_up),
    mouse_child({100, 91, 25, 50}, CURSOR_DOWN_ARROW, TUNING, hundredths_down),
    mouse_child({125, 91, 25, 50}, CURSOR_UP_ARROW, TUNING, hundredths_up),
    mouse_child({8, 77, 23, 23}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_off),
    mouse_child({35, 77, 23, 23}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_on),
    mouse_end_parent(),
    mouse_end(),
};

// Every install first sends the start-up event, whatever the power state.
void HOST_CALL nav1_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_INSTALL) {
        host_trigger_key_event(STARTUP_EVENT, 0);
    }
    frequency_head_service(&nav1, service_id, extra);
}

}  // namespace

GAUGEHDR gauge_Radio_NAV1 = gauge_header({
    .name = "Radio_NAV1",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = nav1_callback,
});
