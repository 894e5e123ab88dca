// What users write into the host's files, at its extremes: numbers out of
// range are errors naming the file and line, numbers in range do not
// overflow, and files that are not text give a clear, bounded message.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "host/bitmap_catalog.h"
#include "host/flight_models.h"
#include "host/host_error.h"
#include "host/panel.h"
#include "host/scenario.h"

namespace {

constexpr const char* PANEL =
    "[Window00]\nident=MAIN_PANEL\ngauge00=Vantor_Instr!Clock, 0, 0, 300\n"
    "[Window01]\nident=RADIO_STACK_PANEL\nvisible=0\n";

template <typename F>
std::string error_of(F&& f) {
    try {
        f();
    } catch (const host::HostError& e) {
        return e.what();
    }
    return "no error";
}

std::string panel_error(const std::string& text) {
    return error_of([&] {
        std::istringstream in(text);
        host::PanelConfig::parse(in, "panel.cfg");
    });
}

// Runs a scenario on the clock panel; its error, or "no error".
std::string scenario_error(const std::string& text, long* frames = nullptr) {
    host::Simulation simulation;
    host::BitmapCatalog sizes;
    host::Panel::Options options;
    options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
    host::Panel panel(simulation, sizes, options);
    std::istringstream cfg(PANEL);
    panel.load(host::PanelConfig::parse(cfg, "panel.cfg"));
    std::string error = error_of([&] {
        std::istringstream in(text);
        std::ostringstream out;
        host::Scenario::parse(in, "s.scenario").run(panel, out);
    });
    if (frames != nullptr) *frames = simulation.frame();
    return error;
}

bool printable(const std::string& s) {
    for (unsigned char c : s) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

}  // namespace

TEST(HostileNumbers, OutOfRangeAreErrorsNamingFileAndLine) {
    struct Case {
        bool panel;  // else a scenario
        std::string text;
        std::string message;  // its start; "no error" when accepted
    };
    const Case cases[] = {
        {false, "wait 1\nwait 9223372036854775807\n", "s.scenario:2: at most 1555200 frames (86400s, a day)"},
        {false, "wait 99999999999999999999\n", "s.scenario:1: at most 1555200 frames"},
        {false, "wait 1555201\n", "s.scenario:1: at most 1555200 frames"},
        {false, "wait 1e17s\n", "s.scenario:1: at most 1555200 frames"},
        {false, "at infs\n", "s.scenario:1: at most 1555200 frames"},
        {false, "wait nans\n", "s.scenario:1: expected seconds such as 1.5s, found nans"},
        {false, "wait -1\n", "s.scenario:1: expected a frame count, found -1"},
        {false, "hover Clock 4294967296 0\n", "s.scenario:1: expected pixel coordinates"},
        {false, "key 0x1FFFFFFFF\n", "s.scenario:1: expected: key EVENT [VALUE]"},
        {false, "key 0x10128 -2147483649\n", "s.scenario:1: expected: key EVENT [VALUE]"},
        {false, "open 2147483648\n", "s.scenario:1: expected a panel name or number"},
        {false, "set 4294967296 1\n", "s.scenario:1: expected a token number"},
        {false, "wait 010\nkey 0x10128 -2147483648\nopen -2147483648\n", "no error"},
        {true, "[Window4294967296]\n", "panel.cfg:1: [WindowNN]: expected a window number up to 1000000000"},
        {true, "[Window00]\n\nsize_mm=1000000000\n", "panel.cfg:3: size_mm: expected 0 to 16384 pixels"},
        {true, "[Window00]\nsize_mm=100,16385\n", "panel.cfg:2: size_mm height: expected 0 to 16384 pixels"},
        {true, "[Window00]\ngauge00=M!G, 0, 0, 16385\n", "panel.cfg:2: gauge00 width: expected 1 to 16384"},
        {true, "[Window00]\ngauge00=M!G, 0, -16385\n", "panel.cfg:2: gauge00 y: expected -16384 to 16384"},
        {true, "[Window00]\nident=-1000000001\n", "panel.cfg:2: ident: expected a panel name"},
        {true, "[Window00]\nident=-1000000000\n[Window000000000000001]\nsize_mm=16384\n", "no error"},
    };
    for (const Case& c : cases) {
        std::string error = c.panel ? panel_error(c.text) : scenario_error(c.text);
        EXPECT_EQ(error.substr(0, c.message.size()), c.message) << c.text;
    }
    long frames = 0;
    scenario_error("wait 010\n", &frames);
    EXPECT_EQ(frames, 10) << "frame counts are decimal";
}

TEST(HostileNumbers, ExtremeValuesInRangeDoNotOverflow) {
    // The view turns from whatever a scenario set, taken modulo 8.
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double view;
        UINT32 event;
        double expected;
    } views[] = {
        {2147483647.0, host::EVENT_VIEW_NEXT, 0.0},  // 7 + 1
        {-2147483648.0, host::EVENT_VIEW_PREVIOUS, 7.0},
        {1e300, host::EVENT_VIEW_NEXT, 1.0},  // a multiple of 8
        {-1e300, host::EVENT_VIEW_PREVIOUS, 7.0},
        {std::nan(""), host::EVENT_VIEW_NEXT, 1.0},
        {inf, host::EVENT_VIEW_PREVIOUS, 7.0},
        {-inf, host::EVENT_VIEW_NEXT, 1.0},
        {9.5, host::EVENT_VIEW_NEXT, 2.0},
    };
    for (const auto& v : views) {
        host::Simulation sim;
        sim.set_named(host::VIEW_DIRECTION, v.view);
        sim.trigger_key_event(v.event, 0, host::EventSource::Scenario);
        EXPECT_EQ(sim.named(host::VIEW_DIRECTION)->value, v.expected) << v.view;
    }
    // A drag to the far edge of the coordinates, and a long hold there.
    EXPECT_EQ(scenario_error("press Clock 40 260 right\nmove 0 -2147483648\nmove 2147483647 0\nwait 20\n"
                             "release\nhover Clock -2147483648 2147483647\n"),
              "no error");
}

TEST(HostileFiles, FoldersAndBinaryLinesGiveBoundedMessages) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "vantor_hostile_files";
    std::filesystem::create_directories(folder);
    const std::string dir = folder.string();
    EXPECT_EQ(error_of([&] { host::PanelConfig::read(dir); }), "cannot open panel configuration " + dir + ": it is a folder");
    EXPECT_EQ(error_of([&] { host::Scenario::read(dir); }), "cannot open scenario " + dir + ": it is a folder");
    EXPECT_EQ(error_of([&] { host::BitmapCatalog::read(dir); }), "cannot open bitmap table " + dir + ": it is a folder");

    const std::string binary("\x01\xFF\"\\\x7F\n", 6);
    const std::string long_line(200000, 'x');
    const struct {
        std::string file;
        std::string text;
        std::string message;
    } cases[] = {
        {"p.cfg", "[Window00]\n" + binary, "p.cfg:2: expected KEY=VALUE or [Section], found \"\\x01\\xFF\\x22\\x5C\\x7F\""},
        {"p.cfg", "[Window00]\nposition=" + long_line, "p.cfg:2: position: expected a whole number, found \"xxx"},
        {"p.cfg", "[Window00]\ngauge" + std::string(100, '1') + "=M" + long_line + "!G, ten, 0\n", "p.cfg:2: gauge111"},
        {"s.scenario", "\n" + binary, "s.scenario:2: unknown command \"\\x01\\xFF\\x22\\x5C\\x7F\""},
        {"s.scenario", "wait " + long_line, "s.scenario:1: expected a frame count, found xxx"},
        {"b.tsv", "7\t" + long_line + "\n", "b.tsv:1: expected id<TAB>width<TAB>height..., found \"7\\x09xxx"},
    };
    for (const auto& c : cases) {
        const std::string path = (folder / c.file).string();
        std::ofstream(path, std::ios::binary) << c.text;
        std::string error = error_of([&] {
            if (c.file == "p.cfg") host::PanelConfig::read(path);
            else if (c.file == "b.tsv") host::BitmapCatalog::read(path);
            else host::Scenario::read(path);
        });
        EXPECT_EQ(error.rfind(path.substr(0, path.size() - c.file.size()) + c.message, 0), 0u) << error.substr(0, 300);
        EXPECT_LT(error.size(), path.size() + 200) << error.substr(0, 300);
        EXPECT_TRUE(printable(error)) << error.substr(0, 300);
    }
    std::filesystem::remove_all(folder);
}
