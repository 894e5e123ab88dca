// Walks a gauge's element tree, depth first, as the host updates it: for
// each element, `variable(var)` for every variable the host reads, then
// `call(element, callback)` for each of its value callbacks in the
// element's own type (null where the records give none; a slider or moving
// image has two, a sprite three).
#pragma once

#include "frame/host_types.h"

template <typename Variable, typename Call>
void walk_elements(ELEMENT_HEADER* h, Variable&& variable, Call&& call, int depth = 0) {
    constexpr int MAX_DEPTH = 32;
    if (h == nullptr || depth > MAX_DEPTH) return;
    switch (h->element_type) {
    case ELEMENT_TYPE_NEEDLE: {
        auto* e = reinterpret_cast<ELEMENT_NEEDLE*>(h);
        variable(e->source_var);
        call(e, e->callback);
        break;
    }
    case ELEMENT_TYPE_STRING: {
        auto* e = reinterpret_cast<ELEMENT_STRING*>(h);
        for (MODULE_VAR& v : e->source_var) variable(v);
        call(e, e->callback);
        break;
    }
    case ELEMENT_TYPE_SLIDER: {
        auto* e = reinterpret_cast<ELEMENT_SLIDER*>(h);
        variable(e->source_var_x);
        variable(e->source_var_y);
        call(e, e->callback_x);
        call(e, e->callback_y);
        break;
    }
    case ELEMENT_TYPE_ICON: {
        auto* e = reinterpret_cast<ELEMENT_ICON*>(h);
        variable(e->source_var);
        call(e, e->callback);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        auto* e = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(h);
        variable(e->source_var_x);
        variable(e->source_var_y);
        call(e, e->callback_x);
        call(e, e->callback_y);
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        auto* e = reinterpret_cast<ELEMENT_SPRITE*>(h);
        variable(e->source_var_x);
        variable(e->source_var_y);
        variable(e->source_var_angle);
        call(e, e->callback_x);
        call(e, e->callback_y);
        call(e, e->callback_angle);
        break;
    }
    default:
        break;
    }
    if (h->next_element != nullptr) {
        for (ELEMENT_LIST* child = h->next_element; *child != nullptr; ++child) {
            walk_elements(*child, variable, call, depth + 1);
        }
    }
}
