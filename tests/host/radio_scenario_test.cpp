// The radio stack on the example panel through the host: heads tuned by
// their areas, the receivers following the aircraft, and what the course
// indicator and the RMI show of it.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "host/radio_model.h"
#include "host/scenario.h"

namespace {

class RadioStack : public ::testing::Test {
protected:
    void SetUp() override {
        bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<host::Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::read(VANTOR_EXAMPLE_PANEL));
        run("open RADIO_STACK_PANEL\nwait 1\n");
    }
    std::string run(const std::string& text) {
        std::istringstream in(text);
        std::ostringstream out;
        host::Scenario::parse(in, "radios.scenario").run(*panel, out);
        return out.str();
    }
    const host::ElementState& state(const char* gauge, UINT32 bitmap, int nth = 0) {
        for (const host::ElementState& s : panel->find(gauge)->evaluation.elements()) {
            if (s.bitmap_id == bitmap && nth-- == 0) return s;
        }
        ADD_FAILURE() << gauge << " has no element " << bitmap;
        static host::ElementState none;
        return none;
    }
    // Needle angle as degrees clockwise from straight up.
    double from_up(const char* gauge, UINT32 bitmap, int nth = 0) {
        return std::remainder(state(gauge, bitmap, nth).angle + 90.0, 360.0);
    }
    std::string hover(const char* gauge, int x, int y) {
        return *panel->tooltip_at(*panel->find(gauge), PIXPOINT{x, y});
    }
    void fly_to(host::GroundPoint p) {
        simulation.set_named(host::POSITION_EAST, p.east);
        simulation.set_named(host::POSITION_NORTH, p.north);
        run("wait 2\n");
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<host::Panel> panel;
};

// On the extended centre line of runway 27, `nm` before the threshold.
host::GroundPoint final_approach(double nm, double right_nm) {
    const double a = 275.0 * 3.14159265358979323846 / 180.0;
    return {-nm * std::sin(a) + right_nm * std::cos(a), -nm * std::cos(a) - right_nm * std::sin(a)};
}

}  // namespace

TEST_F(RadioStack, HeadsTuneTheSimulationAndShowIt) {
    EXPECT_EQ(hover("Radio_COM1", 70, 20), "Communications Radio COM1 - 118.000 MHz");
    run("click Radio_COM1 90 40\nclick Radio_COM1 90 40\nclick Radio_COM1 40 100\nwait 1\n");  // 2 channels up, 1 MHz up
    EXPECT_EQ(simulation.packed(23), 0x1905u);
    EXPECT_EQ(hover("Radio_COM1", 70, 20), "Communications Radio COM1 - 119.050 MHz");
    run("click Radio_COM1 90 40\nwait 1\n");
    EXPECT_EQ(hover("Radio_COM1", 70, 20), "Communications Radio COM1 - 119.075 MHz");
    // The wheels show the cells of 119.07.
    EXPECT_EQ(state("Radio_COM1", 3130).values[1], 1.0);
    EXPECT_EQ(state("Radio_COM1", 3120, 1).values[1], 9.0);
    EXPECT_EQ(state("Radio_COM1", 3120, 0).values[1], 0.0);
    EXPECT_EQ(state("Radio_COM1", 3150).values[1], 7.0);
    // Held down, the transponder's thousands run on from 1 and wrap past 7.
    run("press Radio_IFF_XPDR 60 60\nwait 2s\nrelease\n");
    std::uint32_t steps = 0;
    for (const host::KeyEvent& e : simulation.key_log().events()) steps += e.id == 0x10073;
    EXPECT_GT(steps, 8u);
    EXPECT_EQ(simulation.packed(38), ((1 + steps) % 8) << 12 | 0x200);
    EXPECT_EQ(hover("Radio_NAV1", 15, 84), "NAV1 main switch (on)");
    run("click Radio_NAV1 15 88\nwait 1\n");
    EXPECT_EQ(hover("Radio_NAV1", 15, 84), "NAV1 main switch (off)");
    EXPECT_EQ(hover("VOR1_Indicator", 100, 100), "VOR 1 Indicator (off)");
}

TEST_F(RadioStack, InstrumentsFollowTheAircraftDownTheApproach) {
    run("set 84 275\nset 74 2600\nclick VOR1_ADF_Switch_H 40 20\nwait 1\n");  // RMI single pointer: ADF
    // 8 nm out, left of the centre line: localizer to the right, the
    // locator and the field's VOR ahead.
    fly_to(final_approach(8, -0.1));
    EXPECT_GT(from_up("VOR1_Indicator", 3330), 0.0) << "deviation needle swings right";
    EXPECT_EQ(state("VOR1_Indicator", 3370).icon, 1) << "NAV flag out of view";
    EXPECT_EQ(state("VOR1_Indicator", 3350).icon, 1) << "glide-slope flag out of view";
    EXPECT_NEAR(from_up("RMI", 300), 0.0, 3.0) << "ADF pointer ahead";
    EXPECT_NEAR(from_up("RMI", 310), 4.0, 3.0) << "NAV2 pointer a little right";
    // Past the locator, right of the centre line.
    fly_to(final_approach(2, 0.05));
    EXPECT_LT(from_up("VOR1_Indicator", 3330), 0.0);
    EXPECT_NEAR(std::fabs(from_up("RMI", 300)), 180.0, 3.0) << "ADF pointer behind";
    // Tuned away from the localizer: the NAV flag drops into view.
    run("click Radio_NAV1 40 100\nwait 2\n");  // MHz up: 111.30
    EXPECT_EQ(state("VOR1_Indicator", 3370).icon, 0);
    EXPECT_EQ(from_up("VOR1_Indicator", 3380), 90.0) << "course pointer parked";
    EXPECT_EQ(run("radios\n").find("NAV1 111.30 MHz: no station heard") != std::string::npos, true);
    // The selector back on VOR 1 with no NAV1 bearing: the single pointer parks
    // one update after the change.
    run("click VOR1_ADF_Switch_H 40 20\nwait 2\n");
    EXPECT_EQ(from_up("RMI", 300), 90.0);
}
