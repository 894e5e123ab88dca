// The simulation's answers to the key events of the panel buttons and of the
// flight instruments, without a module.
#include <gtest/gtest.h>

#include "host/flight_models.h"

using host::EventSource;
using host::Simulation;

namespace {

double named(const Simulation& sim, const char* name) {
    auto v = sim.named(name);
    EXPECT_TRUE(v.has_value()) << name;
    return v ? v->value : -999.0;
}

void send(Simulation& sim, UINT32 event, UINT32 value = 0, int times = 1) {
    for (int i = 0; i < times; ++i) sim.trigger_key_event(event, value, EventSource::Host);
}

}  // namespace

TEST(FlightModels, AltimeterKnobStepsKeepBothSettingsAndTheAltitudeTogether) {
    Simulation sim;
    sim.set_number(74, 3000.0);
    send(sim, host::EVENT_ALTIMETER_UP, 0, 3);
    EXPECT_NEAR(sim.number(76), 29.95, 1e-9);
    EXPECT_NEAR(sim.number(75), 29.95 * 1013.25 / 29.92, 1e-9);
    EXPECT_NEAR(sim.number(74), 3030.0, 1e-6) << "a higher setting reads higher";
    send(sim, host::EVENT_ALTIMETER_DOWN, 0, 5);
    EXPECT_NEAR(sim.number(76), 29.90, 1e-9);
    EXPECT_NEAR(sim.number(74), 2980.0, 1e-6);
    // Back to standard after many steps: no drift, and 1013.25 mb again.
    send(sim, host::EVENT_ALTIMETER_UP, 0, 100);
    send(sim, host::EVENT_ALTIMETER_DOWN, 0, 98);
    EXPECT_DOUBLE_EQ(sim.number(76), 29.92);
    EXPECT_NEAR(sim.number(75), 1013.25, 1e-9);
    EXPECT_NEAR(sim.number(74), 3000.0, 1e-6);
}

TEST(FlightModels, AltimeterSettingStopsAtTheDrumEndsAndSoDoesTheAltitude) {
    Simulation sim;
    sim.set_number(74, 500.0);
    send(sim, host::EVENT_ALTIMETER_UP, 0, 400);  // 29.92 + 4.00 would pass 31.50
    EXPECT_DOUBLE_EQ(sim.number(76), 31.50);
    EXPECT_NEAR(sim.number(74), 500.0 + (31.50 - 29.92) * 1000.0, 1e-6);
    send(sim, host::EVENT_ALTIMETER_DOWN, 0, 1000);
    EXPECT_DOUBLE_EQ(sim.number(76), 28.10);
    EXPECT_NEAR(sim.number(74), 500.0 + (28.10 - 29.92) * 1000.0, 1e-6);
    // A setting placed by a scenario is where the knob starts from.
    sim.set_number(76, 30.004);
    send(sim, host::EVENT_ALTIMETER_UP);
    EXPECT_DOUBLE_EQ(sim.number(76), 30.01);
}

// The knobs themselves are clicked in instrument_reading_test.cpp; here the
// ends of their ranges.
TEST(FlightModels, MiniatureAircraftHeadingBugAndDmeSourceAtTheirEnds) {
    Simulation sim;
    send(sim, host::EVENT_MINIATURE_AIRCRAFT_DOWN, 0, 50);
    EXPECT_EQ(sim.number(612), -host::MINIATURE_AIRCRAFT_LIMIT);
    send(sim, host::EVENT_MINIATURE_AIRCRAFT_UP, 0, 50);
    EXPECT_EQ(sim.number(612), host::MINIATURE_AIRCRAFT_LIMIT);

    send(sim, host::EVENT_DESIRED_HEADING_SET, 360);
    EXPECT_EQ(sim.number(855), 0.0);

    sim.set_number(355, 0.0);  // no source: the knob selects NAV1
    send(sim, host::EVENT_DME_SOURCE_SWAP);
    EXPECT_EQ(sim.number(355), 1.0);
}

TEST(FlightModels, SeatViewAndHostWindows) {
    Simulation sim;
    send(sim, host::EVENT_SEAT_UP, 0, 3);
    EXPECT_EQ(named(sim, host::SEAT_HEIGHT), 3.0);
    send(sim, host::EVENT_SEAT_DOWN, 0, 40);
    EXPECT_EQ(named(sim, host::SEAT_HEIGHT), -host::SEAT_LIMIT_CM);

    send(sim, host::EVENT_VIEW_PREVIOUS, 0, 2);
    EXPECT_EQ(named(sim, host::VIEW_DIRECTION), 6.0) << "two steps left of ahead";
    send(sim, host::EVENT_VIEW_NEXT, 0, 3);
    EXPECT_EQ(named(sim, host::VIEW_DIRECTION), 1.0) << "wraps past ahead";
    send(sim, host::EVENT_VIEW_RESET);
    EXPECT_EQ(named(sim, host::VIEW_DIRECTION), 0.0);

    send(sim, host::EVENT_MAP_WINDOW);
    send(sim, host::EVENT_ATC_WINDOW, 0, 2);
    EXPECT_EQ(named(sim, host::MAP_WINDOW), 1.0);
    EXPECT_EQ(named(sim, host::KNEEBOARD_WINDOW), 0.0);
    EXPECT_EQ(named(sim, host::ATC_WINDOW), 0.0);

    // Every one of them is logged as handled.
    for (const host::KeyEvent& e : sim.key_log().events()) EXPECT_TRUE(e.handled) << std::hex << e.id;
    EXPECT_EQ(sim.key_log().events().size(), 3u + 40 + 2 + 3 + 1 + 1 + 2);
}
