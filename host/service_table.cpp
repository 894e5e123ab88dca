#include "host/service_table.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "host/calculator.h"
#include "host/simulation.h"

namespace host {

ServiceTable* ServiceTable::active_ = nullptr;

namespace {

const ServiceTargets* targets() {
    ServiceTable* table = ServiceTable::active();
    return table != nullptr ? &table->targets() : nullptr;
}

HOST_BOOL HOST_CALL panel_window_toggle(UINT32 panel_id) {
    const ServiceTargets* t = targets();
    if (t == nullptr || !t->panel_window_toggle) {
        return 0;
    }
    t->panel_window_toggle(panel_id);
    return 1;
}

UINT32 HOST_CALL trigger_key_event(UINT32 event_id, UINT32 value) {
    const ServiceTargets* t = targets();
    if (t != nullptr && t->simulation != nullptr) {
        t->simulation->trigger_key_event(event_id, value, EventSource::Module);
    }
    return 0;
}

void HOST_CALL lookup_var(MODULE_VAR* var) {
    const ServiceTargets* t = targets();
    if (var != nullptr && t != nullptr && t->simulation != nullptr) {
        t->simulation->lookup(*var);
    }
}

HOST_BOOL HOST_CALL execute_calculator_code(const char* code, FLOAT64* number, SINT32* integer, const char** text) {
    const ServiceTargets* t = targets();
    if (code == nullptr || t == nullptr || t->calculator == nullptr) {
        return 0;
    }
    auto value = t->calculator->evaluate(code);
    if (!value) {
        if (t->warn) {
            t->warn(t->calculator->last_error().c_str());
        }
        return 0;
    }
    if (number != nullptr) {
        *number = *value;
    }
    if (integer != nullptr) {
        *integer = static_cast<SINT32>(*value);  // the calculator's values are small
    }
    if (text != nullptr) {
        *text = nullptr;
    }
    return 1;
}

// One trap per position, so the report can name it.
template <std::size_t Position>
void HOST_CALL trap() {
    std::fflush(stdout);
    std::fprintf(stderr,
                 "panel host: the module called host service position %u, which this host does not provide "
                 "(only 35 panel_window_toggle, 36 trigger_key_event, 40 lookup_var and 69 "
                 "execute_calculator_code)\n",
                 static_cast<unsigned>(Position));
    std::fflush(stderr);
    std::_Exit(70);
}

template <std::size_t... Positions>
void fill_traps(HOST_SERVICE* entries, std::index_sequence<Positions...>) {
    ((entries[Positions] = &trap<Positions>), ...);
}

}  // namespace

ServiceTable::ServiceTable(ServiceTargets targets) : targets_(std::move(targets)) {
    fill_traps(entries_, std::make_index_sequence<SERVICE_TABLE_SIZE>{});
    entries_[SERVICE_PANEL_WINDOW_TOGGLE] = reinterpret_cast<HOST_SERVICE>(&panel_window_toggle);
    entries_[SERVICE_TRIGGER_KEY_EVENT] = reinterpret_cast<HOST_SERVICE>(&trigger_key_event);
    entries_[SERVICE_LOOKUP_VAR] = reinterpret_cast<HOST_SERVICE>(&lookup_var);
    entries_[SERVICE_EXECUTE_CALCULATOR_CODE] = reinterpret_cast<HOST_SERVICE>(&execute_calculator_code);
}

ServiceTable::~ServiceTable() {
    if (active_ == this) {
        active_ = nullptr;
    }
}

void ServiceTable::install(GAUGESIMPORT& imports) {
    imports.entries[0].table = entries_;
    active_ = this;
}

}  // namespace host
