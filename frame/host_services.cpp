#include "frame/host_services.h"

namespace {

template <typename Fn>
Fn service(SERVICE_POSITION position) {
    // volatile: the host may fill the table at any time before a call.
    const HOST_SERVICE* table = *static_cast<const HOST_SERVICE* volatile*>(&ImportTable.entries[0].table);
    if (table == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Fn>(table[position]);
}

}  // namespace

HOST_BOOL host_panel_window_toggle(UINT32 panel_id) {
    auto fn = service<PANEL_WINDOW_TOGGLE_FN>(SERVICE_PANEL_WINDOW_TOGGLE);
    return fn != nullptr ? fn(panel_id) : 0;
}

void host_trigger_key_event(UINT32 event_id, UINT32 value) {
    if (auto fn = service<TRIGGER_KEY_EVENT_FN>(SERVICE_TRIGGER_KEY_EVENT)) {
        fn(event_id, value);
    }
}

void host_lookup_var(MODULE_VAR* var) {
    if (auto fn = service<LOOKUP_VAR_FN>(SERVICE_LOOKUP_VAR)) {
        fn(var);
    }
}

FLOAT64 host_lookup_number(UINT32 token) {
    MODULE_VAR var{};
    var.token = token;
    host_lookup_var(&var);
    return var.value.number;
}

bool host_execute_calculator_code(const char* code, FLOAT64* result) {
    auto fn = service<EXECUTE_CALCULATOR_CODE_FN>(SERVICE_EXECUTE_CALCULATOR_CODE);
    if (fn == nullptr) {
        return false;
    }
    fn(code, result, nullptr, nullptr);
    return true;
}
