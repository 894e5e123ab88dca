#include "host/simulation.h"

#include <cmath>

#include "host/engine_model.h"
#include "host/controls_model.h"
#include "host/flight_models.h"
#include "host/radio_model.h"

namespace host {

Simulation::Simulation() {
    for (const VariableInfo& info : standard_variables()) {
        Variable v{info.kind, 0.0, 0};
        if (info.kind == ValueKind::Packed) {
            v.packed = static_cast<UINT32>(info.initial);
        } else {
            v.number = info.initial;
        }
        variables_[info.token] = v;
    }
    set_named("RECIP CARBURETOR TEMPERATURE:1", 5.0, "celsius");
    install_standard_key_handlers(*this);
    install_cockpit_key_handlers(*this);
    install_flight_instrument_key_handlers(*this);
    install_radio_key_handlers(*this);
    add_frame_model(update_receivers);
    install_engine_model(*this);
    install_controls_model(*this);
}

const Simulation::Variable* Simulation::find(UINT32 token) const {
    auto found = variables_.find(token);
    if (found == variables_.end()) {
        unknown_tokens_.insert(token);
        return nullptr;
    }
    return &found->second;
}

double Simulation::number(UINT32 token) const {
    const Variable* v = find(token);
    return v != nullptr && v->kind == ValueKind::Number ? v->number : 0.0;
}

void Simulation::set_number(UINT32 token, double value) {
    Variable& v = variables_[token];
    v.kind = ValueKind::Number;
    v.number = value;
}

UINT32 Simulation::packed(UINT32 token) const {
    const Variable* v = find(token);
    return v != nullptr && v->kind == ValueKind::Packed ? v->packed : 0;
}

void Simulation::set_packed(UINT32 token, UINT32 value) {
    Variable& v = variables_[token];
    v.kind = ValueKind::Packed;
    v.packed = value;
}

bool Simulation::is_packed(UINT32 token) const {
    auto found = variables_.find(token);
    return found != variables_.end() && found->second.kind == ValueKind::Packed;
}

double Simulation::element_value(UINT32 token) const {
    return is_packed(token) ? static_cast<double>(packed(token)) : number(token);
}

void Simulation::lookup(MODULE_VAR& var) {
    var.previous_value = var.value;
    const Variable* v = find(var.token);
    var.value.number = 0.0;
    if (v == nullptr) {
        return;
    }
    if (v->kind == ValueKind::Packed) {
        var.value.packed = v->packed;
    } else {
        var.value.number = v->number;
    }
}

std::optional<Simulation::NamedVariable> Simulation::named(const std::string& name) const {
    auto found = named_.find(name);
    if (found == named_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void Simulation::set_named(const std::string& name, double value, const std::string& unit) {
    named_[name] = {value, unit};
}

void Simulation::set_named(const std::string& name, double value) {
    auto found = named_.find(name);
    set_named(name, value, found != named_.end() ? found->second.unit : std::string("number"));
}

void Simulation::on_key(UINT32 event, KeyHandler handler) { handlers_[event] = std::move(handler); }

void Simulation::trigger_key_event(UINT32 event, UINT32 value, EventSource source) {
    auto found = handlers_.find(event);
    key_log_.add({frame_, event, value, source, found != handlers_.end()});
    if (found != handlers_.end()) {
        // Copy: a handler may install other handlers.
        KeyHandler handler = found->second;
        handler(*this, value);
    }
}

void Simulation::run_frame_models() {
    for (const FrameModel& model : frame_models_) {
        model(*this);
    }
}

void Simulation::set_failure(UINT32 key, bool active) {
    if (active) {
        failures_.insert(key);
    } else {
        failures_.erase(key);
    }
}

void install_standard_key_handlers(Simulation& simulation) {
    struct Toggle {
        UINT32 event;
        UINT32 token;
    };
    static const Toggle toggles[] = {
        {0x102F5, 740},  // avionics master
        {0x102BF, 368},  // beacon lights
        {0x100D7, 14},   // landing lights
        {0x1034B, 619},  // navigation lights
        {0x100D6, 10},   // panel lights
        {0x10142, 13},   // pitot heat
        {0x10018, 11},   // strobe lights
        {0x102C0, 369},  // taxi lights
        {0x102C1, 759},  // battery master
        {0x102C2, 761},  // generator
    };
    for (const Toggle& t : toggles) {
        UINT32 token = t.token;
        simulation.on_key(t.event, [token](Simulation& sim, UINT32) {
            sim.set_number(token, sim.number(token) > 0.0 ? 0.0 : 1.0);
        });
    }
    // Clock: set the hour or the minute of the time of day, keeping the rest.
    simulation.on_key(0x101FC, [](Simulation& sim, UINT32 hours) {
        double t = sim.number(557);
        double within_hour = t - std::floor(t / 3600.0) * 3600.0;
        sim.set_number(557, (hours % 24) * 3600.0 + within_hour);
    });
    simulation.on_key(0x101FD, [](Simulation& sim, UINT32 minutes) {
        double t = sim.number(557);
        double hour_start = std::floor(t / 3600.0) * 3600.0;
        double seconds = t - hour_start - std::floor((t - hour_start) / 60.0) * 60.0;
        sim.set_number(557, hour_start + (minutes % 60) * 60.0 + seconds);
    });
}

}  // namespace host
