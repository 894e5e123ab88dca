// Rendering cost of the example panel's main window at 1:1 (1500 x 820):
// a full frame (every gauge drawn from its elements and the window laid
// again), a frame in which only needles moved, and, as the lower bound, a
// memcpy of the same number of pixels.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "host/panel.h"
#include "host/render/panel_renderer.h"

using namespace host;
using namespace host::render;

namespace {

struct ExamplePanel {
    Simulation simulation;
    BitmapCatalog sizes = BitmapCatalog::read(VANTOR_BITMAP_TABLE);
    PanelConfig config = PanelConfig::read(VANTOR_EXAMPLE_PANEL);
    std::unique_ptr<Panel> panel;
    BitmapStore bitmaps{VANTOR_RESOURCE_BITMAPS};
    FontBook fonts;
    std::unique_ptr<PanelRenderer> renderer;

    ExamplePanel() {
        Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<Panel>(simulation, sizes, options);
        panel->load(config);
        simulation.set_number(61, 150);
        simulation.set_number(74, 3000);
        panel->frame();
        panel->frame();
        renderer = std::make_unique<PanelRenderer>(*panel, bitmaps, fonts, EXAMPLE_FOLDER());
        renderer->render();  // reads every bitmap once
    }
    static std::string EXAMPLE_FOLDER() {
        std::string p = VANTOR_EXAMPLE_PANEL;
        return p.substr(0, p.rfind('/'));
    }
    int pixels() {
        auto [w, h] = renderer->window_size(0);
        return w * h;
    }
};

ExamplePanel& example() {
    static ExamplePanel* p = [] {
        setenv("FONTCONFIG_FILE", VANTOR_FONTS_CONF, 1);
        return new ExamplePanel();
    }();
    return *p;
}

void BM_MemcpyWindowPixels(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(example().pixels()) * 4;
    std::vector<unsigned char> from(bytes, 1), to(bytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_MemcpyWindowPixels);

void BM_FullFrame(benchmark::State& state) {
    ExamplePanel& e = example();
    for (auto _ : state) {
        e.renderer->invalidate();
        benchmark::DoNotOptimize(e.renderer->render());
    }
}
BENCHMARK(BM_FullFrame)->Unit(benchmark::kMicrosecond);

void BM_NeedlesOnlyFrame(benchmark::State& state) {
    ExamplePanel& e = example();
    long n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ++n;
        // Airspeed, altimeter, vertical speed and engine needles move.
        e.simulation.set_number(61, 150 + (n % 20));
        e.simulation.set_number(74, 3000 + 10 * (n % 50));
        e.simulation.set_number(65, 100.0 * (n % 7));
        e.simulation.set_number(390, 2200 + 5 * (n % 30));
        e.panel->frame();
        state.ResumeTiming();
        benchmark::DoNotOptimize(e.renderer->render());
    }
}
BENCHMARK(BM_NeedlesOnlyFrame)->Unit(benchmark::kMicrosecond);

void BM_UnchangedFrame(benchmark::State& state) {
    ExamplePanel& e = example();
    for (auto _ : state) {
        state.PauseTiming();
        e.panel->frame();
        state.ResumeTiming();
        benchmark::DoNotOptimize(e.renderer->render());
    }
}
BENCHMARK(BM_UnchangedFrame)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
