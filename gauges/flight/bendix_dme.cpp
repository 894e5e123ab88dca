// Bendix DME: distance, ground speed and time to station as red digits, and
// the NAV 1 / NAV 2 source knob.
//
// Every text fits its element's character count: values are clamped to what
// their field can show (0 to 9999 nm and kt, 0 to 99 min), a distance whose
// one-decimal form would need five characters shows in whole miles, and a
// value that is not a number shows dashes.
#include <cmath>
#include <cstdio>
#include <cstring>

#include "frame/gauge_records.h"
#include "frame/numeric.h"

extern GAUGEHDR gauge_Bendix_DME;

namespace {

constexpr UINT32 DME_DISTANCE_TOKEN = 372;  // nm, negative without a reading
constexpr UINT32 DME_SPEED_TOKEN = 373;     // kt
constexpr UINT32 DME_TIME_TOKEN = 374;      // min
constexpr UINT32 DME_SOURCE_TOKEN = 355;    // 1 NAV 1, 2 NAV 2

FLOAT64 HOST_CALL distance_text(ELEMENT_STRING* text);
FLOAT64 HOST_CALL speed_text(ELEMENT_STRING* text);
FLOAT64 HOST_CALL time_text(ELEMENT_STRING* text);
FLOAT64 HOST_CALL miles_label(ELEMENT_STRING* text);
FLOAT64 HOST_CALL knots_label(ELEMENT_STRING* text);
FLOAT64 HOST_CALL minutes_label(ELEMENT_STRING* text);
FLOAT64 HOST_CALL source_image(ELEMENT_ICON* knob);

FAILURE_RECORD dme_failures[] = {{21, 3}, {0, 0}};

constexpr ElementPlacement digits_at(PIXPOINT position) {
    return {
        .bitmap_id = NO_BITMAP,
        .position = position,
        .image_flags = 0x7,
        .gauge = &gauge_Bendix_DME,
        .failures = dme_failures,
    };
}

constexpr StringFields red_digits(UINT32 first_token, UINT32 box_width, UINT32 max_chars,
                                  STRING_CALLBACK callback) {
    return {
        .vars = {module_var(first_token), module_var(DME_DISTANCE_TOKEN), NO_VAR},
        .box_width = box_width,
        .box_height = 12,
        .text_color = 0x0000FF,
        .background_color = 0x000000,
        .highlight_color = 0xFFFFFF,
        .font_face = "Quartz",
        .font_weight = 400,
        .char_set = 1,
        .draw_text_flags = 0x25,
        .max_chars = max_chars,
        .callback = callback,
    };
}

ELEMENT_STRING distance_digits = string_element(digits_at({14, 9}), red_digits(DME_DISTANCE_TOKEN, 32, 4, distance_text));
ELEMENT_STRING speed_digits = string_element(digits_at({47, 9}), red_digits(DME_SPEED_TOKEN, 32, 4, speed_text));
ELEMENT_STRING time_digits = string_element(digits_at({80, 9}), red_digits(DME_TIME_TOKEN, 22, 2, time_text));
ELEMENT_STRING miles_text = string_element(digits_at({18, 21}), red_digits(DME_DISTANCE_TOKEN, 21, 2, miles_label));
ELEMENT_STRING knots_text = string_element(digits_at({50, 21}), red_digits(DME_SPEED_TOKEN, 21, 4, knots_label));
ELEMENT_STRING minutes_text = string_element(digits_at({76, 21}), red_digits(DME_TIME_TOKEN, 24, 3, minutes_label));

ELEMENT_ICON source_knob = icon(
    {
        .bitmap_id = 2380,
        .position = {51, 37},
        .image_flags = 0x3,
        .gauge = &gauge_Bendix_DME,
    },
    {
        .var = module_var(DME_SOURCE_TOKEN),
        .icon_count = 2,
        .callback = source_image,
    });

ELEMENT_LIST background_children[] = {
    &distance_digits.header, &speed_digits.header, &time_digits.header, &miles_text.header,
    &knots_text.header,      &minutes_text.header, &source_knob.header, nullptr,
};

ELEMENT_STATIC_IMAGE background = static_image({
    .bitmap_id = 2370,
    .position = {0, 0},
    .image_flags = 0x3,
    .gauge = &gauge_Bendix_DME,
    .children = background_children,
});

ELEMENT_LIST elements[] = {&background.header, nullptr};

MOUSERECT mouse_rects[] = {
    mouse_whole_gauge(0xA704),
    mouse_parent({51, 37, 15, 15}, CURSOR_NONE, 0xA708),
    mouse_child_event({0, 0, 15, 15}, CURSOR_HAND, MOUSE_LEFT_SINGLE, 0x102EE),
    mouse_end_parent(),
    mouse_end_parent(),
    mouse_end(),
};

// Copies a text into the element's buffer, never more than its character
// count (the host allocates one more byte for the terminator).
void put_text(ELEMENT_STRING* element, const char* text) {
    if (element->text == nullptr) {
        return;
    }
    std::size_t length = std::strlen(text);
    if (length > element->max_chars) {
        length = element->max_chars;
    }
    std::memcpy(element->text, text, length);
    element->text[length] = '\0';
}

// Also turns -0 into 0, so no minus sign reaches the digits.
FLOAT64 clamp(FLOAT64 value, FLOAT64 lowest, FLOAT64 highest) {
    if (!(value > lowest)) {
        return lowest;
    }
    return value > highest ? highest : value;
}

// Formats one value; the values given here are clamped, so the text is short.
struct Text {
    char chars[32];
};

Text format(const char* pattern, FLOAT64 value) {
    Text t{};
    std::snprintf(t.chars, sizeof t.chars, pattern, value);
    return t;
}

constexpr const char NO_READING[] = "----";

// Up to 99.9 nm with one decimal, left-aligned; from there in whole miles
// with leading zeros, up to 9999.
FLOAT64 HOST_CALL distance_text(ELEMENT_STRING* element) {
    const FLOAT64 miles_value = element->source_var[0].value.number;
    const FLOAT64 reading = element->source_var[1].value.number;
    if (!(reading >= 0.0) || std::isnan(miles_value)) {
        put_text(element, NO_READING);
        return miles_value;
    }
    const FLOAT64 shown = clamp(miles_value, 0.0, 9999.0);
    Text t{};
    if (shown < 100.0) {
        t = format("%-4.1f", shown);
    }
    if (shown >= 100.0 || std::strlen(t.chars) > element->max_chars) {
        // 99.95 and up round to 100.0 under one decimal: whole miles instead.
        t = format("%04.0f", shown);
    }
    put_text(element, t.chars);
    return miles_value;
}

FLOAT64 HOST_CALL speed_text(ELEMENT_STRING* element) {
    const FLOAT64 knots_value = element->source_var[0].value.number;
    const FLOAT64 reading = element->source_var[1].value.number;
    if (!(reading >= 0.0) || std::isnan(knots_value)) {
        put_text(element, NO_READING);
    } else {
        put_text(element, format("%03.0f", clamp(knots_value, 0.0, 9999.0)).chars);
    }
    return knots_value;
}

// Shown whether or not there is a distance reading.
FLOAT64 HOST_CALL time_text(ELEMENT_STRING* element) {
    const FLOAT64 minutes_value = element->source_var[0].value.number;
    if (std::isnan(minutes_value)) {
        put_text(element, "--");
    } else {
        put_text(element, format("%02.0f", clamp(minutes_value, 0.0, 99.0)).chars);
    }
    return minutes_value;
}

FLOAT64 HOST_CALL miles_label(ELEMENT_STRING* element) {
    put_text(element, "NM");
    return element->source_var[0].value.number;
}

FLOAT64 HOST_CALL knots_label(ELEMENT_STRING* element) {
    put_text(element, "KT");
    return element->source_var[0].value.number;
}

FLOAT64 HOST_CALL minutes_label(ELEMENT_STRING* element) {
    put_text(element, "MIN");
    return element->source_var[0].value.number;
}

// Image 0 for NAV 1, 1 for NAV 2; any other source hides the knob.
FLOAT64 HOST_CALL source_image(ELEMENT_ICON* knob) {
    SINT32 source = 0;
    if (!to_int32_checked(knob->source_var.value.number, source) || (source != 1 && source != 2)) {
        return -1.0;
    }
    return static_cast<FLOAT64>(source - 1);
}

}  // namespace

GAUGEHDR gauge_Bendix_DME = gauge_header({
    .name = "Bendix_DME",
    .width_mm = 100,
    .elements = elements,
    .mouse_rects = mouse_rects,
});
