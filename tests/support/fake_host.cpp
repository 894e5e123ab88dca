#include "fake_host.h"

namespace {

// The host calls services without a context argument: one fake host at a time.
FakeHost* active = nullptr;

HOST_BOOL HOST_CALL panel_window_toggle(UINT32 id) {
    active->window_toggles.push_back(id);
    return 1;
}

UINT32 HOST_CALL trigger_key_event(UINT32 id, UINT32 value) {
    active->key_events.push_back({id, value});
    return 0;
}

void HOST_CALL lookup_var(MODULE_VAR* var) {
    active->lookups.push_back(var->token);
    if (auto p = active->packed.find(var->token); p != active->packed.end()) {
        var->value.number = 0.0;
        var->value.packed = p->second;
    } else if (auto n = active->numbers.find(var->token); n != active->numbers.end()) {
        var->value.number = n->second;
    } else {
        var->value.number = active->other_numbers;
    }
}

HOST_BOOL HOST_CALL execute_calculator_code(const char* code, FLOAT64* number, SINT32*, const char**) {
    active->calculations.emplace_back(code);
    auto found = active->calculator.find(code);
    if (found == active->calculator.end()) {
        return 0;
    }
    *number = found->second;
    return 1;
}

}  // namespace

FakeHost::FakeHost(GAUGESIMPORT& imports) : imports_(imports) {
    table_[SERVICE_PANEL_WINDOW_TOGGLE] = reinterpret_cast<HOST_SERVICE>(panel_window_toggle);
    table_[SERVICE_TRIGGER_KEY_EVENT] = reinterpret_cast<HOST_SERVICE>(trigger_key_event);
    table_[SERVICE_LOOKUP_VAR] = reinterpret_cast<HOST_SERVICE>(lookup_var);
    table_[SERVICE_EXECUTE_CALCULATOR_CODE] = reinterpret_cast<HOST_SERVICE>(execute_calculator_code);
    active = this;
    imports_.entries[0].table = table_;
}

FakeHost::~FakeHost() {
    imports_.entries[0].table = nullptr;
    active = nullptr;
}

void FakeHost::clear_log() {
    key_events.clear();
    window_toggles.clear();
    lookups.clear();
    calculations.clear();
}

void pre_install(GAUGEHDR* gauge, const char* parameters, WORD_PTR module_handle) {
    gauge->parameters = parameters;
    send_service(gauge, PANEL_SERVICE_PRE_INSTALL, module_handle);
}

void send_service(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra) {
    if (gauge->callback != nullptr) {
        gauge->callback(gauge, service_id, extra);
    }
}

HOST_BOOL click(GAUGEHDR* gauge, std::size_t index, UINT32 mouse_flags, PIXPOINT point) {
    MOUSERECT* rect = &gauge->mouse_rects[index];
    MOUSE_CLICK record = {point, gauge, rect};
    return rect->function != nullptr ? rect->function(&record, mouse_flags) : 0;
}
