// Cost of the module itself: one frame of the example panel through the host
// (every gauge's update notification and element callbacks, needles
// calibrated), the gauge callbacks alone over all 88 gauges, and the sound
// work of an install (the radio altimeter's thirteen callouts loaded and
// released; a click gauge's one).
#include <benchmark/benchmark.h>

#include <memory>

#include "host/panel.h"
#include "platform/vantor_platform.h"
#include "support/fake_host.h"
#include "support/gauge_exerciser.h"
#include "support/loaded_module.h"

using host::BitmapCatalog;
using host::Panel;
using host::PanelConfig;
using host::PanelWindow;
using host::Simulation;

namespace {

void BM_ExamplePanelFrame(benchmark::State& state) {
    Simulation simulation;
    const BitmapCatalog sizes = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
    Panel::Options options;
    options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
    Panel panel(simulation, sizes, options);
    panel.load(PanelConfig::read(VANTOR_EXAMPLE_PANEL));
    for (const PanelWindow& w : panel.windows()) {
        if (w.config.ident >= 0) panel.open_window(w.config.ident);
    }
    double t = 0;
    for (auto _ : state) {
        simulation.set_number(61, 120 + 30 * (t - static_cast<int>(t)));  // the airspeed moves
        t += 0.01;
        panel.frame();
    }
    state.counters["gauges"] = static_cast<double>(panel.gauges().size());
    panel.shutdown();
}
BENCHMARK(BM_ExamplePanelFrame)->Unit(benchmark::kMicrosecond);

// Every gauge's update notification and element callbacks, no host around.
void BM_AllGaugeCallbacks(benchmark::State& state) {
    ::LoadedModule module;
    FakeHost host{module.imports()};
    std::vector<std::string> problems;
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) pre_install(*g, "", module.handle());
    double value = 0;
    for (auto _ : state) {
        host.other_numbers = value;
        for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) update_gauge(*g, value, problems);
        host.clear_log();
        value += 0.5;
    }
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) send_service(*g, PANEL_SERVICE_PRE_KILL);
}
BENCHMARK(BM_AllGaugeCallbacks)->Unit(benchmark::kMicrosecond);

// Pre-install and kill of a sound-making gauge: device, buffers, WAVE
// parsing (and for the radio heads, ADPCM decoding).
void BM_SoundInstallAndKill(benchmark::State& state, const char* gauge_name, const char* parameters) {
    for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) vantor_platform_set_window(name, reinterpret_cast<HWND>(1));
    ::LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = module.gauge(gauge_name);
    for (auto _ : state) {
        pre_install(gauge, parameters, module.handle());
        send_service(gauge, PANEL_SERVICE_PRE_KILL);
        vantor_platform_clear_call_log();
        host.clear_log();
    }
}
BENCHMARK_CAPTURE(BM_SoundInstallAndKill, radio_altimeter_13_callouts, "Radio_Altimeter", "s1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SoundInstallAndKill, com1_adpcm_click, "Radio_COM1", "")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SoundInstallAndKill, switch_click, "Avionics_Switch", "")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
