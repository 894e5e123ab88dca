#include "support/gauge_exerciser.h"

#include <cstring>
#include <vector>

namespace {

constexpr std::size_t CANARY = 16;
constexpr unsigned char CANARY_BYTE = 0xA5;
constexpr int MAX_DEPTH = 32;

void set_var(MODULE_VAR& var, FLOAT64 value) {
    var.previous_value = var.value;
    var.value.number = value;
}

void string_pass(ELEMENT_STRING* e, const char* name, std::vector<std::string>& problems) {
    std::vector<char> buffer(e->max_chars + 1 + CANARY, 0);
    std::memset(buffer.data() + e->max_chars + 1, CANARY_BYTE, CANARY);
    e->text = buffer.data();
    e->callback(e);
    bool canary = true;
    for (std::size_t i = e->max_chars + 1; i < buffer.size(); ++i) {
        canary = canary && static_cast<unsigned char>(buffer[i]) == CANARY_BYTE;
    }
    if (!canary || std::memchr(buffer.data(), 0, e->max_chars + 1) == nullptr) {
        problems.push_back(std::string(name) + ": a string element wrote past its " + std::to_string(e->max_chars) +
                           " characters");
    }
    e->text = nullptr;
}

void element_pass(ELEMENT_HEADER* h, FLOAT64 value, const char* name, std::vector<std::string>& problems, int depth) {
    if (h == nullptr || depth > MAX_DEPTH) {
        return;
    }
    switch (h->element_type) {
    case ELEMENT_TYPE_NEEDLE: {
        auto* e = reinterpret_cast<ELEMENT_NEEDLE*>(h);
        set_var(e->source_var, value);
        if (e->callback != nullptr) e->callback(e);
        break;
    }
    case ELEMENT_TYPE_STRING: {
        auto* e = reinterpret_cast<ELEMENT_STRING*>(h);
        for (MODULE_VAR& v : e->source_var) set_var(v, value);
        if (e->callback != nullptr) string_pass(e, name, problems);
        break;
    }
    case ELEMENT_TYPE_SLIDER: {
        auto* e = reinterpret_cast<ELEMENT_SLIDER*>(h);
        set_var(e->source_var_x, value);
        set_var(e->source_var_y, value);
        if (e->callback_x != nullptr) e->callback_x(e);
        if (e->callback_y != nullptr) e->callback_y(e);
        break;
    }
    case ELEMENT_TYPE_ICON: {
        auto* e = reinterpret_cast<ELEMENT_ICON*>(h);
        set_var(e->source_var, value);
        if (e->callback != nullptr) e->callback(e);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        auto* e = reinterpret_cast<ELEMENT_MOVING_IMAGE*>(h);
        set_var(e->source_var_x, value);
        set_var(e->source_var_y, value);
        if (e->callback_x != nullptr) e->callback_x(e);
        if (e->callback_y != nullptr) e->callback_y(e);
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        auto* e = reinterpret_cast<ELEMENT_SPRITE*>(h);
        set_var(e->source_var_x, value);
        set_var(e->source_var_y, value);
        set_var(e->source_var_angle, value);
        if (e->callback_x != nullptr) e->callback_x(e);
        if (e->callback_y != nullptr) e->callback_y(e);
        if (e->callback_angle != nullptr) e->callback_angle(e);
        break;
    }
    default:
        break;
    }
    if (h->next_element != nullptr) {
        for (ELEMENT_LIST* child = h->next_element; *child != nullptr; ++child) {
            element_pass(*child, value, name, problems, depth + 1);
        }
    }
}

void mouse_pass(GAUGEHDR* gauge, FLOAT64 value) {
    if (gauge->mouse_rects == nullptr) {
        return;
    }
    const UINT32 modes[] = {MOUSE_LEFT_SINGLE,
                            MOUSE_RIGHT_SINGLE,
                            MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT,
                            MOUSE_LEFT_SINGLE | MOUSE_MOVE_REPEAT,
                            MOUSE_RIGHT_SINGLE | MOUSE_MOVE_REPEAT};
    for (MOUSERECT* r = gauge->mouse_rects; r->rect_type != MOUSE_RECT_END; ++r) {
        if (r->rect_type == MOUSE_RECT_CHILD && r->function != nullptr) {
            // Inside, at both corners, and far outside as a drag may be.
            const PIXPOINT points[] = {{0, 0}, {r->box.width - 1, r->box.height - 1}, {-100000, 100000}};
            for (UINT32 flags : modes) {
                for (PIXPOINT p : points) {
                    MOUSE_CLICK click = {p, gauge, r};
                    r->function(&click, flags);
                }
            }
        } else if (r->rect_type == MOUSE_RECT_TOOLTIP && r->args != nullptr) {
            for (UINT32 i = 0; i < r->event_id; ++i) {
                MOUSE_ARG& a = r->args[i];
                set_var(a.source_var, value);
                if (a.number_callback != nullptr) a.number_callback(value, a.source_var.token, nullptr, &a.source_var, gauge);
                if (a.text_callback != nullptr) {
                    const char* text = a.text_callback(value, a.source_var.token, nullptr, &a.source_var, gauge);
                    if (text != nullptr) (void)std::strlen(text);
                }
            }
        }
    }
}

}  // namespace

void exercise_gauge(GAUGEHDR* gauge, FLOAT64 value, std::vector<std::string>& problems) {
    update_gauge(gauge, value, problems);
    click_gauge(gauge, value);
}

void click_gauge(GAUGEHDR* gauge, FLOAT64 value) { mouse_pass(gauge, value); }

void update_gauge(GAUGEHDR* gauge, FLOAT64 value, std::vector<std::string>& problems) {
    const char* name = gauge->name != nullptr ? gauge->name : "?";
    if (gauge->callback != nullptr) {
        gauge->callback(gauge, PANEL_SERVICE_PRE_UPDATE, 0);
    }
    if (gauge->elements != nullptr) {
        for (ELEMENT_LIST* e = gauge->elements; *e != nullptr; ++e) {
            element_pass(*e, value, name, problems, 0);
        }
    }
}
