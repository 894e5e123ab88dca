#include "module_frame.h"

#include "support/element_walk.h"

#include <benchmark/benchmark.h>

#include <array>
#include <type_traits>

namespace {

// The stub services: one frame's table of values by token, and counts.
constexpr std::size_t TABLE_SIZE = 1024;
std::array<FLOAT64, TABLE_SIZE> values = [] {
    std::array<FLOAT64, TABLE_SIZE> v{};
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = 0.37 * static_cast<double>(i % 97);
    return v;
}();
unsigned long key_event_count = 0;

void HOST_CALL lookup_var(MODULE_VAR* var) { var->value.number = values[var->token % TABLE_SIZE]; }
UINT32 HOST_CALL trigger_key_event(UINT32, UINT32) {
    ++key_event_count;
    return 0;
}
HOST_BOOL HOST_CALL panel_window_toggle(UINT32) { return 1; }
HOST_BOOL HOST_CALL execute_calculator_code(const char*, FLOAT64* number, SINT32*, const char**) {
    if (number != nullptr) *number = values[1];
    return 1;
}
HOST_SERVICE services[SERVICE_TABLE_MIN_SIZE] = {};

// The host reads an element's variable before calling it.
void read_var(const ModuleFrame::Call& c) {
    auto* var = static_cast<MODULE_VAR*>(c.argument);
    var->previous_value = var->value;
    var->value.number = values[var->token % TABLE_SIZE];
}

template <typename Element>
void call_element(const ModuleFrame::Call& c) {
    using Callback = FLOAT64(HOST_CALL*)(Element*);
    benchmark::DoNotOptimize(reinterpret_cast<Callback>(c.function)(static_cast<Element*>(c.argument)));
}
template <typename Element>
FLOAT64 HOST_CALL empty_element(Element*) {
    return 0;
}

void call_update(const ModuleFrame::Call& c) {
    reinterpret_cast<GAUGE_CALLBACK>(c.function)(static_cast<GAUGEHDR*>(c.argument), PANEL_SERVICE_PRE_UPDATE, 0);
}
void HOST_CALL empty_update(GAUGEHDR*, UINT32, WORD_PTR) {}

void call_mouse(const ModuleFrame::Call& c) {
    benchmark::DoNotOptimize(
        reinterpret_cast<MOUSE_FUNCTION>(c.function)(static_cast<MOUSE_CLICK*>(c.argument), MOUSE_LEFT_SINGLE));
}
HOST_BOOL HOST_CALL empty_mouse(MOUSE_CLICK*, UINT32) { return 0; }

using TooltipArgument = ModuleFrame::TooltipArgument;
void call_tooltip_number(const ModuleFrame::Call& c) {
    auto* t = static_cast<TooltipArgument*>(c.argument);
    benchmark::DoNotOptimize(reinterpret_cast<TOOLTIP_NUMBER_CALLBACK>(c.function)(
        t->arg->source_var.value.number, t->arg->source_var.token, nullptr, &t->arg->source_var, t->gauge));
}
FLOAT64 HOST_CALL empty_tooltip_number(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return 0; }
void call_tooltip_text(const ModuleFrame::Call& c) {
    auto* t = static_cast<TooltipArgument*>(c.argument);
    benchmark::DoNotOptimize(reinterpret_cast<TOOLTIP_TEXT_CALLBACK>(c.function)(
        t->arg->source_var.value.number, t->arg->source_var.token, nullptr, &t->arg->source_var, t->gauge));
}
const char* HOST_CALL empty_tooltip_text(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return ""; }

void* as_pointer(auto function) { return reinterpret_cast<void*>(function); }

}  // namespace

ModuleFrame::ModuleFrame(GAUGESLINKAGE& linkage, GAUGESIMPORT& imports, WORD_PTR module_handle,
                         const std::vector<std::pair<std::string, std::string>>& parameters_of)
    : linkage_(linkage), imports_(imports) {
    services[SERVICE_PANEL_WINDOW_TOGGLE] = reinterpret_cast<HOST_SERVICE>(panel_window_toggle);
    services[SERVICE_TRIGGER_KEY_EVENT] = reinterpret_cast<HOST_SERVICE>(trigger_key_event);
    services[SERVICE_LOOKUP_VAR] = reinterpret_cast<HOST_SERVICE>(lookup_var);
    services[SERVICE_EXECUTE_CALCULATOR_CODE] = reinterpret_cast<HOST_SERVICE>(execute_calculator_code);
    imports_.entries[0].table = services;
    key_event_count = 0;

    for (GAUGEHDR* const* g = linkage_.gauges; *g != nullptr; ++g) {
        GAUGEHDR* gauge = *g;
        const std::string* parameters = nullptr;
        for (const auto& [name, text] : parameters_of) {
            if (parameters == nullptr && name == gauge->name) parameters = &parameters_.emplace_back(text);
        }
        gauge->parameters = parameters != nullptr ? parameters->c_str() : "";
        if (gauge->callback != nullptr) gauge->callback(gauge, PANEL_SERVICE_PRE_INSTALL, module_handle);

        if (gauge->callback != nullptr) add(call_update, as_pointer(gauge->callback), gauge, as_pointer(empty_update));
        auto variable = [this](MODULE_VAR& var) { add(read_var, nullptr, &var, nullptr); };
        auto call = [this](auto* e, auto callback) {
            using Element = std::remove_pointer_t<decltype(e)>;
            if constexpr (std::is_same_v<Element, ELEMENT_STRING>) {
                e->text = texts_.emplace_back(e->max_chars + 1, '\0').data();
                strings_.push_back(e);
            }
            if (callback != nullptr) add(call_element<Element>, as_pointer(callback), e, as_pointer(empty_element<Element>));
        };
        if (gauge->elements != nullptr) {
            for (ELEMENT_LIST* e = gauge->elements; *e != nullptr; ++e) walk_elements(*e, variable, call);
        }
        if (gauge->mouse_rects == nullptr) continue;
        for (MOUSERECT* r = gauge->mouse_rects; r->rect_type != MOUSE_RECT_END; ++r) {
            if (r->rect_type == MOUSE_RECT_CHILD && r->function != nullptr) {
                MOUSE_CLICK& click = clicks_.emplace_back(MOUSE_CLICK{{r->box.width / 2, r->box.height / 2}, gauge, r});
                add(call_mouse, as_pointer(r->function), &click, as_pointer(empty_mouse));
            } else if (r->rect_type == MOUSE_RECT_TOOLTIP && r->args != nullptr) {
                for (UINT32 i = 0; i < r->event_id; ++i) {
                    TooltipArgument& t = tooltip_arguments_.emplace_back(TooltipArgument{&r->args[i], gauge});
                    add(read_var, nullptr, &t.arg->source_var, nullptr);
                    if (t.arg->number_callback != nullptr) {
                        add(call_tooltip_number, as_pointer(t.arg->number_callback), &t, as_pointer(empty_tooltip_number));
                    }
                    if (t.arg->text_callback != nullptr) {
                        add(call_tooltip_text, as_pointer(t.arg->text_callback), &t, as_pointer(empty_tooltip_text));
                    }
                }
            }
        }
    }
}

ModuleFrame::~ModuleFrame() {
    for (GAUGEHDR* const* g = linkage_.gauges; *g != nullptr; ++g) {
        if ((*g)->callback != nullptr) (*g)->callback(*g, PANEL_SERVICE_PRE_KILL, 0);
        (*g)->parameters = nullptr;
    }
    for (ELEMENT_STRING* s : strings_) s->text = nullptr;
    imports_.entries[0].table = nullptr;
}

void ModuleFrame::add(void (*thunk)(const Call&), void* function, void* argument, void* empty_function) {
    real_.push_back({thunk, function, argument});
    empty_.push_back({thunk, empty_function, argument});
}

void ModuleFrame::run() {
    for (const Call& c : real_) c.thunk(c);
}

void ModuleFrame::run_empty() {
    for (const Call& c : empty_) c.thunk(c);
}

unsigned long ModuleFrame::key_events() const { return key_event_count; }
