// The panel service table the host writes into the module's ImportTable.
// Positions 35, 36, 40 and 69 reach the host; every other position is a trap
// that names the position and stops the program, since the caller's
// arguments are unknown and nothing sensible can be returned.
#pragma once

#include <cstddef>
#include <functional>

#include "frame/host_types.h"

namespace host {

class Simulation;
class Calculator;

struct ServiceTargets {
    Simulation* simulation = nullptr;
    Calculator* calculator = nullptr;
    std::function<void(UINT32 panel_id)> panel_window_toggle;
    // Called with each calculator failure message.
    std::function<void(const char* message)> warn;
};

constexpr std::size_t SERVICE_TABLE_SIZE = 128;

class ServiceTable {
public:
    // The services have no context argument: the table in use is the one
    // active instance, set by install() and cleared by the destructor.
    explicit ServiceTable(ServiceTargets targets);
    ~ServiceTable();
    ServiceTable(const ServiceTable&) = delete;
    ServiceTable& operator=(const ServiceTable&) = delete;

    // Writes the table into the module's import record and makes this the
    // active instance.
    void install(GAUGESIMPORT& imports);
    const HOST_SERVICE* entries() const { return entries_; }

    static ServiceTable* active() { return active_; }
    const ServiceTargets& targets() const { return targets_; }

private:
    ServiceTargets targets_;
    HOST_SERVICE entries_[SERVICE_TABLE_SIZE];
    static ServiceTable* active_;
};

}  // namespace host
