// The radio heads and selectors under test, and how a test reads what they
// show: digits in reading order, icons, the events their areas send.
#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "element_tree.h"
#include "support/fake_host.h"

// The gauges of the hostile-values test: the loaded module, or the radio
// sources linked into the test itself (the sanitizer build, where the state
// of one test carries over to the next).
GAUGEHDR* radio_gauge(const char* name);
GAUGESIMPORT& radio_imports();

// Chain depths of each head's display elements (the element tree is one chain
// under the background), in reading order, left to right.
struct HeadLayout {
    const char* gauge;
    std::vector<int> digits;  // moving images and digit icons
    std::vector<int> lit;     // every element with the lighting step
    int lamp;
    int main_switch;          // -1: the ADF selector
};

inline const HeadLayout HEADS[] = {
    {"Radio_COM1", {4, 3, 2, 1}, {1, 2, 3, 4, 5}, 9, 8},
    {"Radio_COM2", {4, 3, 2, 1}, {1, 2, 3, 4, 5}, 9, 8},
    {"Radio_NAV1", {4, 3, 2, 1}, {1, 2, 3, 4, 5}, 9, 8},
    {"Radio_NAV2", {4, 3, 2, 1}, {1, 2, 3, 4, 5}, 9, 8},
    {"Radio_ADF", {10, 9, 8, 7, 5}, {5, 6, 7, 8, 9, 10}, 11, -1},
    {"Radio_IFF_XPDR", {4, 3, 2, 1}, {1, 2, 3, 4}, 5, 6},
};

inline const HeadLayout& layout_of(const std::string& gauge) {
    for (const HeadLayout& h : HEADS) {
        if (gauge == h.gauge) return h;
    }
    throw std::invalid_argument(gauge);
}

// Calls a display element's callback as the host does and returns its value.
inline FLOAT64 refresh(ELEMENT_HEADER* e) {
    switch (e->element_type) {
    case ELEMENT_TYPE_MOVING_IMAGE: return as<ELEMENT_MOVING_IMAGE>(e)->callback_y(as<ELEMENT_MOVING_IMAGE>(e));
    case ELEMENT_TYPE_ICON: return as<ELEMENT_ICON>(e)->callback(as<ELEMENT_ICON>(e));
    case ELEMENT_TYPE_NEEDLE: return as<ELEMENT_NEEDLE>(e)->callback(as<ELEMENT_NEEDLE>(e));
    default: ADD_FAILURE() << "no value callback on element type " << e->element_type; return -2;
    }
}

// The digit cells the head shows, in reading order ("3697"); '?' for a
// value that is not a whole cell of its element.
inline std::string digits_of(GAUGEHDR* gauge) {
    std::string out;
    for (int depth : layout_of(gauge->name).digits) {
        const FLOAT64 v = refresh(first_child_chain(gauge, depth));
        out += v >= 0 && v <= 9 && v == static_cast<int>(v) ? static_cast<char>('0' + static_cast<int>(v)) : '?';
    }
    return out;
}
