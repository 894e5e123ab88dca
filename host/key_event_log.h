// Every key event that reaches the simulation, in order, with its origin.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

enum class EventSource {
    Module,    // trigger_key_event from a gauge
    Host,      // a mouse rectangle's own event, sent by the host
    Scenario,  // sent directly by a scenario or the user
};

const char* to_string(EventSource source);

struct KeyEvent {
    long frame;
    std::uint32_t id;
    std::uint32_t value;
    EventSource source;
    bool handled;  // the simulation has a handler for it
};

class KeyEventLog {
public:
    void add(const KeyEvent& event) { events_.push_back(event); }
    const std::vector<KeyEvent>& events() const { return events_; }
    void clear() { events_.clear(); }
    // "frame 12: 0x103CA 50 (module)"
    static std::string format(const KeyEvent& event);

private:
    std::vector<KeyEvent> events_;
};

}  // namespace host
