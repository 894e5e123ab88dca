// Cost of the module itself: one frame of the module alone (ModuleFrame),
// against the same frame with every callback empty; the module's load and
// the install of all 88 gauges with their sounds; one frame of the example
// panel through the host; and the sound work of single installs.
//
// `module_bench --instructions N`, run under callgrind, instead runs each
// part N times and dumps the instruction counts of each
// (bench/callgrind_module.sh reads them).
#include <benchmark/benchmark.h>
#include <valgrind/callgrind.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "bench/module_frame.h"
#include "host/panel.h"
#include "platform/vantor_platform.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

using host::BitmapCatalog;
using host::Panel;
using host::PanelConfig;
using host::PanelWindow;
using host::Simulation;

namespace {

// Each gauge's parameters as the example panel gives them.
std::vector<std::pair<std::string, std::string>> example_parameters() {
    std::vector<std::pair<std::string, std::string>> found;
    for (const auto& window : PanelConfig::read(VANTOR_EXAMPLE_PANEL).windows) {
        for (const auto& placement : window.gauges) found.emplace_back(placement.gauge, placement.parameters);
    }
    return found;
}

// The simulator's window: sound on.
void sound_on(bool on) {
    for (const char* name : {"FS98MAIN", "MSCFSMAIN"}) {
        vantor_platform_set_window(name, on ? reinterpret_cast<HWND>(1) : nullptr);
    }
}

// One frame of the module alone, sound off (the audio stand-in's work is
// not the module's).
void BM_ModuleFrame(benchmark::State& state) {
    sound_on(false);
    ::LoadedModule module;
    ModuleFrame frame(module.linkage(), module.imports(), module.handle(), example_parameters());
    for (auto _ : state) frame.run();
    state.counters["calls"] = static_cast<double>(frame.calls());
}
BENCHMARK(BM_ModuleFrame)->Unit(benchmark::kMicrosecond);

// The frame and the same walk with every callback empty, alternately in
// batches; the counters give each in nanoseconds and their ratio.
void BM_ModuleFrameAgainstEmpty(benchmark::State& state) {
    sound_on(false);
    ::LoadedModule module;
    ModuleFrame frame(module.linkage(), module.imports(), module.handle(), example_parameters());
    using Clock = std::chrono::steady_clock;
    constexpr int BATCH = 32;
    Clock::duration real{}, empty{};
    long batches = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < BATCH; ++i) frame.run();
        const auto t1 = Clock::now();
        for (int i = 0; i < BATCH; ++i) frame.run_empty();
        real += t1 - t0;
        empty += Clock::now() - t1;
        ++batches;
    }
    const double frames = static_cast<double>(batches) * BATCH;
    const double real_ns = std::chrono::duration<double, std::nano>(real).count() / frames;
    const double empty_ns = std::chrono::duration<double, std::nano>(empty).count() / frames;
    state.counters["frame_ns"] = real_ns;
    state.counters["empty_ns"] = empty_ns;
    state.counters["ratio"] = real_ns / empty_ns;
}
BENCHMARK(BM_ModuleFrameAgainstEmpty)->Unit(benchmark::kMicrosecond);

// Load the module, initialise it, install all 88 gauges with the example
// panel's parameters and their sounds (the radio altimeter's thirteen
// callouts), then kill them all and unload.
void load_and_install(const std::vector<std::pair<std::string, std::string>>& parameters) {
    ::LoadedModule module;
    if (module.linkage().module_init != nullptr) module.linkage().module_init();
    {
        ModuleFrame frame(module.linkage(), module.imports(), module.handle(), parameters);
        benchmark::DoNotOptimize(frame.calls());
    }
    if (module.linkage().module_deinit != nullptr) module.linkage().module_deinit();
    vantor_platform_clear_call_log();
}

void BM_ModuleLoadAndInstallAll(benchmark::State& state) {
    sound_on(true);
    const auto parameters = example_parameters();
    for (auto _ : state) load_and_install(parameters);
    state.counters["audio_objects_left"] = vantor_platform_live_buffers() + vantor_platform_live_devices();
    sound_on(false);
}
BENCHMARK(BM_ModuleLoadAndInstallAll)->Unit(benchmark::kMicrosecond);

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

// Pre-install and kill of a sound-making gauge: device, buffers, WAVE
// parsing (and for the radio heads, ADPCM decoding).
void BM_SoundInstallAndKill(benchmark::State& state, const char* gauge_name, const char* parameters) {
    sound_on(true);
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

// Under callgrind: each part run `n` times between a zeroing and a dump
// named "PART xN".
int count_instructions(int n) {
    if (!RUNNING_ON_VALGRIND) {
        std::fprintf(stderr, "module_bench --instructions: run it under valgrind --tool=callgrind\n");
        return 2;
    }
    const auto parameters = example_parameters();
    auto dump = [n](const char* part) {
        const std::string name = std::string(part) + " x" + std::to_string(n);
        CALLGRIND_DUMP_STATS_AT(name.c_str());
    };
    sound_on(false);
    {
        ::LoadedModule module;
        ModuleFrame frame(module.linkage(), module.imports(), module.handle(), parameters);
        frame.run();  // first-call binding out of the count
        frame.run_empty();
        CALLGRIND_ZERO_STATS;
        for (int i = 0; i < n; ++i) frame.run();
        dump("module frame");
        for (int i = 0; i < n; ++i) frame.run_empty();
        dump("empty frame");
    }
    sound_on(true);
    load_and_install(parameters);
    CALLGRIND_ZERO_STATS;
    for (int i = 0; i < n; ++i) load_and_install(parameters);
    dump("load and install all");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--instructions") == 0) return count_instructions(std::atoi(argv[2]));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
