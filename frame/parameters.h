// Scanning of the free-text parameter strings that the panel configuration
// gives each placed gauge.
//
// The strings belong to the host and may live in read-only memory: nothing
// here writes through a parameter pointer. Every function accepts a null text.
// A text ends at its terminating zero byte, or earlier where a length is given.
#pragma once

#include <cstddef>

#include "frame/host_types.h"

constexpr std::size_t PARAM_UNBOUNDED = static_cast<std::size_t>(-1);

// First occurrence of `key` in the first `length` bytes of `text`, or null.
// A '/', '#' or '\'' before that occurrence starts a comment and hides the
// key, even if it occurs again later. A repeated search passes the position
// one byte after the previous match, so the comment characters are looked
// for from there on.
const char* param_find_key(const char* text, std::size_t length, char key);

inline const char* param_find_key(const char* text, char key) {
    return param_find_key(text, PARAM_UNBOUNDED, key);
}

// The value text of a match: everything after the key letter.
inline const char* param_value(const char* match) {
    return match != nullptr ? match + 1 : nullptr;
}

inline bool param_empty(const char* text) {
    return text == nullptr || text[0] == '\0';
}

// Decimal integer at the start of `text`: leading blanks (space, tab, line
// and page breaks) and one sign are skipped, reading stops at the first byte
// that is not an ASCII digit, and no digit reads as 0. Saturates at the signed
// 32-bit limits.
SINT32 param_read_int(const char* text);

// Panel id of a value text: a known panel name at its very start
// ("MAIN_PANEL" 0, "RADIO_STACK_PANEL" 50, ...), otherwise its decimal
// integer; -1 (no panel) for a null or empty text.
SINT32 param_panel_id(const char* value);

// Help text id of a value text: a known window name at its very start
// ("TOGGLE_RADIO_WINDOW" 0xAB86, ...), otherwise its decimal integer; 0 (no
// help) for a null or empty text and for any number below 0xA000, negative
// numbers included.
UINT32 param_help_id(const char* value);
