// A stand-in for the host's service table in module tests: records the
// panel-window toggles and key events the module sends and answers variable
// lookups from a table of values by token.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "frame/host_types.h"

struct KeyEvent {
    UINT32 id;
    UINT32 value;
    bool operator==(const KeyEvent&) const = default;
};

class FakeHost {
public:
    // Installs the service table into the module's ImportTable; the
    // destructor empties it again.
    explicit FakeHost(GAUGESIMPORT& imports);
    ~FakeHost();
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    std::map<UINT32, FLOAT64> numbers;    // token -> 64-bit float value
    std::map<UINT32, UINT32> packed;      // token -> packed-decimal value
    std::map<std::string, FLOAT64> calculator;  // expression -> result
    FLOAT64 other_numbers = 0.0;  // what tokens not in the tables read

    std::vector<KeyEvent> key_events;
    std::vector<UINT32> window_toggles;
    std::vector<UINT32> lookups;
    std::vector<std::string> calculations;

    void clear_log();

private:
    GAUGESIMPORT& imports_;
    HOST_SERVICE table_[SERVICE_TABLE_MIN_SIZE] = {};
};

// Gauge lifecycle calls the way the host makes them.
void pre_install(GAUGEHDR* gauge, const char* parameters, WORD_PTR module_handle = 0);
void send_service(GAUGEHDR* gauge, UINT32 service_id, WORD_PTR extra = 0);
// Calls the mouse function of the rectangle at `index` of the gauge's list
// with a click record for that gauge; returns the function's result.
HOST_BOOL click(GAUGEHDR* gauge, std::size_t index, UINT32 mouse_flags = MOUSE_LEFT_SINGLE, PIXPOINT point = {0, 0});
