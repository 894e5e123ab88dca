// Long life in one process: every gauge installed, updated, clicked and
// killed over and over in one module load, and the module loaded and
// unloaded over and over. Nothing may leak (LeakSanitizer in the sanitizer
// build; the audio objects counted here), and the module-wide state must
// hold across kills and re-installs.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "platform/vantor_platform.h"
#include "support/fake_host.h"
#include "support/gauge_exerciser.h"
#include "support/loaded_module.h"

namespace {

// What the example panel gives the gauges that read parameters.
const std::map<std::string, const char*> PARAMETERS = {
    {"Radio_Altimeter", "s1"},
    {"Registration", "tF-AZUR r255 g255 b0"},
    {"Radios_Toggle", "tRADIO_STACK_PANEL"},
    {"Fuel_Zoom", "tMINI_CONTROLS_PANEL hTOGGLE_FUEL_WINDOW"},
};

constexpr int CYCLES = 10000;
constexpr int UPDATES = 100;

struct Soak : ::testing::Test {
    Soak() {
        for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) vantor_platform_set_window(name, reinterpret_cast<HWND>(this));
    }
    ~Soak() override {
        for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) vantor_platform_set_window(name, nullptr);
        vantor_platform_clear_call_log();
    }
};

std::size_t plays_logged() {
    std::string log(vantor_platform_call_log(nullptr, 0) + 1, '\0');
    vantor_platform_call_log(log.data(), log.size());
    std::size_t n = 0;
    for (std::size_t at = log.find("\nPlay "); at != std::string::npos; at = log.find("\nPlay ", at + 1)) ++n;
    return n + (log.rfind("Play ", 0) == 0 ? 1 : 0);
}

TEST_F(Soak, EveryGaugeInstalledUpdatedClickedAndKilledTenThousandTimes) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    FakeHost host{module.imports()};
    std::vector<GAUGEHDR*> gauges;
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) gauges.push_back(*g);
    ASSERT_EQ(gauges.size(), 88u);
    GAUGEHDR* alti_switch = module.gauge("Radio_Alti_Switch");
    ELEMENT_ICON* alti_lever = reinterpret_cast<ELEMENT_ICON*>(alti_switch->elements[0]->next_element[0]);

    std::vector<std::string> problems;
    for (int cycle = 0; cycle < CYCLES; ++cycle) {
        for (GAUGEHDR* g : gauges) {
            const auto p = PARAMETERS.find(g->name);
            pre_install(g, p != PARAMETERS.end() ? p->second : "", module.handle());
        }
        // Installing the switch turns the radio altimeter off, every time.
        ASSERT_EQ(alti_lever->callback(alti_lever), 0.0) << "cycle " << cycle;
        for (GAUGEHDR* g : gauges) send_service(g, PANEL_SERVICE_CONNECT_TO_WINDOW);
        for (int u = 0; u < UPDATES; ++u) {
            const FLOAT64 value = 100.0 * std::sin(0.01 * (cycle * UPDATES + u)) + 50.0;
            host.other_numbers = value;
            for (GAUGEHDR* g : gauges) update_gauge(g, value, problems);
        }
        if (cycle % 10 == 0) {
            for (GAUGEHDR* g : gauges) click_gauge(g, host.other_numbers);
        }
        for (GAUGEHDR* g : gauges) send_service(g, PANEL_SERVICE_PRE_KILL);
        host.clear_log();
        vantor_platform_mix(nullptr, 22050, 22050);
        ASSERT_EQ(vantor_platform_live_devices(), 0u) << "cycle " << cycle;
        ASSERT_EQ(vantor_platform_live_buffers(), 0u) << "cycle " << cycle;
        ASSERT_TRUE(problems.empty()) << problems.front();
        vantor_platform_clear_call_log();
    }
    // Sound is still on after all that: the switch still clicks.
    pre_install(alti_switch, "", module.handle());
    EXPECT_EQ(click(alti_switch, 1), 0);
    EXPECT_EQ(plays_logged(), 1u);
    send_service(alti_switch, PANEL_SERVICE_PRE_KILL);
}

TEST_F(Soak, ModuleLoadedAndUnloadedAThousandTimes) {
    for (int i = 0; i < 1000; ++i) {
        {
            LoadedModule module;
            ASSERT_TRUE(module.ok());
            FakeHost host{module.imports()};
            GAUGEHDR* alti_switch = module.gauge("Radio_Alti_Switch");
            pre_install(alti_switch, "", module.handle());
            click(alti_switch, 1);
            send_service(alti_switch, PANEL_SERVICE_PRE_KILL);
        }
        void* still_there = dlopen(VANTOR_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
        ASSERT_EQ(still_there, nullptr) << "load " << i << ": the module stayed mapped";
    }
    EXPECT_EQ(vantor_platform_live_devices(), 0u);
    EXPECT_EQ(vantor_platform_live_buffers(), 0u);
}

}  // namespace
