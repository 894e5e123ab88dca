#include "support/gauge_exerciser.h"

#include "support/element_walk.h"

#include <cstring>
#include <type_traits>
#include <vector>

namespace {

constexpr std::size_t CANARY = 16;
constexpr unsigned char CANARY_BYTE = 0xA5;

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
        auto variable = [value](MODULE_VAR& v) { set_var(v, value); };
        auto call = [&](auto* e, auto callback) {
            if (callback == nullptr) return;
            if constexpr (std::is_same_v<decltype(e), ELEMENT_STRING*>) {
                string_pass(e, name, problems);
            } else {
                callback(e);
            }
        };
        for (ELEMENT_LIST* e = gauge->elements; *e != nullptr; ++e) walk_elements(*e, variable, call);
    }
}
