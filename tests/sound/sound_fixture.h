// A fresh module load with the platform's audio calls logged: what the sound
// tests drive gauges through and read back.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "platform/vantor_platform.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

// The platform's call log since the last clear, one entry a line.
inline std::vector<std::string> platform_calls() {
    std::string text(vantor_platform_call_log(nullptr, 0) + 1, '\0');
    vantor_platform_call_log(text.data(), text.size());
    std::vector<std::string> lines;
    std::istringstream in(text.c_str());
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Lines of the log that start with `prefix`.
inline std::vector<std::string> calls_starting(const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& line : platform_calls()) {
        if (line.rfind(prefix, 0) == 0) {
            out.push_back(line);
        }
    }
    return out;
}

// Size of the data chunk of resources/sounds/<id>.wav: the log names a
// buffer by its size, which tells the callouts apart.
std::uint32_t wave_data_bytes(std::uint32_t id);
// The WAVE id whose buffer has that many bytes, or 0.
std::uint32_t wave_of_buffer(std::uint32_t bytes);
// WAVE ids of the buffers played since the last clear of the log.
std::vector<std::uint32_t> played_waves();

// The platform's log, failures and host windows set up for a test, with no
// module loaded: tests that need a fresh load per case start here, since a
// module already loaded would be shared, not loaded afresh.
struct PlatformTest : ::testing::Test {
    PlatformTest() {
        vantor_platform_clear_failures();
        vantor_platform_clear_call_log();
        vantor_platform_set_program_file(nullptr);
        for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) {
            vantor_platform_set_window(name, reinterpret_cast<HWND>(this));
        }
    }
    ~PlatformTest() override {
        vantor_platform_clear_failures();
        for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) {
            vantor_platform_set_window(name, nullptr);
        }
    }
};

struct SoundTest : PlatformTest {

    void install(GAUGEHDR* gauge, const char* parameters = "") { pre_install(gauge, parameters, module.handle()); }
    void kill(GAUGEHDR* gauge) { send_service(gauge, PANEL_SERVICE_PRE_KILL); }

    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* alti_switch = module.gauge("Radio_Alti_Switch");
    GAUGEHDR* altimeter = module.gauge("Radio_Altimeter");
};
