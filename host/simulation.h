// The simulation the gauges read and drive: variables by token, named
// variables for calculator expressions, active failures, key events with
// their handlers, and the frame clock.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "frame/host_types.h"
#include "host/key_event_log.h"

namespace host {

// Radio frequency and squawk tokens hold a packed-decimal 32-bit integer in
// the first four bytes of the value; every other token is a 64-bit float.
enum class ValueKind { Number, Packed };

struct VariableInfo {
    UINT32 token;
    const char* name;
    const char* unit;
    ValueKind kind;
    double initial;  // packed tokens: the integer, written in hex in the table
};

// The tokens the module reads, with their units and start values.
const std::vector<VariableInfo>& standard_variables();

constexpr double FRAMES_PER_SECOND = 18.0;

class Simulation {
public:
    using KeyHandler = std::function<void(Simulation&, UINT32 value)>;

    // Starts with every standard variable at its initial value and the
    // standard key handlers installed.
    Simulation();

    // Variables by token. Unknown tokens read as 0.0 and are remembered.
    double number(UINT32 token) const;
    void set_number(UINT32 token, double value);
    UINT32 packed(UINT32 token) const;
    void set_packed(UINT32 token, UINT32 value);
    bool is_packed(UINT32 token) const;
    // The value as a gauge element sees it: packed tokens as their integer.
    double element_value(UINT32 token) const;
    // Fills the record's value the way lookup_var does; the previous value
    // takes the record's old value.
    void lookup(MODULE_VAR& var);
    const std::set<UINT32>& unknown_tokens() const { return unknown_tokens_; }
    // Whether the token is one of the simulation's variables (standard or set since).
    bool has(UINT32 token) const { return variables_.count(token) != 0; }

    // Variables by name for calculator expressions, each in one fixed unit.
    struct NamedVariable {
        double value;
        std::string unit;
    };
    std::optional<NamedVariable> named(const std::string& name) const;
    void set_named(const std::string& name, double value, const std::string& unit);
    void set_named(const std::string& name, double value);

    // Key events. A handler replaces any earlier one for the same event.
    void on_key(UINT32 event, KeyHandler handler);
    void remove_key_handler(UINT32 event) { handlers_.erase(event); }
    bool has_handler(UINT32 event) const { return handlers_.count(event) != 0; }
    void trigger_key_event(UINT32 event, UINT32 value, EventSource source);
    KeyEventLog& key_log() { return key_log_; }
    const KeyEventLog& key_log() const { return key_log_; }

    // Failures by key (2 engine, 3 altimeter, 6 airspeed, 8 attitude,
    // 12 compass, 14 NAV1, 15 NAV2, 18 turn coordinator, 19 vertical speed,
    // 20 electrical, 21 avionics).
    void set_failure(UINT32 key, bool active);
    bool failure_active(UINT32 key) const { return failures_.count(key) != 0; }

    long frame() const { return frame_; }
    void advance_frame() { ++frame_; }

    // Models that derive variables from others (the radio receivers from the
    // aircraft's position, the engine and systems) or move them over time
    // (parts travelling), run at the start of every frame in the order added.
    using FrameModel = std::function<void(Simulation&)>;
    void add_frame_model(FrameModel model) { frame_models_.push_back(std::move(model)); }
    void run_frame_models();

private:
    struct Variable {
        ValueKind kind;
        double number;
        UINT32 packed;
    };
    const Variable* find(UINT32 token) const;

    std::map<UINT32, Variable> variables_;
    mutable std::set<UINT32> unknown_tokens_;
    std::map<std::string, NamedVariable> named_;
    std::map<UINT32, KeyHandler> handlers_;
    std::set<UINT32> failures_;
    KeyEventLog key_log_;
    std::vector<FrameModel> frame_models_;
    long frame_ = 0;
};

// The simple events whose effect is obvious: two-state toggles and the clock.
void install_standard_key_handlers(Simulation& simulation);

}  // namespace host
