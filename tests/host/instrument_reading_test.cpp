// The flight instruments of the real module read correctly under the host's
// sprite, slider, needle and moving-image conventions, and their knobs drive
// the simulation. Each check works out where something lands on screen
// (+x right, +y down) from the evaluated element state.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "host/flight_models.h"
#include "host/panel.h"

using host::ElementState;
using host::MouseButton;
using host::Panel;

namespace {

constexpr double PI = 3.14159265358979323846;
double rad(double deg) { return deg * PI / 180.0; }

struct Point {
    double x, y;
};

// A sprite turned counter-clockwise on screen by `angle` degrees: where a
// texture offset from its centre ends up, as a screen offset.
Point sprite_to_screen(Point p, double angle) {
    double a = rad(angle);
    return {p.x * std::cos(a) + p.y * std::sin(a), -p.x * std::sin(a) + p.y * std::cos(a)};
}

// Bearing on screen, clockwise from straight up, 0..360.
double bearing(Point p) {
    double b = std::atan2(p.x, -p.y) * 180.0 / PI;
    return b < 0 ? b + 360.0 : b;
}

// A needle drawn along its bitmap's +x, turned clockwise by the angle.
Point needle_tip(double angle) { return {std::cos(rad(angle)), std::sin(rad(angle))}; }

double wrap180(double d) {
    d = std::fmod(d, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

class InstrumentReading : public ::testing::Test {
protected:
    void SetUp() override {
        bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
        std::istringstream cfg(
            "[Window00]\nident=MAIN_PANEL\n"
            "gauge00=Vantor_Instr!Attitude, 0, 0, 100\n"
            "gauge01=Vantor_Instr!Directionnal_Gyro, 0, 0, 100\n"
            "gauge02=Vantor_Instr!Turn_Coordinator, 0, 0, 111\n"
            "gauge03=Vantor_Instr!Magnetic_Compass, 0, 0, 100\n"
            "gauge04=Vantor_Instr!Altimeter, 0, 0, 100\n"
            "gauge05=Vantor_Instr!Bendix_DME, 0, 0, 100\n");
        host::Panel::Options options;
        options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        panel = std::make_unique<Panel>(simulation, bitmaps, options);
        panel->load(host::PanelConfig::parse(cfg, "panel.cfg"));
    }

    const ElementState& state(const char* gauge, UINT32 bitmap) {
        host::PlacedGauge* g = panel->find(gauge);
        EXPECT_NE(g, nullptr) << gauge;
        for (const ElementState& s : g->evaluation.elements()) {
            if (s.bitmap_id == bitmap) return s;
        }
        ADD_FAILURE() << gauge << " has no element with bitmap " << bitmap;
        static ElementState none;
        return none;
    }

    void click(const char* gauge, int x, int y, MouseButton button = MouseButton::Left) {
        panel->press(*panel->find(gauge), PIXPOINT{x, y}, button);
        panel->mouse().release();
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    std::unique_ptr<Panel> panel;
};

}  // namespace

TEST_F(InstrumentReading, GyroCardPutsTheHeadingUnderTheLubberLine) {
    // The card is drawn with the mark for heading h at bearing h.
    for (double heading : {0.0, 90.0, 135.0, 270.0, 359.0}) {
        simulation.set_number(84, heading);
        panel->frame();
        const ElementState& card = state("Directionnal_Gyro", 2320);
        double mark_for_heading = bearing(sprite_to_screen(needle_tip(heading - 90.0), card.angle));
        EXPECT_NEAR(wrap180(mark_for_heading), 0.0, 1e-9) << "heading " << heading;
        // East lies 90 degrees right of north on the turned card, as on a compass.
        double north = bearing(sprite_to_screen({0, -1}, card.angle));
        double east = bearing(sprite_to_screen({1, 0}, card.angle));
        EXPECT_NEAR(wrap180(east - north), 90.0, 1e-9);
    }
}

TEST_F(InstrumentReading, HeadingBugStaysOverItsMarkAndTheKnobMovesIt) {
    simulation.set_number(84, 30);
    simulation.set_number(855, 120);
    panel->frame();
    // Needle without a table: the value is its angle; the bug stands 90 degrees
    // right of the lubber line, over the card's 120 mark.
    EXPECT_NEAR(bearing(needle_tip(state("Directionnal_Gyro", 2340).angle)), 90.0, 1e-9);

    // Right half of the knob (27, 246, 27, 54): left click +1, right click +10.
    click("Directionnal_Gyro", 40, 270);
    EXPECT_EQ(simulation.number(855), 121.0);
    click("Directionnal_Gyro", 40, 270, MouseButton::Right);
    EXPECT_EQ(simulation.number(855), 131.0);
    click("Directionnal_Gyro", 10, 270);
    EXPECT_EQ(simulation.number(855), 130.0);
    simulation.set_number(84, 100);
    panel->frame();
    EXPECT_NEAR(bearing(needle_tip(state("Directionnal_Gyro", 2340).angle)), 30.0, 1e-9);
    const auto& log = simulation.key_log().events();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].id, host::EVENT_DESIRED_HEADING_SET);
    EXPECT_EQ(log[1].value, 131u);
    EXPECT_TRUE(log[2].handled);
}

TEST_F(InstrumentReading, HorizonBanksThePilotsWayAndDropsWhenTheNoseRises) {
    // Right bank (token 80 negative): seen from the cockpit the horizon's
    // right end rises, and the bank ring turns with it.
    simulation.set_number(80, -30);
    panel->frame();
    const ElementState& ball = state("Attitude", 2260);
    Point right_end = sprite_to_screen({100, 0}, ball.angle);
    Point left_end = sprite_to_screen({-100, 0}, ball.angle);
    EXPECT_LT(right_end.y, left_end.y);
    EXPECT_NEAR(std::atan2(left_end.y - right_end.y, right_end.x - left_end.x) * 180.0 / PI, 30.0, 1e-9);
    EXPECT_EQ(state("Attitude", 2270).angle, ball.angle);
    // The ring's zero index points at the sky: in a right bank it swings left.
    EXPECT_LT(sprite_to_screen({0, -1}, state("Attitude", 2270).angle).x, 0.0);

    simulation.set_number(80, 20);  // left bank
    panel->frame();
    EXPECT_GT(sprite_to_screen({100, 0}, state("Attitude", 2260).angle).y, 0.0) << "right end drops";

    // Nose up 10 degrees in wings-level flight: the horizon line (the
    // texture's centre row) moves down on screen, showing more sky.
    simulation.set_number(80, 0);
    simulation.set_number(78, 10);
    panel->frame();
    const ElementState& up = state("Attitude", 2260);
    Point horizon = sprite_to_screen({up.shift_x, up.shift_y}, up.angle);
    EXPECT_NEAR(horizon.y, 12.5, 1e-9);
    EXPECT_NEAR(horizon.x, 0.0, 1e-9);
    // Nose up in a bank: the horizon moves along the ball's own vertical.
    simulation.set_number(80, -30);
    panel->frame();
    const ElementState& banked = state("Attitude", 2260);
    Point moved = sprite_to_screen({banked.shift_x, banked.shift_y}, banked.angle);
    EXPECT_NEAR(std::hypot(moved.x, moved.y), 12.5, 1e-9);
    EXPECT_GT(moved.y, 0.0);
    EXPECT_GT(moved.x, 0.0) << "perpendicular to a horizon that rises to the right";
}

TEST_F(InstrumentReading, MiniatureAircraftKnobRaisesTheSymbol) {
    // Up half of the knob (26, 249, 25, 50), down half (1, 249, 25, 50): the
    // host sends the rectangles' events.
    click("Attitude", 35, 270);
    click("Attitude", 35, 270);
    panel->frame();
    EXPECT_EQ(simulation.number(612), 2.0);
    EXPECT_LT(state("Attitude", 2280).shift_y, 0.0) << "up on screen";
    click("Attitude", 10, 270);
    click("Attitude", 10, 270);
    click("Attitude", 10, 270);
    panel->frame();
    EXPECT_GT(state("Attitude", 2280).shift_y, 0.0);
    ASSERT_EQ(simulation.key_log().events().size(), 5u);
    EXPECT_EQ(simulation.key_log().events()[0].id, host::EVENT_MINIATURE_AIRCRAFT_UP);
    EXPECT_EQ(simulation.key_log().events()[4].id, host::EVENT_MINIATURE_AIRCRAFT_DOWN);
    EXPECT_EQ(simulation.key_log().events()[4].source, host::EventSource::Host);
}

TEST_F(InstrumentReading, BallAndTurnNeedleGoTheWayOfTheTurn) {
    simulation.set_number(69, 64);     // ball out to the right
    simulation.set_number(70, 1152);  // standard right turn
    panel->frame();
    const ElementState& ball = state("Turn_Coordinator", 2150);
    EXPECT_NEAR(ball.shift_x, 31.5, 1e-9);
    EXPECT_NEAR(ball.shift_y, -1.75, 1e-9) << "rises along the curved tube";
    EXPECT_NEAR(bearing(needle_tip(state("Turn_Coordinator", 2140).angle)), 45.0, 1e-6);

    simulation.set_number(69, -64);
    simulation.set_number(70, -1152);
    panel->frame();
    EXPECT_NEAR(state("Turn_Coordinator", 2150).shift_x, -31.5, 1e-9);
    EXPECT_NEAR(state("Turn_Coordinator", 2150).shift_y, -1.75, 1e-9);
    EXPECT_NEAR(bearing(needle_tip(state("Turn_Coordinator", 2140).angle)), 315.0, 1e-6);

    simulation.set_number(70, 0);
    panel->frame();
    EXPECT_NEAR(wrap180(bearing(needle_tip(state("Turn_Coordinator", 2140).angle))), 0.0, 1e-6) << "upright";
}

TEST_F(InstrumentReading, CompassStripShowsTheHeadingUnderTheLubberLine) {
    // The strip (531 px, 420 px of travel for 360 degrees) carries heading h
    // at x = 55.5 + (360 - h) * 420 / 360; the lubber line is at x = 55.5 of
    // the 111-px window whose left edge lies at the state's shift.
    for (double heading : {0.0, 90.0, 180.0, 270.0, 359.0}) {
        simulation.set_number(83, heading);
        panel->frame();
        const ElementState& strip = state("Magnetic_Compass", 2400);
        ASSERT_TRUE(strip.window.has_value());
        EXPECT_EQ(strip.window->width, 111);
        EXPECT_NEAR(strip.shift_x + 55.5, 55.5 + (360.0 - heading) * 420.0 / 360.0, 1e-9) << heading;
        EXPECT_EQ(strip.shift_y, 0.0);
    }
}

TEST_F(InstrumentReading, AltimeterKnobTurnsTheDrumAndTheHands) {
    simulation.set_number(74, 1200);
    panel->frame();
    double hundreds_before = state("Altimeter", 2030).angle;
    EXPECT_NEAR(state("Altimeter", 2010).angle, 0.0, 1e-9) << "29.92: drum unturned";

    // Knob at (17, 235, 50, 50): right half up, left half down.
    for (int i = 0; i < 5; ++i) click("Altimeter", 55, 260);
    click("Altimeter", 25, 260);
    panel->frame();
    EXPECT_NEAR(simulation.number(76), 29.96, 1e-9);
    EXPECT_NEAR(simulation.number(74), 1240.0, 1e-6);
    EXPECT_NEAR(state("Altimeter", 2010).angle, 4.0, 1e-6) << "(29.96 - 29.92) x 100";
    // 40 ft more: the hundreds hand turns 40/500 of half a turn clockwise.
    EXPECT_NEAR(wrap180(state("Altimeter", 2030).angle - hundreds_before), 14.4, 1e-6);
    // The millibar dial follows: 1013 points right, 1070 left, clockwise.
    double mb = 29.96 * 1013.25 / 29.92;
    EXPECT_NEAR(simulation.number(75), mb, 1e-9);
    EXPECT_NEAR(state("Altimeter", 2060).angle, (mb - 1013.0) / 57.0 * 180.0, 1e-6);
    int ups = 0, downs = 0;
    for (const host::KeyEvent& e : simulation.key_log().events()) {
        ups += e.id == host::EVENT_ALTIMETER_UP;
        downs += e.id == host::EVENT_ALTIMETER_DOWN;
        EXPECT_EQ(e.source, host::EventSource::Host);
    }
    EXPECT_EQ(ups, 5);
    EXPECT_EQ(downs, 1);
}

TEST_F(InstrumentReading, DmeKnobSwapsTheSourceAndItsIndicator) {
    panel->frame();
    EXPECT_EQ(state("Bendix_DME", 2380).icon, 0);
    click("Bendix_DME", 56, 42);  // the knob (51, 37, 15, 15)
    panel->frame();
    EXPECT_EQ(simulation.number(355), 2.0);
    EXPECT_EQ(state("Bendix_DME", 2380).icon, 1);
    click("Bendix_DME", 56, 42);
    panel->frame();
    EXPECT_EQ(state("Bendix_DME", 2380).icon, 0);
}
