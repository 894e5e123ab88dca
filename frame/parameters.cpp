#include "frame/parameters.h"

#include <cstdint>

namespace {

struct NamedId {
    const char* name;
    SINT32 id;
};

// Tested in this order; a name matches only at the very start of the value.
constexpr NamedId PANEL_NAMES[] = {
    {"MAIN_PANEL", 0},
    {"RADIO_STACK_PANEL", 50},
    {"COMPASS_PANEL", 75},
    {"ANNUNCIATOR_PANEL", 125},
    {"ANNUNCIATOR2_PANEL", 150},
    {"COLLECTIVE_PANEL", 200},
    {"THROTTLE_PANEL", 10},
    {"MINI_CONTROLS_PANEL", 100},
    {"IFR_MAIN_PANEL", 175},
    {"GPS_PANEL", 225},
    {"OVERHEAD_PANEL", 250},
};

constexpr NamedId HELP_NAMES[] = {
    {"TOGGLE_RADIO_WINDOW", 0xAB86},
    {"TOGGLE_GPS_WINDOW", 0xAB87},
    {"TOGGLE_THROTTLE_WINDOW", 0xAB88},
    {"TOGGLE_COMPASS_WINDOW", 0xAB89},
    {"TOGGLE_FUEL_WINDOW", 0xAB8A},
    {"TOGGLE_COLLECTIVE_WINDOW", 0xAB8B},
};

constexpr SINT32 FIRST_HELP_ID = 0xA000;

bool is_comment(char c) {
    return c == '/' || c == '#' || c == '\'';
}

bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Compares byte by byte, so the value is never read past its end.
bool starts_with(const char* text, const char* prefix) {
    for (; *prefix != '\0'; ++text, ++prefix) {
        if (*text != *prefix) {
            return false;
        }
    }
    return true;
}

template <std::size_t N>
const NamedId* find_name(const char* value, const NamedId (&table)[N]) {
    for (const NamedId& entry : table) {
        if (starts_with(value, entry.name)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

const char* param_find_key(const char* text, std::size_t length, char key) {
    if (text == nullptr) {
        return nullptr;
    }
    // One pass: whichever comes first, the key or a comment character, decides.
    for (std::size_t i = 0; i < length && text[i] != '\0'; ++i) {
        if (text[i] == key) {
            return text + i;
        }
        if (is_comment(text[i])) {
            return nullptr;
        }
    }
    return nullptr;
}

SINT32 param_read_int(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    while (is_blank(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == '-' || *text == '+') {
        negative = *text == '-';
        ++text;
    }
    // Magnitude up to 2^31, enough for both limits; further digits are read
    // but change nothing.
    constexpr std::int64_t LIMIT = std::int64_t{1} << 31;
    std::int64_t magnitude = 0;
    for (; is_digit(*text); ++text) {
        if (magnitude < LIMIT) {
            magnitude = magnitude * 10 + (*text - '0');
            if (magnitude > LIMIT) {
                magnitude = LIMIT;
            }
        }
    }
    if (negative) {
        return static_cast<SINT32>(-magnitude);
    }
    return static_cast<SINT32>(magnitude < LIMIT ? magnitude : LIMIT - 1);
}

SINT32 param_panel_id(const char* value) {
    if (param_empty(value)) {
        return -1;
    }
    if (const NamedId* named = find_name(value, PANEL_NAMES)) {
        return named->id;
    }
    return param_read_int(value);
}

UINT32 param_help_id(const char* value) {
    if (param_empty(value)) {
        return 0;
    }
    if (const NamedId* named = find_name(value, HELP_NAMES)) {
        return static_cast<UINT32>(named->id);
    }
    SINT32 number = param_read_int(value);
    return number < FIRST_HELP_ID ? 0 : static_cast<UINT32>(number);
}
