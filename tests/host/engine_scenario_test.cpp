// The cold-and-dark example on the example panel, frame by frame: the engine
// and electrical dials rise as the engine starts, the tachometer's needle
// always turns clockwise as the engine speeds up, and the lamps follow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "host/needle_calibration.h"
#include "host/scenario.h"

namespace {

// What one frame showed: the first needle or icon value of each gauge.
struct Sample {
    std::map<std::string, double> value;
    std::map<std::string, double> angle;
    std::map<std::string, int> icon;
};

class ColdAndDark : public ::testing::Test {
protected:
    void SetUp() override {
        bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<host::Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::read(VANTOR_EXAMPLE_PANEL));
    }

    // Runs the scenario one command at a time, and its waits one frame at a
    // time, sampling the gauges after every frame.
    void run(const std::string& path) {
        std::ifstream in(path);
        ASSERT_TRUE(in) << path;
        const host::Scenario scenario = host::Scenario::parse(in, path);
        for (const host::Scenario::Command& c : scenario.commands()) {
            if (c.verb == "wait") {
                const std::string& n = c.args[0];
                long frames = n.back() == 's' ? std::lround(std::stod(n) * host::FRAMES_PER_SECOND) : std::stol(n);
                for (; frames > 0; --frames) {
                    panel->frame();
                    samples.push_back(sample());
                }
                continue;
            }
            std::string line = c.verb;
            for (const std::string& a : c.args) line += " " + a;
            std::istringstream one(line);
            std::ostringstream ignored;
            host::Scenario::parse(one, path).run(*panel, ignored);
        }
    }

    Sample sample() {
        Sample s;
        for (const char* name : {"Tachometer", "Oil_Pressure", "Oil_Temperature", "CHT_Indicator", "Voltmeter",
                                 "Ammeter", "Generator_Light", "Gear_Lamp_Left"}) {
            for (const host::ElementState& e : panel->find(name)->evaluation.elements()) {
                if (e.kind == ELEMENT_TYPE_NEEDLE) {
                    s.value[name] = e.values[0];
                    s.angle[name] = e.angle;
                } else if (e.kind == ELEMENT_TYPE_ICON) {
                    s.icon[name] = e.icon;
                }
            }
        }
        return s;
    }

    std::string example(const std::string& file) {
        std::string panel_cfg = VANTOR_EXAMPLE_PANEL;
        return panel_cfg.substr(0, panel_cfg.rfind('/') + 1) + file;
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<host::Panel> panel;
    std::vector<Sample> samples;
};

TEST_F(ColdAndDark, DialsRiseAsTheEngineStarts) {
    run(example("cold_and_dark.scenario"));
    ASSERT_GT(samples.size(), 500u);
    const Sample& first = samples.front();
    const Sample& last = samples.back();

    // Cold and dark: no pressure, no volts, gear lamps without power.
    EXPECT_EQ(first.value.at("Tachometer"), 0.0);
    EXPECT_EQ(first.value.at("Oil_Pressure"), 0.0);
    EXPECT_EQ(first.value.at("Voltmeter"), 0.0);
    EXPECT_EQ(first.icon.at("Gear_Lamp_Left"), 0) << "barber pole";
    EXPECT_EQ(first.icon.at("Generator_Light"), -1);

    // Running and warming up at the end.
    EXPECT_GT(last.value.at("Tachometer"), 900.0);
    EXPECT_GT(last.value.at("Oil_Pressure"), 50 * 144.0);
    EXPECT_GT(last.value.at("Oil_Temperature"), first.value.at("Oil_Temperature") + 18);  // 10 C and more
    EXPECT_GT(last.value.at("CHT_Indicator"), first.value.at("CHT_Indicator") + 90);      // 50 C and more
    EXPECT_NEAR(last.value.at("Voltmeter"), 28.0, 0.1);
    EXPECT_EQ(last.icon.at("Gear_Lamp_Left"), 2) << "wheels down";

    // On the way the starter drags the ammeter off its low end, and the
    // generator lamp burns from the start until the generator is on line.
    double lowest_amps = 0;
    bool generator_lamp_lit = false;
    for (const Sample& s : samples) {
        lowest_amps = std::min(lowest_amps, s.value.at("Ammeter"));
        generator_lamp_lit |= s.icon.at("Generator_Light") == 0;
    }
    EXPECT_LT(lowest_amps, -10.0);
    EXPECT_TRUE(generator_lamp_lit);
    EXPECT_EQ(last.icon.at("Generator_Light"), -1);

    // Engine speed only rises, and the tachometer needle turns clockwise all the way, past its 500 rpm
    // mark and on round the bottom of the dial.
    double travelled = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const double before = samples[i - 1].value.at("Tachometer"), now = samples[i].value.at("Tachometer");
        EXPECT_GE(now, before - 1e-9) << "frame " << i;
        const double turn = host::normalize_degrees(samples[i].angle.at("Tachometer") - samples[i - 1].angle.at("Tachometer"));
        if (now > before) {
            EXPECT_LT(turn, 180.0) << "clockwise at frame " << i;
            travelled += turn;
        }
    }
    EXPECT_GT(travelled, 50.0);
    const double idle_angle = last.angle.at("Tachometer");
    EXPECT_GT(idle_angle, 0.0);
    EXPECT_LT(idle_angle, 90.0) << "below the pivot, right of it: clockwise from 500 rpm";
}

}  // namespace
