// The example panel's controls operated in scenarios, the gauges showing
// the simulation's answer: the cold-and-dark start-up and the approach from
// examples/, and the throttle dragged in its slot.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "host/controls_model.h"
#include "host/scenario.h"

namespace {

class ExampleControls : public ::testing::Test {
protected:
    void SetUp() override {
        bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<host::Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::read(VANTOR_EXAMPLE_PANEL));
    }
    void run(const std::string& text) {
        std::istringstream in(text);
        std::ostringstream out;
        host::Scenario::parse(in, "controls.scenario").run(*panel, out);
    }
    // The example scenario's text, split before the first line holding
    // `marker` (the whole text in `before` when there is none).
    static void example(const char* name, const std::string& marker, std::string& before, std::string& after) {
        std::ifstream in(std::string(VANTOR_EXAMPLES) + "/" + name);
        ASSERT_TRUE(in) << name;
        std::string line;
        bool split = false;
        while (std::getline(in, line)) {
            split = split || (!marker.empty() && line.find(marker) != std::string::npos);
            (split ? after : before) += line + "\n";
        }
    }
    // The icon an element of a placed gauge showed at its last update.
    int icon_of(const std::string& gauge, UINT32 bitmap_id) {
        for (const host::ElementState& s : panel->find(gauge)->evaluation.elements()) {
            if (s.kind == ELEMENT_TYPE_ICON && s.bitmap_id == bitmap_id) return s.icon;
        }
        ADD_FAILURE() << gauge << " has no icon " << bitmap_id;
        return -2;
    }
    double slider_shift_y(UINT32 bitmap_id) {
        for (const host::ElementState& s : panel->find("Throttle_Quadrant")->evaluation.elements()) {
            if (s.kind == ELEMENT_TYPE_SLIDER && s.bitmap_id == bitmap_id) return s.shift_y;
        }
        ADD_FAILURE() << "no slider " << bitmap_id;
        return NAN;
    }
    std::string tooltip(const std::string& gauge, SINT32 x, SINT32 y) {
        return panel->tooltip_at(*panel->find(gauge), {x, y}).value_or("(none)");
    }
    // Frames between the first and the last time the event was sent.
    long span_of(UINT32 event) {
        long first = -1, last = -1;
        for (const auto& e : simulation.key_log().events()) {
            if (e.id != event) continue;
            if (first < 0) first = e.frame;
            last = e.frame;
        }
        return first < 0 ? -1 : last - first;
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<host::Panel> panel;
};

constexpr UINT32 STARTER_RELEASED = 4370;  // the button icon's first bitmap
constexpr UINT32 MASTER_LEVER = 4360;
constexpr UINT32 MASTER_GUARD = 4350;
constexpr UINT32 MAGNETO_KEY = 4010;

TEST_F(ExampleControls, ColdAndDarkStartsWithThePanelsOwnSwitchesMagnetosPrimerAndStarter) {
    std::string to_catch, rest;
    example("cold_and_dark.scenario", "let go of the starter", to_catch, rest);
    ASSERT_FALSE(rest.empty());
    run(to_catch);
    // Cranking: starter held in, key at BOTH, battery on, guard open.
    EXPECT_EQ(simulation.number(401), 1.0);
    EXPECT_EQ(icon_of("Starter_Knob", STARTER_RELEASED), 1);
    EXPECT_EQ(tooltip("Starter_Knob", 40, 40), "Starter knob (on)");
    EXPECT_EQ(simulation.number(399), 1.0);
    EXPECT_EQ(simulation.number(400), 1.0);
    EXPECT_EQ(icon_of("Magnetos_Switch", MAGNETO_KEY), 3);
    EXPECT_EQ(icon_of("Master_Switch", MASTER_LEVER), 1);
    EXPECT_EQ(icon_of("Master_Switch", MASTER_GUARD), -1);
    EXPECT_NEAR(simulation.number(558), 0.1, 1e-3) << "throttle cracked by dragging";
    EXPECT_EQ(simulation.number(361), 0.0) << "primer let go";
    EXPECT_GE(span_of(host::EVENT_PRIMER), 30) << "primer held about two seconds";

    run(rest);
    EXPECT_EQ(simulation.number(401), 0.0);
    EXPECT_EQ(icon_of("Starter_Knob", STARTER_RELEASED), 0);
    EXPECT_GE(span_of(host::EVENT_STARTER), 36) << "starter held over two seconds";
    EXPECT_EQ(simulation.number(759), 1.0);
    EXPECT_EQ(simulation.number(761), 1.0);
    EXPECT_EQ(icon_of("Master_Switch", MASTER_LEVER), 2);
    EXPECT_EQ(icon_of("Master_Switch", MASTER_GUARD), 0);
    EXPECT_EQ(tooltip("Master_Switch", 27, 60), "Master switch (protected with battery and generator on)");
    for (UINT32 token : {10u, 619u, 368u, 740u}) EXPECT_EQ(simulation.number(token), 1.0) << token;
    EXPECT_EQ(icon_of("Avionics_Switch", 4030), 1);
    EXPECT_EQ(tooltip("Panel_Light_Switch", 22, 22), "Panel lights switch (on)");
    EXPECT_EQ(icon_of("Taxi_Light_Switch", 4030), 0);
    // The engine model's answer: running, the generator charging.
    EXPECT_EQ(simulation.number(364), 1.0) << "the engine runs";
    EXPECT_GT(simulation.number(390), 600.0);
    EXPECT_EQ(simulation.number(565), 1.0);
}

TEST_F(ExampleControls, TheApproachLowersTheFlapsAndWorksTheThrottleWithTheLevers) {
    std::string approach, none;
    example("approach.scenario", "", approach, none);
    run(approach);
    EXPECT_EQ(simulation.number(329), 16383.0);
    EXPECT_EQ(simulation.number(330), 16383.0) << "the flaps have followed the lever";
    EXPECT_NEAR(slider_shift_y(4170), 73.0, 0.01) << "flap lever drawn at DOWN";
    EXPECT_EQ(simulation.number(558), 0.0) << "power off at the flare";
    EXPECT_EQ(slider_shift_y(4130), 0.0);
    std::vector<UINT32> flap_events;
    for (const auto& e : simulation.key_log().events()) {
        if (e.id == host::EVENT_FLAPS_DOWN) flap_events.push_back(e.id);
    }
    EXPECT_EQ(flap_events.size(), 4u);
}

TEST_F(ExampleControls, LeversFollowADragAndStayPutAfterIt) {
    run("open THROTTLE_PANEL\nwait 1\n"
        "press Throttle_Quadrant 46 150\nwait 1\n");
    EXPECT_EQ(simulation.number(558), 0.5);
    run("move 46 75\nwait 1\n");
    EXPECT_EQ(simulation.number(558), 0.75);
    EXPECT_NEAR(slider_shift_y(4130), -228.0 * 0.75, 1e-9);
    run("move 46 -500\nwait 1\n");  // beyond the slot: fully open
    EXPECT_EQ(simulation.number(558), 1.0);
    run("release\nwait 1\nclick Throttle_Quadrant 184 31\nwait 1\n");  // top of the mixture slot
    EXPECT_EQ(simulation.number(558), 1.0);
    EXPECT_EQ(simulation.number(560), 1.0);
    // Dive brakes: OFF to the middle, to ON, and back by steps; the brake
    // follows.
    run("click Throttle_Quadrant 274 40\nwait 3s\n");
    EXPECT_EQ(simulation.number(325), 8192.0);
    EXPECT_EQ(simulation.number(326), 8192.0);
    run("click Throttle_Quadrant 274 40\nwait 3s\n");
    EXPECT_EQ(simulation.number(326), 16383.0);
    EXPECT_NEAR(slider_shift_y(4160), -105.0 * 16383 / 16384, 1e-9);
    run("click Throttle_Quadrant 274 120\n");
    EXPECT_EQ(simulation.number(325), 8192.0) << "one step per click";
    run("click Throttle_Quadrant 274 120\nwait 1\n");
    EXPECT_EQ(simulation.number(325), 0.0);
}

TEST_F(ExampleControls, TrimWheelsCanopyAndHookAnswerTheirClicks) {
    run("open THROTTLE_PANEL\nwait 1\n"
        "press Pitch_Trim_Wheel 41 120\nwait 1s\nrelease\n"  // lower half: nose up, held
        "click Rudder_Trim_Wheel 40 40\n"                     // left half
        "click Aileron_Trim_Wheel 90 80\nwait 1\n"            // right half
        "click Canopy_Lever 38 250\nwait 2s\n");              // lower half: open
    const double pitch_degrees = simulation.number(783) * 180 / M_PI;
    EXPECT_GT(pitch_degrees, 1.0) << "press and repeats";
    EXPECT_NEAR(std::fmod(pitch_degrees, 0.5), 0.0, 1e-9);
    EXPECT_NEAR(simulation.number(787) * 180 / M_PI, -0.25, 1e-9);
    EXPECT_NEAR(simulation.number(785) * 180 / M_PI, 0.25, 1e-9);
    EXPECT_NEAR(simulation.number(868), 0.5, 0.02) << "half way after two of its four seconds";
    EXPECT_EQ(icon_of("Canopy_Lever", 4320), 1);
    run("wait 3s\nclick Tail_Hook_Lever 15 110\nwait 3s\n");
    EXPECT_EQ(simulation.number(868), 1.0);
    EXPECT_EQ(simulation.number(869), 1.0);
    EXPECT_EQ(icon_of("Tail_Hook_Lever", 4390), 1);
}

}  // namespace
