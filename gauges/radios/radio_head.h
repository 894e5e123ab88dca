// What every radio head shares: reading the packed-decimal frequency and code
// variables, the digit rules, the digit wheels and their lighting step, the
// tuning click, the main switch and the on/off tooltip texts.
//
// Values the simulation never produces still show a defined digit: the
// unpacking routines are plain arithmetic on the 32-bit value (a nibble
// above 9 simply counts as its value), and a digit that falls outside its
// wheel shows the wheel's last digit cell (9 on a 0-9 wheel, 3 on the COM
// tens wheel, 1 on the NAV tens wheel and the ADF thousands digit); a value
// that is not a number shows 0.
#pragma once

#include "frame/gauge_records.h"
#include "gauges/radios/radio_states.h"
#include "sound/sound_slot.h"

// Packed-decimal variables hold a 32-bit integer in the first four bytes of
// their value.
UINT32 radio_lookup_packed(UINT32 token);

// Unpacking routines: one fresh lookup each (two for adf_whole_khz), a whole
// number as a double.
FLOAT64 com_whole_mhz(UINT32 token);   // 0x1800 -> 118, 0x3697 -> 136; below 0x1000 as NAV
FLOAT64 nav_whole_mhz(UINT32 token);   // 0x0800 -> 108, 0x1795 -> 117
FLOAT64 com_hundredths(UINT32 token);  // low byte: 0x97 -> 97, 0x05 -> 5 (COM and NAV)
FLOAT64 adf_whole_khz();               // tokens 16 and 18: 0x0344 with 256 -> 1344
FLOAT64 adf_tenths();                  // token 18 less its thousands flag
FLOAT64 xpdr_code(UINT32 token);       // 0x1200 -> 1200

// Digit rules, floor throughout. The decimal digit of `value` at `place`
// (1 units, 10 tens, ...); and the leading digit, a plain quotient that may
// exceed 9 for values out of range.
FLOAT64 radio_digit(FLOAT64 value, FLOAT64 place);
FLOAT64 radio_leading_digit(FLOAT64 value, FLOAT64 place);

// Lighting step of a display element: luminous (0x4000) while the head is
// on, not while it is off; bit 0x80000000 cleared either way.
void radio_lighting_step(ELEMENT_HEADER* element, SINT32 power_on);

// A digit wheel's value: the lighting step, then the digit as a cell of the
// wheel's strip, never past its last digit cell nor its y maximum.
FLOAT64 radio_wheel(ELEMENT_MOVING_IMAGE* wheel, SINT32 power_on, FLOAT64 digit);
// An icon lit like the digits (fixed 1, decimal point): image 0.
FLOAT64 radio_fixed_icon(ELEMENT_ICON* icon, SINT32 power_on);
// An icon showing a digit by image (the ADF thousands): within its images.
FLOAT64 radio_digit_icon(ELEMENT_ICON* icon, SINT32 power_on, FLOAT64 digit);

// Main switch icon (image 1 on, 0 off) and lamp (shown on, hidden off).
FLOAT64 radio_switch_image(SINT32 power_on);
FLOAT64 radio_lamp_image(SINT32 power_on);

// Tuning click after its refresh: sends the event with value 0 only when the
// limit test passed and the head is on.
void radio_tune(SINT32 power_on, bool within_limit, UINT32 event_id);

// Main switch areas: a change of state plays the click; clicking the state
// already held does nothing.
void radio_switch_off(SINT32* power_on, SoundSlot* click);
void radio_switch_on(SINT32* power_on, SoundSlot* click);

// "on" or "off".
const char* radio_on_off(SINT32 state);

// A communication or navigation head: one frequency variable, its cache and
// its sound. The gauge files hold the records and pass their head to these.
struct FrequencyHead {
    SINT32* power_on;
    UINT32 token;
    FLOAT64 (*read_whole_mhz)(UINT32 token);
    FLOAT64 lowest_mhz;   // MHz down sends only above it
    FLOAT64 highest_mhz;  // MHz up sends only below it
    UINT32 mhz_down_event;
    UINT32 mhz_up_event;
    UINT32 fraction_down_event;
    UINT32 fraction_up_event;
    WORD wave_id;
    SoundSlot click = {};
    FLOAT64 whole_mhz = 0.0;   // cache
    FLOAT64 hundredths = 0.0;  // cache
};

void frequency_head_refresh(FrequencyHead* head);
FLOAT64 frequency_head_hundredths_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel);
FLOAT64 frequency_head_tenths_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel);
FLOAT64 frequency_head_units_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel);
FLOAT64 frequency_head_tens_wheel(FrequencyHead* head, ELEMENT_MOVING_IMAGE* wheel);
void frequency_head_mhz_up(FrequencyHead* head);
void frequency_head_mhz_down(FrequencyHead* head);
void frequency_head_fraction_up(FrequencyHead* head);
void frequency_head_fraction_down(FrequencyHead* head);
// Pre-install prepares the click, update refreshes the cache, kill releases.
void frequency_head_service(FrequencyHead* head, UINT32 service_id, WORD_PTR extra);
