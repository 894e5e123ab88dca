// Radio IFF XPDR: the transponder head. The four-digit squawk code on
// thumbwheels with an up and a down area at each, a rotary main switch and
// a green lamp.
#include "gauges/radios/radio_head.h"

extern GAUGEHDR gauge_Radio_IFF_XPDR;

namespace {

constexpr UINT32 CODE_TOKEN = 38;

FLOAT64 cached_code = 0.0;  // module-wide, 0 at load
SoundSlot click = {};

// Every digit reads the code afresh.
FLOAT64 fresh_code() { return cached_code = xpdr_code(CODE_TOKEN); }

FLOAT64 HOST_CALL units_wheel(ELEMENT_MOVING_IMAGE* e) { return radio_wheel(e, xpdr_power_on, radio_digit(fresh_code(), 1.0)); }
FLOAT64 HOST_CALL tens_wheel(ELEMENT_MOVING_IMAGE* e) { return radio_wheel(e, xpdr_power_on, radio_digit(fresh_code(), 10.0)); }
FLOAT64 HOST_CALL hundreds_wheel(ELEMENT_MOVING_IMAGE* e) {
    return radio_wheel(e, xpdr_power_on, radio_digit(fresh_code(), 100.0));
}
FLOAT64 HOST_CALL thousands_wheel(ELEMENT_MOVING_IMAGE* e) {
    return radio_wheel(e, xpdr_power_on, radio_leading_digit(fresh_code(), 1000.0));
}
FLOAT64 HOST_CALL lamp(ELEMENT_ICON*) { return radio_lamp_image(xpdr_power_on); }
FLOAT64 HOST_CALL main_switch(ELEMENT_ICON*) { return radio_switch_image(xpdr_power_on); }

FAILURE_RECORD electrical_failures[] = {{20, 3}, {0, 0}};

constexpr ElementPlacement thumbwheel(PIXPOINT position, ELEMENT_LIST* children) {
    return {.bitmap_id = 2430, .position = position, .image_flags = 0x83, .gauge = &gauge_Radio_IFF_XPDR,
            .children = children, .failures = electrical_failures};
}

constexpr MovingImageFields digit(UINT32 token, MOVING_IMAGE_CALLBACK callback) {
    return {.var_y = module_var(token), .max_y = 10.0, .callback_y = callback};
}

ELEMENT_ICON switch_icon = icon(
    {.bitmap_id = 2440, .position = {25, 163}, .image_flags = 0x3, .gauge = &gauge_Radio_IFF_XPDR},
    {.icon_count = 2, .callback = main_switch});
ELEMENT_LIST lamp_children[] = {&switch_icon.header, nullptr};

ELEMENT_ICON lamp_icon = icon(
    {.bitmap_id = 2450, .position = {118, 208}, .image_flags = 0x7, .gauge = &gauge_Radio_IFF_XPDR,
     .children = lamp_children, .failures = electrical_failures},
    {.icon_count = 1, .callback = lamp});
ELEMENT_LIST thousands_children[] = {&lamp_icon.header, nullptr};

ELEMENT_MOVING_IMAGE thousands = moving_image(thumbwheel({51, 84}, thousands_children), digit(CODE_TOKEN, thousands_wheel));
ELEMENT_LIST hundreds_children[] = {&thousands.header, nullptr};

ELEMENT_MOVING_IMAGE hundreds = moving_image(thumbwheel({92, 84}, hundreds_children), digit(CODE_TOKEN, hundreds_wheel));
ELEMENT_LIST tens_children[] = {&hundreds.header, nullptr};

ELEMENT_MOVING_IMAGE tens = moving_image(thumbwheel({132, 84}, tens_children), digit(0, tens_wheel));
ELEMENT_LIST units_children[] = {&tens.header, nullptr};

ELEMENT_MOVING_IMAGE units = moving_image(thumbwheel({171, 84}, units_children), digit(CODE_TOKEN, units_wheel));
ELEMENT_LIST background_children[] = {&units.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2420,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_IFF_XPDR,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

// Digit areas test only the power.
HOST_BOOL HOST_CALL thousands_up(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10073);
    return 0;
}

HOST_BOOL HOST_CALL thousands_down(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10397);
    return 0;
}

HOST_BOOL HOST_CALL hundreds_up(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10074);
    return 0;
}

HOST_BOOL HOST_CALL hundreds_down(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10398);
    return 0;
}

HOST_BOOL HOST_CALL tens_up(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10075);
    return 0;
}

HOST_BOOL HOST_CALL tens_down(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10399);
    return 0;
}

HOST_BOOL HOST_CALL units_up(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x10076);
    return 0;
}

HOST_BOOL HOST_CALL units_down(MOUSE_CLICK*, UINT32) {
    radio_tune(xpdr_power_on, true, 0x1039A);
    return 0;
}

// One area: every click flips the power, with the click.
HOST_BOOL HOST_CALL switch_toggle(MOUSE_CLICK*, UINT32) {
    xpdr_power_on = xpdr_power_on != 0 ? 0 : 1;
    sound_slot_play(&click);
    return 0;
}

const char* HOST_CALL tooltip_power(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return radio_on_off(xpdr_power_on);
}

MOUSE_ARG tooltip_args[] = {mouse_text_arg(tooltip_power)};

constexpr UINT32 TRANSPONDER_TEXT = 0x3180;
constexpr UINT32 DIGIT_CLICKS = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 250, 163}, CURSOR_NONE, 0),
    mouse_tooltip_id(TRANSPONDER_TEXT),
    mouse_end_parent(),
    mouse_parent({103, 163, 147, 117}, CURSOR_NONE, 0),
    mouse_tooltip_id(TRANSPONDER_TEXT),
    mouse_end_parent(),
    mouse_parent({25, 163, 78, 78}, CURSOR_NONE, 0),
    mouse_tooltip_text("Transponder (IFF) main switch (%1!s!)", 1, tooltip_args),
    mouse_end_parent(),
    mouse_child({25, 163, 78, 78}, CURSOR_HAND, MOUSE_LEFT_SINGLE, switch_toggle),
    mouse_child({43, 94, 33, 46}, CURSOR_DOWN_ARROW, DIGIT_CLICKS, thousands_down),
    mouse_child({43, 48, 33, 46}, CURSOR_UP_ARROW, DIGIT_CLICKS, thousands_up),
    mouse_child({84, 94, 33, 46}, CURSOR_DOWN_ARROW, DIGIT_CLICKS, hundreds_down),
    mouse_child({84, 48, 33, 46}, CURSOR_UP_ARROW, DIGIT_CLICKS, hundreds_up),
    mouse_child({125, 94, 33, 46}, CURSOR_DOWN_ARROW, DIGIT_CLICKS, tens_down),
    mouse_child({125, 48, 33, 46}, CURSOR_UP_ARROW, DIGIT_CLICKS, tens_up),
    mouse_child({166, 94, 33, 46}, CURSOR_DOWN_ARROW, DIGIT_CLICKS, units_down),
    mouse_child({166, 48, 33, 46}, CURSOR_UP_ARROW, DIGIT_CLICKS, units_up),
    mouse_end_parent(),
    mouse_end(),
};

void HOST_CALL xpdr_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_UPDATE) {
        cached_code = xpdr_code(CODE_TOKEN);
    }
    sound_slot_service(&click, service_id, extra, WAVE_RADIO_CLICK);
}

}  // namespace

GAUGEHDR gauge_Radio_IFF_XPDR = gauge_header({
    .name = "Radio_IFF_XPDR",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = xpdr_callback,
});
