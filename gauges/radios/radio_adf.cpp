// Radio ADF: the direction finder's head. The frequency in kHz with one
// decimal (thousands digit 0 or 1, three wheels, a point and the tenths),
// two double tuning knobs, a lamp and the OFF/ANT/ADF/TONE selector, which
// is the head's main switch and switches the simulation's ident tone.
#include "frame/host_services.h"
#include "gauges/radios/radio_head.h"

extern GAUGEHDR gauge_Radio_ADF;

namespace {

constexpr UINT32 ADF_KHZ_TOKEN = 16;
constexpr UINT32 ADF_EXTENDED_TOKEN = 18;
constexpr UINT32 ADF_TONE_TOKEN = 880;  // 1.0 while the simulation's tone is on
constexpr UINT32 TONE_ON_EVENT = 0x10131;
constexpr UINT32 TONE_OFF_EVENT = 0x1012C;

// Selector positions shown by the mode icon.
constexpr SINT32 MODE_OFF = 0;
constexpr SINT32 MODE_ADF = 2;
constexpr SINT32 MODE_TONE = 3;

// Module-wide: the tone the head switched on, the selector position shown,
// and the cache.
SINT32 adf_tone_on = 0;
SINT32 adf_mode = MODE_OFF;
FLOAT64 cached_khz = 0.0;
FLOAT64 cached_tenths = 0.0;
FLOAT64 cached_tooltip_khz = 0.0;
SoundSlot click = {};

// Fresh reads that also fill the cache.
FLOAT64 fresh_khz() { return cached_khz = adf_whole_khz(); }
FLOAT64 fresh_tenths() { return cached_tenths = adf_tenths(); }

FLOAT64 HOST_CALL right_outer_knob(ELEMENT_NEEDLE*) { return radio_digit(fresh_khz(), 1.0); }
FLOAT64 HOST_CALL right_inner_knob(ELEMENT_NEEDLE*) { return fresh_tenths(); }
FLOAT64 HOST_CALL left_outer_knob(ELEMENT_NEEDLE*) {
    const FLOAT64 k = fresh_khz();
    return 10.0 * radio_leading_digit(k, 1000.0) + radio_digit(k, 100.0);
}
FLOAT64 HOST_CALL left_inner_knob(ELEMENT_NEEDLE*) { return radio_digit(fresh_khz(), 10.0); }
FLOAT64 HOST_CALL tenths_wheel(ELEMENT_MOVING_IMAGE* e) { return radio_wheel(e, adf_power_on, fresh_tenths()); }
FLOAT64 HOST_CALL decimal_point(ELEMENT_ICON* e) { return radio_fixed_icon(e, adf_power_on); }
FLOAT64 HOST_CALL units_wheel(ELEMENT_MOVING_IMAGE* e) { return radio_wheel(e, adf_power_on, radio_digit(fresh_khz(), 1.0)); }
FLOAT64 HOST_CALL tens_wheel(ELEMENT_MOVING_IMAGE* e) { return radio_wheel(e, adf_power_on, radio_digit(fresh_khz(), 10.0)); }
FLOAT64 HOST_CALL hundreds_wheel(ELEMENT_MOVING_IMAGE* e) {
    return radio_wheel(e, adf_power_on, radio_digit(fresh_khz(), 100.0));
}
FLOAT64 HOST_CALL thousands_digit(ELEMENT_ICON* e) {
    return radio_digit_icon(e, adf_power_on, radio_leading_digit(fresh_khz(), 1000.0));
}
FLOAT64 HOST_CALL lamp(ELEMENT_ICON*) { return radio_lamp_image(adf_power_on); }
FLOAT64 HOST_CALL selector(ELEMENT_ICON*) { return adf_mode; }

FAILURE_RECORD electrical_failures[] = {{20, 3}, {0, 0}};

constexpr ElementPlacement display(UINT32 bitmap_id, PIXPOINT position, ELEMENT_LIST* children) {
    return {.bitmap_id = bitmap_id, .position = position, .image_flags = 0x83, .gauge = &gauge_Radio_ADF,
            .children = children, .failures = electrical_failures};
}

constexpr ElementPlacement knob(UINT32 bitmap_id, PIXPOINT position, PIXPOINT pivot, ELEMENT_LIST* children) {
    return {.bitmap_id = bitmap_id, .position = position, .image_flags = 0x83, .gauge = &gauge_Radio_ADF,
            .children = children, .offset = pivot};
}

constexpr MovingImageFields digit_wheel(UINT32 token, MOVING_IMAGE_CALLBACK callback) {
    return {.var_y = module_var(token), .max_y = 10.0, .callback_y = callback};
}

ELEMENT_ICON selector_icon = icon(
    {.bitmap_id = 3250, .position = {60, 111}, .image_flags = 0x3, .gauge = &gauge_Radio_ADF,
     .failures = electrical_failures},
    {.icon_count = 4, .callback = selector});
ELEMENT_LIST lamp_children[] = {&selector_icon.header, nullptr};

ELEMENT_ICON lamp_icon = icon(
    {.bitmap_id = 3240, .position = {136, 55}, .image_flags = 0x7, .gauge = &gauge_Radio_ADF,
     .children = lamp_children, .failures = electrical_failures},
    {.icon_count = 1, .callback = lamp});
ELEMENT_LIST thousands_children[] = {&lamp_icon.header, nullptr};

ELEMENT_ICON thousands = icon(display(3220, {44, 21}, thousands_children),
                              {.var = module_var(ADF_KHZ_TOKEN), .icon_count = 2, .callback = thousands_digit});
ELEMENT_LIST hundreds_children[] = {&thousands.header, nullptr};

ELEMENT_MOVING_IMAGE hundreds = moving_image(display(3210, {57, 21}, hundreds_children),
                                             digit_wheel(ADF_KHZ_TOKEN, hundreds_wheel));
ELEMENT_LIST tens_children[] = {&hundreds.header, nullptr};

ELEMENT_MOVING_IMAGE tens = moving_image(display(3210, {70, 21}, tens_children), digit_wheel(0, tens_wheel));
ELEMENT_LIST units_children[] = {&tens.header, nullptr};

ELEMENT_MOVING_IMAGE units = moving_image(display(3210, {83, 21}, units_children),
                                          digit_wheel(ADF_KHZ_TOKEN, units_wheel));
ELEMENT_LIST point_children[] = {&units.header, nullptr};

ELEMENT_ICON point = icon(display(3230, {96, 21}, point_children), {.icon_count = 1, .callback = decimal_point});
ELEMENT_LIST tenths_children[] = {&point.header, nullptr};

ELEMENT_MOVING_IMAGE tenths = moving_image(display(3210, {100, 21}, tenths_children),
                                           digit_wheel(ADF_EXTENDED_TOKEN, tenths_wheel));
ELEMENT_LIST left_inner_children[] = {&tenths.header, nullptr};

// One table per knob: the host writes each point's angle from that knob's
// own pivot into the table it is given.
NONLINEARITY left_inner_table[] = {{{54, 49}, 0.0, 0}, {{54, 105}, 8.0, 0}};
NONLINEARITY left_outer_table[] = {{{54, 49}, 0.0, 0}, {{54, 105}, 8.0, 0}};
NONLINEARITY right_inner_table[] = {{{54, 49}, 0.0, 0}, {{54, 105}, 8.0, 0}};
NONLINEARITY right_outer_table[] = {{{54, 49}, 0.0, 0}, {{54, 105}, 8.0, 0}};

ELEMENT_NEEDLE left_inner = needle(knob(3270, {54, 77}, {8, 8}, left_inner_children),
                                   {.calibration = left_inner_table, .calibration_count = count_of(left_inner_table),
                                    .callback = left_inner_knob});
ELEMENT_LIST left_outer_children[] = {&left_inner.header, nullptr};

ELEMENT_NEEDLE left_outer = needle(knob(3260, {54, 77}, {14, 14}, left_outer_children),
                                   {.calibration = left_outer_table, .calibration_count = count_of(left_outer_table),
                                    .callback = left_outer_knob});
ELEMENT_LIST right_inner_children[] = {&left_outer.header, nullptr};

ELEMENT_NEEDLE right_inner = needle(knob(3270, {105, 77}, {8, 8}, right_inner_children),
                                    {.calibration = right_inner_table,
                                     .calibration_count = count_of(right_inner_table), .callback = right_inner_knob});
ELEMENT_LIST right_outer_children[] = {&right_inner.header, nullptr};

ELEMENT_NEEDLE right_outer = needle(knob(3260, {105, 77}, {14, 14}, right_outer_children),
                                    {.calibration = right_outer_table,
                                     .calibration_count = count_of(right_outer_table), .callback = right_outer_knob});
ELEMENT_LIST background_children[] = {&right_outer.header, nullptr};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 3200,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Radio_ADF,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

// Tuning tests the cache the displays and the update filled; the hundreds
// keep the frequency within the 100s to the 1600s.
FLOAT64 cached_thousands() { return radio_leading_digit(cached_khz, 1000.0); }
FLOAT64 cached_hundreds() { return radio_leading_digit(cached_khz - 1000.0 * cached_thousands(), 100.0); }

HOST_BOOL HOST_CALL hundreds_up(MOUSE_CLICK*, UINT32) {
    const FLOAT64 th = cached_thousands();
    radio_tune(adf_power_on, th == 0.0 || (th == 1.0 && cached_hundreds() < 6.0), 0x10070);
    return 0;
}

HOST_BOOL HOST_CALL hundreds_down(MOUSE_CLICK*, UINT32) {
    const FLOAT64 th = cached_thousands();
    radio_tune(adf_power_on, th == 1.0 || (th == 0.0 && cached_hundreds() > 1.0), 0x10082);
    return 0;
}

HOST_BOOL HOST_CALL tens_up(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10071);
    return 0;
}

HOST_BOOL HOST_CALL tens_down(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10083);
    return 0;
}

HOST_BOOL HOST_CALL units_up(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10072);
    return 0;
}

HOST_BOOL HOST_CALL units_down(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10084);
    return 0;
}

HOST_BOOL HOST_CALL tenths_up(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10396);
    return 0;
}

HOST_BOOL HOST_CALL tenths_down(MOUSE_CLICK*, UINT32) {
    radio_tune(adf_power_on, true, 0x10395);
    return 0;
}

HOST_BOOL HOST_CALL select_off(MOUSE_CLICK*, UINT32) {
    radio_switch_off(&adf_power_on, &click);
    if (adf_tone_on != 0) {
        adf_tone_on = 0;
        host_trigger_key_event(TONE_OFF_EVENT, 0);
    }
    adf_mode = MODE_OFF;
    return 0;
}

HOST_BOOL HOST_CALL select_adf(MOUSE_CLICK*, UINT32) {
    radio_switch_on(&adf_power_on, &click);
    if (adf_tone_on != 0) {
        adf_tone_on = 0;
        host_trigger_key_event(TONE_OFF_EVENT, 0);
        sound_slot_play(&click);
    }
    adf_mode = MODE_ADF;
    return 0;
}

HOST_BOOL HOST_CALL select_tone(MOUSE_CLICK*, UINT32) {
    radio_switch_on(&adf_power_on, &click);
    if (adf_tone_on == 0) {
        adf_tone_on = 1;
        host_trigger_key_event(TONE_ON_EVENT, 0);
        sound_slot_play(&click);
    }
    adf_mode = MODE_TONE;
    return 0;
}

FLOAT64 HOST_CALL tooltip_frequency(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return cached_tooltip_khz;
}

// The simulation's tone, which may have been switched elsewhere.
const char* HOST_CALL tooltip_tone(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return radio_on_off(host_lookup_number(ADF_TONE_TOKEN) == 1.0 ? 1 : 0);
}

const char* HOST_CALL tooltip_power(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    return radio_on_off(adf_power_on);
}

MOUSE_ARG tooltip_args[] = {
    mouse_number_arg(tooltip_frequency),
    mouse_text_arg(tooltip_tone),
    mouse_text_arg(tooltip_power),
};

constexpr UINT32 TUNING = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0),
    mouse_parent({0, 0, 155, 108}, CURSOR_NONE, 0),
    mouse_tooltip_text("Navigation Radio ADF - %1!07.2f! MHz", 3, tooltip_args),
    mouse_end_parent(),
    mouse_parent({62, 108, 36, 38}, CURSOR_NONE, 0),
    mouse_tooltip_text("ADF Main switch (%3!s!) - Tone switch (%2!s!)", 3, tooltip_args),
    mouse_end_parent(),
    mouse_child({29, 118, 31, 16}, CURSOR_HAND, MOUSE_LEFT_SINGLE, select_off),
    mouse_child({64, 95, 31, 16}, CURSOR_HAND, MOUSE_LEFT_SINGLE, select_adf),
    mouse_child({98, 99, 31, 16}, CURSOR_HAND, MOUSE_LEFT_SINGLE, select_tone),
    mouse_child({31, 63, 10, 28}, CURSOR_DOWN_ARROW, TUNING, hundreds_down),
    mouse_child({61, 63, 10, 28}, CURSOR_UP_ARROW, TUNING, hundreds_up),
    mouse_child({41, 63, 10, 28}, CURSOR_DOWN_ARROW, TUNING, tens_down),
    mouse_child({51, 63, 10, 28}, CURSOR_UP_ARROW, TUNING, tens_up),
    mouse_child({85, 63, 10, 28}, CURSOR_DOWN_ARROW, TUNING, units_down),
    mouse_child({115, 63, 10, 28}, CURSOR_UP_ARROW, TUNING, units_up),
    mouse_child({95, 63, 10, 28}, CURSOR_DOWN_ARROW, TUNING, tenths_down),
    mouse_child({105, 63, 10, 28}, CURSOR_UP_ARROW, TUNING, tenths_up),
    mouse_child({57, 12, 13, 24}, CURSOR_UP_ARROW, TUNING, hundreds_up),
    mouse_child({57, 37, 13, 24}, CURSOR_DOWN_ARROW, TUNING, hundreds_down),
    mouse_child({70, 12, 13, 24}, CURSOR_UP_ARROW, TUNING, tens_up),
    mouse_child({70, 37, 13, 24}, CURSOR_DOWN_ARROW, TUNING, tens_down),
    mouse_child({83, 12, 13, 24}, CURSOR_UP_ARROW, TUNING, units_up),
    mouse_child({83, 37, 13, 24}, CURSOR_DOWN_ARROW, TUNING, units_down),
    mouse_child({100, 12, 13, 24}, CURSOR_UP_ARROW, TUNING, tenths_up),
    mouse_child({100, 37, 13, 24}, CURSOR_DOWN_ARROW, TUNING, tenths_down),
    mouse_end_parent(),
    mouse_end(),
};

// Install: the simulation's tone off, then on again only if the head had it
// on, the selector matching the module's state; then the click.
void install(WORD_PTR extra) {
    if (adf_power_on == 0) {
        adf_mode = MODE_OFF;
        host_trigger_key_event(TONE_OFF_EVENT, 0);
    }
    if (adf_power_on != 0) {
        adf_mode = MODE_ADF;
        host_trigger_key_event(TONE_OFF_EVENT, 0);
    }
    if (adf_tone_on != 0) {
        adf_mode = MODE_TONE;
        host_trigger_key_event(TONE_ON_EVENT, 0);
    }
    sound_slot_install(&click, extra, WAVE_RADIO_CLICK);
}

void HOST_CALL adf_callback(GAUGEHDR*, UINT32 service_id, WORD_PTR extra) {
    switch (service_id) {
    case PANEL_SERVICE_PRE_INSTALL:
        install(extra);
        break;
    case PANEL_SERVICE_PRE_UPDATE:
        cached_khz = adf_whole_khz();
        cached_tenths = adf_tenths();
        cached_tooltip_khz = cached_tenths / 10.0 + cached_khz;
        break;
    case PANEL_SERVICE_PRE_KILL:
        sound_slot_release(&click);
        break;
    default:
        break;
    }
}

}  // namespace

GAUGEHDR gauge_Radio_ADF = gauge_header({
    .name = "Radio_ADF",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
    .callback = adf_callback,
});
