// Reaching a gauge's elements and mouse areas the way the host walks them.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "frame/host_types.h"

// Child `index` of an element, or null when the list is shorter.
inline ELEMENT_HEADER* child_of(const ELEMENT_HEADER* element, std::size_t index = 0) {
    if (element == nullptr || element->next_element == nullptr) {
        return nullptr;
    }
    for (std::size_t i = 0; i <= index; ++i) {
        if (element->next_element[i] == nullptr) {
            return nullptr;
        }
    }
    return element->next_element[index];
}

// The element `depth` levels down a chain of first children of the background.
inline ELEMENT_HEADER* first_child_chain(const GAUGEHDR* gauge, std::size_t depth) {
    ELEMENT_HEADER* e = gauge->elements[0];
    for (std::size_t i = 0; i < depth && e != nullptr; ++i) {
        e = child_of(e);
    }
    return e;
}

// Every element of the tree in drawing order.
inline void collect_elements(ELEMENT_HEADER* e, std::vector<ELEMENT_HEADER*>& out) {
    out.push_back(e);
    if (e->next_element != nullptr) {
        for (ELEMENT_LIST* c = e->next_element; *c != nullptr; ++c) {
            collect_elements(*c, out);
        }
    }
}

inline std::vector<ELEMENT_HEADER*> all_elements(const GAUGEHDR* gauge) {
    std::vector<ELEMENT_HEADER*> out;
    collect_elements(gauge->elements[0], out);
    return out;
}

template <typename T>
T* as(ELEMENT_HEADER* e) {
    return reinterpret_cast<T*>(e);
}

// Failure pairs of an element up to the terminating key 0.
inline std::vector<std::pair<UINT32, UINT32>> failures_of(const ELEMENT_HEADER* e) {
    std::vector<std::pair<UINT32, UINT32>> out;
    for (const FAILURE_RECORD* f = e->failures; f != nullptr && f->key != 0; ++f) {
        out.emplace_back(f->key, f->action);
    }
    return out;
}

// Index of the first clickable area with this cursor, or -1.
inline int child_area_with_cursor(const GAUGEHDR* gauge, SINT32 cursor) {
    for (int i = 0; gauge->mouse_rects[i].rect_type != MOUSE_RECT_END; ++i) {
        const MOUSERECT& r = gauge->mouse_rects[i];
        if (r.rect_type == MOUSE_RECT_CHILD && r.cursor == cursor) {
            return i;
        }
    }
    return -1;
}
