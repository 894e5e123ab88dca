// Scenarios on the example panel: the panel buttons open and close the
// subpanels, move the seat, turn the view and open the host's windows; an
// approach with the altimeter knob held down.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>

#include "host/flight_models.h"
#include "host/scenario.h"

namespace {

class ExamplePanel : public ::testing::Test {
protected:
    void SetUp() override {
        bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<host::Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::read(VANTOR_EXAMPLE_PANEL));
    }
    std::string run(const std::string& text) {
        std::istringstream in(text);
        std::ostringstream out;
        host::Scenario::parse(in, "cockpit.scenario").run(*panel, out);
        return out.str();
    }
    bool open(const std::string& ident) {
        for (const host::PanelWindow& w : panel->windows()) {
            if (host::panel_name(w.config.ident) == ident) return w.visible;
        }
        ADD_FAILURE() << "no window " << ident;
        return false;
    }
    double named(const char* name) { return simulation.named(name).value().value; }
    std::vector<UINT32> events_since(std::size_t first) {
        std::vector<UINT32> ids;
        const auto& log = simulation.key_log().events();
        for (std::size_t i = first; i < log.size(); ++i) ids.push_back(log[i].id);
        return ids;
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<host::Panel> panel;
};

}  // namespace

TEST_F(ExamplePanel, ButtonsOpenAndCloseTheSubpanels) {
    ASSERT_TRUE(open("MAIN_PANEL"));
    ASSERT_FALSE(open("RADIO_STACK_PANEL"));
    run("click Radios_Toggle 9 9\nwait 1\n"
        "click Throttle_Toggle 9 9\nwait 1\n"
        "click Nav_Instruments_Toggle 9 9\nwait 1\n");
    EXPECT_TRUE(open("RADIO_STACK_PANEL"));
    EXPECT_TRUE(open("THROTTLE_PANEL"));
    EXPECT_TRUE(open("IFR_MAIN_PANEL"));
    // A second button on the same window toggles it shut; a button shuts its
    // own window again.
    run("click VOR_Indicator_Toggle 9 9\nwait 1\nclick Radios_Toggle 9 9\nwait 1\n");
    EXPECT_FALSE(open("IFR_MAIN_PANEL"));
    EXPECT_FALSE(open("RADIO_STACK_PANEL"));
    EXPECT_TRUE(open("THROTTLE_PANEL"));
    run("click Throttle_Toggle 9 9\nwait 1\nclick VOR_Indicator_Toggle 9 9\nwait 1\n");
    EXPECT_FALSE(open("THROTTLE_PANEL"));
    EXPECT_TRUE(open("IFR_MAIN_PANEL"));
    // The second VOR's close button (a generic button wearing the close face).
    run("click Invisible_Toggle 9 9\nwait 1\n");
    EXPECT_FALSE(open("IFR_MAIN_PANEL"));

    const std::vector<std::string> expected = {
        "frame 0: window 50 (RADIO_STACK_PANEL) opened", "frame 1: window 10 (THROTTLE_PANEL) opened",
        "frame 2: window 175 (IFR_MAIN_PANEL) opened",   "frame 3: window 175 (IFR_MAIN_PANEL) closed",
        "frame 4: window 50 (RADIO_STACK_PANEL) closed", "frame 5: window 10 (THROTTLE_PANEL) closed",
        "frame 6: window 175 (IFR_MAIN_PANEL) opened",   "frame 7: window 175 (IFR_MAIN_PANEL) closed",
    };
    EXPECT_EQ(panel->window_log(), expected);
    // The radio stack's gauges were connected when it opened.
    EXPECT_GT(panel->find("Radio_COM1")->evaluation.updates(), 0);

    // The smaller windows, each opened by its button; this aircraft has no
    // GPS, so the GPS button opens the DME window.
    run("click GPS_Toggle 9 9\nclick Compass_Toggle 9 9\nclick ADF_Indicator_Toggle 9 9\n"
        "click Fuel_Zoom 9 9\nclick Electricity_Toggle 9 9\nwait 1\n");
    const char* const opened[] = {"GPS_PANEL", "COMPASS_PANEL", "ANNUNCIATOR_PANEL", "MINI_CONTROLS_PANEL",
                                  "OVERHEAD_PANEL"};
    for (const char* ident : opened) EXPECT_TRUE(open(ident)) << ident;
    run("click Overhead_Toggle 9 9\nwait 1\n");
    EXPECT_FALSE(open("OVERHEAD_PANEL"));
    EXPECT_TRUE(panel->warnings().empty()) << panel->warnings().front();
}

TEST_F(ExamplePanel, EachSubpanelsCloseButtonClosesItsOwnWindow) {
    run("open RADIO_STACK_PANEL\nopen THROTTLE_PANEL\nopen IFR_MAIN_PANEL\nwait 1\n");
    run("click Show_Yoke 9 9\nwait 1\n");
    EXPECT_FALSE(open("THROTTLE_PANEL"));
    EXPECT_TRUE(open("RADIO_STACK_PANEL"));
    EXPECT_TRUE(open("IFR_MAIN_PANEL"));
    run("click Close_Subpanel 9 9\nwait 1\n");
    EXPECT_FALSE(open("RADIO_STACK_PANEL"));
    EXPECT_TRUE(open("IFR_MAIN_PANEL"));
    EXPECT_TRUE(open("MAIN_PANEL"));
    // The close face comes from the parameters.
    EXPECT_EQ(panel->find("Show_Yoke")->header->elements[0]->bitmap_id, 160u);
}

TEST_F(ExamplePanel, ButtonsMoveTheSeatTurnTheViewAndOpenHostWindows) {
    // Events sent while the panel loaded (the NAV1 head's start-up event,
    // which the simulation only logs) are not the buttons'.
    const std::size_t loaded = simulation.key_log().events().size();
    // The seat buttons carry no parameters: they toggle window 0, the main
    // panel itself, then move the seat three steps.
    run("click Seat_Up_Toggle 9 9\nwait 1\n");
    EXPECT_EQ(named(host::SEAT_HEIGHT), 3 * host::SEAT_STEP_CM);
    EXPECT_FALSE(open("MAIN_PANEL"));
    run("open MAIN_PANEL\nwait 1\nclick Seat_Down_Toggle 9 9\nopen MAIN_PANEL\nwait 1\n"
        "click Seat_Down_Toggle 9 9\nopen MAIN_PANEL\nwait 1\n");
    EXPECT_EQ(named(host::SEAT_HEIGHT), -3 * host::SEAT_STEP_CM);
    EXPECT_TRUE(open("MAIN_PANEL"));

    std::size_t before = simulation.key_log().events().size();
    run("click Right_Taxi_Toggle 9 9\n");  // p2
    EXPECT_EQ(named(host::VIEW_DIRECTION), 2.0);
    run("click Left_Taxi_Toggle 9 9\nclick Left_Taxi_Toggle 9 9\n");  // p-2 twice
    EXPECT_EQ(named(host::VIEW_DIRECTION), 6.0);
    run("click Landing_View_Toggle 9 9\n");  // p0
    EXPECT_EQ(named(host::VIEW_DIRECTION), 0.0);
    EXPECT_EQ(events_since(before), (std::vector<UINT32>{0x100C6, 0x100C6, 0x100C7, 0x100C7, 0x100C7, 0x100C7, 0x10153}));

    // The three data-only buttons: the host sends the rectangle's event.
    before = simulation.key_log().events().size();
    run("click Map_Toggle 6 6\nclick Kneeboard_Toggle 9 9\nclick ATC_Toggle 9 9\nclick ATC_Toggle 9 9\n");
    EXPECT_EQ(named(host::MAP_WINDOW), 1.0);
    EXPECT_EQ(named(host::KNEEBOARD_WINDOW), 1.0);
    EXPECT_EQ(named(host::ATC_WINDOW), 0.0);
    EXPECT_EQ(events_since(before), (std::vector<UINT32>{0x10380, 0x10154, 0x1001C, 0x1001C}));
    const auto& log = simulation.key_log().events();
    for (std::size_t i = loaded; i < log.size(); ++i) EXPECT_TRUE(log[i].handled) << std::hex << log[i].id;
    std::string printed = run("print A:HOST MAP WINDOW\n");
    EXPECT_NE(printed.find("A:HOST MAP WINDOW = 1 bool\n"), std::string::npos) << printed;
}

TEST_F(ExamplePanel, ApproachWithTheAltimeterKnobHeld) {
    std::string out = run(
        "set 74 3000\nset 84 270\nset 83 270\nset 61 95\n"
        "wait 1s\n"
        // Turning right onto final, descending.
        "set 74 2700\nset 80 -20\nset 70 1152\nset 69 20\nset 84 285\nset 83 285\n"
        "wait 1s\n"
        "set 74 2400\nset 84 300\nset 83 300\n"
        // QNH above standard: hold the right half of the knob for a second.
        "press Altimeter 55 260\nwait 1s\nrelease\n"
        "wait 1\n"
        "set 80 0\nset 70 0\nset 69 0\nset 74 1500\n"
        "click Altimeter 25 260\nwait 1\nshow Altimeter\nlog\n");

    // One press, then a repeat at the ninth frame run since the press (the
    // press's own frame is the first) and every 2 frames: 18 frames held
    // give the press and five repeats.
    std::vector<long> frames;
    for (const host::KeyEvent& e : simulation.key_log().events()) {
        if (e.id == host::EVENT_ALTIMETER_UP) frames.push_back(e.frame);
    }
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[1] - frames[0], host::REPEAT_DELAY_FRAMES - 1);
    EXPECT_EQ(frames[5] - frames[4], 2);
    EXPECT_NEAR(simulation.number(76), 29.92 + 0.06 - 0.01, 1e-9);
    // The knob moved the altitude (+60 ft) before the descent set it to
    // 1500; the last click (-10 ft) after.
    EXPECT_NEAR(simulation.number(74), 1490.0, 1e-6);
    EXPECT_NE(out.find("0x1015C 0 (host)"), std::string::npos) << out;

    const auto& states = panel->find("Altimeter")->evaluation.elements();
    auto hand = std::find_if(states.begin(), states.end(), [](const host::ElementState& s) { return s.bitmap_id == 2040; });
    ASSERT_NE(hand, states.end());
    // Thousands hand at 1490 ft: 1490/5000 of half a turn clockwise from up.
    EXPECT_NEAR(hand->angle, 270.0 + 1490.0 / 5000.0 * 180.0, 1e-6);

    // The heading instruments followed the turn onto 300.
    const auto& gyro = panel->find("Directionnal_Gyro")->evaluation.elements();
    auto card = std::find_if(gyro.begin(), gyro.end(), [](const host::ElementState& s) { return s.bitmap_id == 2320; });
    ASSERT_NE(card, gyro.end());
    EXPECT_EQ(card->angle, 300.0);
    const auto& tc = panel->find("Turn_Coordinator")->evaluation.elements();
    EXPECT_EQ(tc[1].bitmap_id, 2150u);
    EXPECT_EQ(tc[1].shift_x, 0.0) << "ball centred again";
}
