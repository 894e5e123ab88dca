// Scenario files: parsing errors name their line; commands drive the panel.
#include <gtest/gtest.h>

#include <sstream>

#include "host/host_error.h"
#include "host/scenario.h"

using host::Scenario;

namespace {

Scenario parse(const std::string& text) {
    std::istringstream in(text);
    return Scenario::parse(in, "flight.scenario");
}

std::string parse_error(const std::string& text) {
    try {
        parse(text);
    } catch (const host::HostError& e) {
        return e.what();
    }
    return "no error";
}

class ScenarioRun : public ::testing::Test {
protected:
    void SetUp() override {
        std::istringstream cfg(
            "[Window00]\nident=MAIN_PANEL\ngauge00=Vantor_Instr!Airspeed, 0, 0, 100\n"
            "[Window01]\nident=RADIO_STACK_PANEL\nvisible=0\ngauge00=Vantor_Instr!Clock, 0, 0, 100\n");
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<host::Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::parse(cfg, "panel.cfg"));
    }
    std::string run(const std::string& text) {
        std::ostringstream out;
        parse(text).run(*panel, out);
        return out.str();
    }
    std::string run_error(const std::string& text) {
        try {
            run(text);
        } catch (const host::HostError& e) {
            return e.what();
        }
        return "no error";
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<host::Panel> panel;
};

}  // namespace

TEST(ScenarioParse, CommandsAndCommentsAreRead) {
    Scenario s = parse("# header\n\nwait 3   # three frames\nset A:RECIP CARBURETOR TEMPERATURE:1 -4\nrelease\n");
    ASSERT_EQ(s.commands().size(), 3u);
    EXPECT_EQ(s.commands()[0].line, 3);
    EXPECT_EQ(s.commands()[0].args, std::vector<std::string>{"3"});
    EXPECT_EQ(s.commands()[1].args.size(), 4u);
}

TEST(ScenarioParse, BadCommandsNameTheirLine) {
    EXPECT_EQ(parse_error("wait 1\nclik Airspeed 1 2\n"), "flight.scenario:2: unknown command \"clik\"");
    EXPECT_EQ(parse_error("click Airspeed 1\n"), "flight.scenario:1: expected: click GAUGE X Y [left|right]");
    EXPECT_EQ(parse_error("\n\nrelease now\n"), "flight.scenario:3: expected: release");
}

TEST_F(ScenarioRun, TimeRunsInFramesAndSeconds) {
    run("wait 3\nwait 1.5s\n");
    EXPECT_EQ(simulation.frame(), 30);
    run("at 40\nat 2.5s\n");
    EXPECT_EQ(simulation.frame(), 45);
    EXPECT_EQ(run_error("at 10\n"), "flight.scenario:1: frame 10 has already passed");
}

TEST_F(ScenarioRun, VariablesFailuresKeysAndWindows) {
    std::string out = run(
        "set 23 0x1805\nset 38 1200\nset 61 99.5\nfail 6\nkey 0x103CA 50\nkey 0x10128\nprint 23\nprint 38\nwindows\n");
    EXPECT_EQ(simulation.packed(23), 0x1805u);
    EXPECT_EQ(simulation.packed(38), 1200u) << "decimal unless written 0x...";
    EXPECT_EQ(simulation.number(61), 99.5);
    EXPECT_TRUE(simulation.failure_active(6));
    EXPECT_TRUE(panel->windows()[1].visible);
    EXPECT_NE(out.find("[frame 0] token 23 = 0x1805\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[Window01] ident RADIO_STACK_PANEL open"), std::string::npos) << out;
    EXPECT_NE(out.find("key events:\n  frame 0: 0x103CA 50 (scenario)\n  frame 0: 0x10128 0 (scenario, no handler)\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("  frame 0: window 50 (RADIO_STACK_PANEL) opened"), std::string::npos) << out;
    run("repair 6\nclose RADIO_STACK_PANEL\n");
    EXPECT_FALSE(simulation.failure_active(6));
    EXPECT_FALSE(panel->windows()[1].visible);
}

TEST_F(ScenarioRun, MistakesInARunNameTheLine) {
    EXPECT_EQ(run_error("wait 1\nclick Clock 10 10\n"), "flight.scenario:2: gauge Clock is on a closed window");
    EXPECT_EQ(run_error("hover Altimeter 1 1\n"),
              "flight.scenario:1: gauge \"Altimeter\" is not placed on the panel (module Vantor_Instr has it: place it "
              "in panel.cfg)");
    EXPECT_EQ(run_error("hover Airsped 1 1\n"),
              "flight.scenario:1: gauge \"Airsped\" is not placed on the panel; did you mean \"Airspeed\"?");
    EXPECT_EQ(run_error("set 23 118.5\n"), "flight.scenario:1: token 23 takes a packed value such as 0x1800");
    EXPECT_EQ(run_error("move 1 2\n"), "flight.scenario:1: move without a held button");
    EXPECT_EQ(run_error("wait soon\n"), "flight.scenario:1: expected a frame count, found soon");
}
