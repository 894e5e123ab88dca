#include "gauges/radios/radio_head.h"

#include <cmath>

#include "frame/host_services.h"

SINT32 com1_power_on = 1;
SINT32 com2_power_on = 1;
SINT32 nav1_power_on = 1;
SINT32 nav2_power_on = 1;
SINT32 adf_power_on = 1;
SINT32 xpdr_power_on = 1;
SINT32 vor1_adf_select = 0;

namespace {

constexpr UINT32 ADF_KHZ_TOKEN = 16;      // hundreds, tens, units of kHz, packed
constexpr UINT32 ADF_EXTENDED_TOKEN = 18; // 256 for a thousands digit of 1, plus tenths
constexpr UINT32 ADF_THOUSAND_FLAG = 256;
constexpr FLOAT64 LAST_DIGIT_CELL = 9.0;

// Whole MHz of a value at or above `base`, counting from `base_mhz`.
FLOAT64 mhz_above(UINT32 v, UINT32 base, FLOAT64 base_mhz) { return base_mhz + static_cast<FLOAT64>((v - base) >> 8); }

// The digit as a cell from 0 to `last`; NaN shows 0.
FLOAT64 cell(FLOAT64 digit, FLOAT64 last) {
    if (!(digit > 0.0)) {
        return 0.0;
    }
    return digit < last ? digit : last;
}

}  // namespace

UINT32 radio_lookup_packed(UINT32 token) {
    MODULE_VAR var = module_var(token);
    host_lookup_var(&var);
    return var.value.packed;
}

FLOAT64 com_whole_mhz(UINT32 token) {
    const UINT32 v = radio_lookup_packed(token);
    if (v >= 0x3000) {
        return mhz_above(v, 0x3000, 130.0);
    }
    if (v >= 0x2000) {
        return mhz_above(v, 0x2000, 120.0);
    }
    if (v >= 0x1000) {
        return mhz_above(v, 0x1000, 110.0);
    }
    // Below the band: read as a navigation frequency rather than wrapping.
    return mhz_above(v, 0, 100.0);
}

FLOAT64 nav_whole_mhz(UINT32 token) {
    const UINT32 v = radio_lookup_packed(token);
    return v >= 0x1000 ? mhz_above(v, 0x1000, 110.0) : mhz_above(v, 0, 100.0);
}

FLOAT64 com_hundredths(UINT32 token) {
    const UINT32 b = radio_lookup_packed(token) & 0xFF;
    return static_cast<FLOAT64>(10 * (b >> 4) + (b & 0xF));
}

FLOAT64 adf_whole_khz() {
    const FLOAT64 v = radio_lookup_packed(ADF_KHZ_TOKEN);
    const UINT32 e = radio_lookup_packed(ADF_EXTENDED_TOKEN);
    const FLOAT64 thousands = e >= ADF_THOUSAND_FLAG ? 1.0 : 0.0;
    const FLOAT64 hundreds = std::floor(v / 256.0);
    const FLOAT64 r = v - 256.0 * hundreds;
    const FLOAT64 tens = std::floor(r / 16.0);
    const FLOAT64 units = r - 16.0 * tens;
    return 1000.0 * thousands + 100.0 * hundreds + 10.0 * tens + units;
}

FLOAT64 adf_tenths() {
    const UINT32 e = radio_lookup_packed(ADF_EXTENDED_TOKEN);
    return static_cast<FLOAT64>(e >= ADF_THOUSAND_FLAG ? e - ADF_THOUSAND_FLAG : e);
}

FLOAT64 xpdr_code(UINT32 token) {
    const FLOAT64 v = radio_lookup_packed(token);
    const FLOAT64 d1 = std::floor(v / 4096.0);
    FLOAT64 r = v - 4096.0 * d1;
    const FLOAT64 d2 = std::floor(r / 256.0);
    r = r - 256.0 * d2;
    const FLOAT64 d3 = std::floor(r / 16.0);
    const FLOAT64 d4 = r - 16.0 * d3;
    return 1000.0 * d1 + 100.0 * d2 + 10.0 * d3 + d4;
}

FLOAT64 radio_digit(FLOAT64 value, FLOAT64 place) {
    const FLOAT64 below_next = value - 10.0 * place * std::floor(value / (10.0 * place));
    return std::floor(below_next / place);
}

FLOAT64 radio_leading_digit(FLOAT64 value, FLOAT64 place) { return std::floor(value / place); }

void radio_lighting_step(ELEMENT_HEADER* element, SINT32 power_on) {
    if (power_on != 0) {
        element->image_flags |= IMAGE_LUMINOUS;
    } else {
        element->image_flags &= ~static_cast<UINT32>(IMAGE_LUMINOUS);
    }
    element->image_flags &= ~0x80000000u;
}

FLOAT64 radio_wheel(ELEMENT_MOVING_IMAGE* wheel, SINT32 power_on, FLOAT64 digit) {
    radio_lighting_step(&wheel->header, power_on);
    const FLOAT64 last = wheel->max_y < LAST_DIGIT_CELL ? wheel->max_y : LAST_DIGIT_CELL;
    return cell(digit, last);
}

FLOAT64 radio_fixed_icon(ELEMENT_ICON* icon, SINT32 power_on) {
    radio_lighting_step(&icon->header, power_on);
    return 0.0;
}

FLOAT64 radio_digit_icon(ELEMENT_ICON* icon, SINT32 power_on, FLOAT64 digit) {
    radio_lighting_step(&icon->header, power_on);
    return icon->icon_count == 0 ? 0.0 : cell(digit, static_cast<FLOAT64>(icon->icon_count - 1));
}

FLOAT64 radio_switch_image(SINT32 power_on) { return power_on != 0 ? 1.0 : 0.0; }

FLOAT64 radio_lamp_image(SINT32 power_on) { return power_on != 0 ? 0.0 : -1.0; }

void radio_tune(SINT32 power_on, bool within_limit, UINT32 event_id) {
    if (!within_limit || power_on == 0) {
        return;
    }
    host_trigger_key_event(event_id, 0);
}

void radio_switch_off(SINT32* power_on, SoundSlot* click) {
    if (*power_on != 0) {
        *power_on = 0;
        sound_slot_play(click);
    }
}

void radio_switch_on(SINT32* power_on, SoundSlot* click) {
    if (*power_on == 0) {
        *power_on = 1;
        sound_slot_play(click);
    }
}

const char* radio_on_off(SINT32 state) { return state != 0 ? "on" : "off"; }

void frequency_head_refresh(FrequencyHead* head) {
    head->whole_mhz = head->read_whole_mhz(head->token);
    head->hundredths = com_hundredths(head->token);
}

FLOAT64 frequency_head_hundredths_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel) {
    return radio_wheel(wheel, *head->power_on, radio_digit(head->hundredths, 1.0));
}

FLOAT64 frequency_head_tenths_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel) {
    return radio_wheel(wheel, *head->power_on, radio_leading_digit(head->hundredths, 10.0));
}

FLOAT64 frequency_head_units_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel) {
    return radio_wheel(wheel, *head->power_on, radio_digit(head->whole_mhz, 1.0));
}

FLOAT64 frequency_head_tens_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel) {
    return radio_wheel(wheel, *head->power_on, radio_digit(head->whole_mhz, 10.0));
}

void frequency_head_mhz_up(FrequencyHead* head) {
    head->whole_mhz = head->read_whole_mhz(head->token);
    radio_tune(*head->power_on, head->whole_mhz < head->highest_mhz, head->mhz_up_event);
}

void frequency_head_mhz_down(FrequencyHead* head) {
    head->whole_mhz = head->read_whole_mhz(head->token);
    radio_tune(*head->power_on, head->whole_mhz > head->lowest_mhz, head->mhz_down_event);
}

void frequency_head_fraction_up(FrequencyHead* head) {
    head->hundredths = com_hundredths(head->token);
    radio_tune(*head->power_on, true, head->fraction_up_event);
}

void frequency_head_fraction_down(FrequencyHead* head) {
    head->hundredths = com_hundredths(head->token);
    radio_tune(*head->power_on, true, head->fraction_down_event);
}

void frequency_head_service(FrequencyHead* head, UINT32 service_id, WORD_PTR extra) {
    if (service_id == PANEL_SERVICE_PRE_UPDATE) {
        frequency_head_refresh(head);
    }
    sound_slot_service(&head->click, service_id, extra, head->wave_id);
}
