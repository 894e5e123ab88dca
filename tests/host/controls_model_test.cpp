// The simulation's answers to the key events of the cockpit controls,
// without a module: each frame runs the frame models.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/controls_model.h"

using host::EventSource;
using host::Simulation;

namespace {

constexpr double PI = 3.14159265358979323846;

void send(Simulation& sim, UINT32 event, UINT32 value = 0, int times = 1) {
    for (int i = 0; i < times; ++i) sim.trigger_key_event(event, value, EventSource::Module);
}

void frames(Simulation& sim, long n) {
    for (long i = 0; i < n; ++i) {
        sim.run_frame_models();
        sim.advance_frame();
    }
}

double degrees(double radians) { return radians * 180.0 / PI; }

}  // namespace

TEST(ControlsModel, MagnetoSelectorStepsBetweenOffAndBoth) {
    Simulation sim;
    sim.set_number(399, 0);
    sim.set_number(400, 0);
    const double left[] = {0, 1, 1, 1};  // R, L, BOTH, BOTH
    const double right[] = {1, 0, 1, 1};
    for (int i = 0; i < 4; ++i) {
        send(sim, host::EVENT_MAGNETO_TOWARDS_BOTH);
        EXPECT_EQ(sim.number(399), left[i]) << i;
        EXPECT_EQ(sim.number(400), right[i]) << i;
    }
    send(sim, host::EVENT_MAGNETO_TOWARDS_OFF, 0, 2);  // L, then R
    EXPECT_EQ(sim.number(399), 0.0);
    EXPECT_EQ(sim.number(400), 1.0);
    send(sim, host::EVENT_MAGNETO_TOWARDS_OFF, 0, 5);
    EXPECT_EQ(sim.number(399), 0.0);
    EXPECT_EQ(sim.number(400), 0.0);
}

TEST(ControlsModel, StarterAndPrimerStayEngagedWhileTheirEventsRepeat) {
    for (auto [event, token, hold] : {std::tuple{host::EVENT_STARTER, 401u, host::STARTER_HOLD_FRAMES},
                                      std::tuple{host::EVENT_PRIMER, 361u, host::PRIMER_HOLD_FRAMES}}) {
        SCOPED_TRACE(token);
        Simulation sim;
        send(sim, event);
        EXPECT_EQ(sim.number(token), 1.0);
        frames(sim, hold - 1);
        EXPECT_EQ(sim.number(token), 1.0);
        frames(sim, 1);
        EXPECT_EQ(sim.number(token), 0.0) << "a click lets go after the hold";
        // Held: the press, a first repeat 8 frames on, then one every 2.
        send(sim, event);
        frames(sim, 8);
        for (int i = 0; i < 20; ++i) {
            send(sim, event);
            frames(sim, 2);
            ASSERT_EQ(sim.number(token), 1.0) << i;
        }
        frames(sim, hold);
        EXPECT_EQ(sim.number(token), 0.0);
        // A starter a scenario engages stays engaged.
        sim.set_number(token, 1.0);
        frames(sim, 3 * hold);
        EXPECT_EQ(sim.number(token), 1.0);
    }
}

TEST(ControlsModel, EngineLeversTakeTheirAxis) {
    Simulation sim;
    struct Case {
        UINT32 event, token, value;
        double expected;
    };
    const Case cases[] = {
        {host::EVENT_THROTTLE_SET, 558, 16384, 1.0}, {host::EVENT_THROTTLE_SET, 558, 8192, 0.5},
        {host::EVENT_PROPELLER_SET, 559, 0, 0.0},    {host::EVENT_MIXTURE_SET, 560, 4096, 0.25},
        {host::EVENT_THROTTLE_SET, 558, 99999, 1.0}, {host::EVENT_MIXTURE_SET, 560, 0xFFFFFFFF, 0.0},
    };
    for (const Case& c : cases) {
        send(sim, c.event, c.value);
        EXPECT_EQ(sim.number(c.token), c.expected) << std::hex << c.event << " " << std::dec << c.value;
    }
}

// The levers move at once; the speed brake and the flaps follow them over
// time under the engine model's hydraulics and stop at them.
TEST(ControlsModel, DiveBrakeLeverMovesAtOnceAndTheBrakeFollowsOverTime) {
    Simulation sim;
    send(sim, host::EVENT_DIVE_BRAKE_SET, 8192);
    EXPECT_EQ(sim.number(325), 8192.0);
    EXPECT_EQ(sim.number(326), 0.0);
    frames(sim, 9);
    EXPECT_GT(sim.number(326), 0.0);
    EXPECT_LT(sim.number(326), 8192.0) << "the brake takes time";
    frames(sim, 5 * 18);
    EXPECT_EQ(sim.number(326), 8192.0) << "stops at the lever";
    send(sim, host::EVENT_DIVE_BRAKE_MIDDLE_TO_ON);
    EXPECT_EQ(sim.number(325), 16383.0);
    frames(sim, 5 * 18);
    EXPECT_EQ(sim.number(326), 16383.0);
    send(sim, host::EVENT_DIVE_BRAKE_SET, 8192);
    send(sim, host::EVENT_DIVE_BRAKE_MIDDLE_TO_OFF);
    EXPECT_EQ(sim.number(325), 0.0);
    frames(sim, 5 * 18);
    EXPECT_EQ(sim.number(326), 0.0);
}

TEST(ControlsModel, FlapLeverMovesANotchAndTheFlapsFollow) {
    Simulation sim;
    const double down[] = {4096, 8192, 12288, 16383, 16383};
    for (double notch : down) {
        send(sim, host::EVENT_FLAPS_DOWN);
        EXPECT_EQ(sim.number(329), notch);
    }
    EXPECT_EQ(sim.number(330), 0.0) << "the flaps take time";
    frames(sim, 2 * 18);
    EXPECT_GT(sim.number(330), 0.0);
    EXPECT_LT(sim.number(330), 16383.0);
    frames(sim, 10 * 18);
    EXPECT_EQ(sim.number(330), 16383.0);
    send(sim, host::EVENT_FLAPS_UP);
    EXPECT_EQ(sim.number(329), 12288.0);
    // Between notches, or not a number: the nearest notch that way.
    sim.set_number(329, 5000);
    send(sim, host::EVENT_FLAPS_UP);
    EXPECT_EQ(sim.number(329), 4096.0);
    sim.set_number(329, 5000);
    send(sim, host::EVENT_FLAPS_DOWN);
    EXPECT_EQ(sim.number(329), 8192.0);
    sim.set_number(329, std::numeric_limits<double>::quiet_NaN());
    send(sim, host::EVENT_FLAPS_DOWN);
    EXPECT_EQ(sim.number(329), 4096.0);
    send(sim, host::EVENT_FLAPS_UP, 0, 3);
    EXPECT_EQ(sim.number(329), 0.0);
}

TEST(ControlsModel, CowlFlapsMoveAStepPerEventAtTheirRate) {
    Simulation sim;
    send(sim, host::EVENT_COWL_FLAPS_OPEN, 0, 3);
    frames(sim, 9);
    EXPECT_NEAR(sim.number(362), 0.25, 1e-9);
    frames(sim, 9);
    EXPECT_NEAR(sim.number(362), 0.3, 1e-9) << "stops at three steps";
    send(sim, host::EVENT_COWL_FLAPS_OPEN, 0, 20);
    frames(sim, 2 * 18);
    EXPECT_EQ(sim.number(362), 1.0);
    send(sim, host::EVENT_COWL_FLAPS_CLOSE);
    frames(sim, 18);
    EXPECT_NEAR(sim.number(362), 0.9, 1e-9);
}

TEST(ControlsModel, TrimsStepWithinTheirScales) {
    Simulation sim;
    send(sim, host::EVENT_PITCH_TRIM_NOSE_UP, 0, 3);
    EXPECT_NEAR(degrees(sim.number(783)), 1.5, 1e-9);
    send(sim, host::EVENT_PITCH_TRIM_NOSE_DOWN, 0, 200);
    EXPECT_NEAR(degrees(sim.number(783)), -host::PITCH_TRIM_LIMIT_DEGREES, 1e-9);
    send(sim, host::EVENT_AILERON_TRIM_RIGHT, 0, 4);
    EXPECT_NEAR(degrees(sim.number(785)), 1.0, 1e-9);
    send(sim, host::EVENT_AILERON_TRIM_LEFT, 0, 100);
    EXPECT_NEAR(degrees(sim.number(785)), -host::AILERON_TRIM_LIMIT_DEGREES, 1e-9);
    send(sim, host::EVENT_RUDDER_TRIM_RIGHT, 0, 100);
    EXPECT_NEAR(degrees(sim.number(787)), host::RUDDER_TRIM_LIMIT_DEGREES, 1e-9);
    send(sim, host::EVENT_RUDDER_TRIM_LEFT);
    EXPECT_NEAR(degrees(sim.number(787)), host::RUDDER_TRIM_LIMIT_DEGREES - 0.25, 1e-9);
    // A trim that is not a number starts again from neutral.
    for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        sim.set_number(783, bad);
        send(sim, host::EVENT_PITCH_TRIM_NOSE_UP);
        EXPECT_NEAR(degrees(sim.number(783)), 0.5, 1e-9);
    }
}

TEST(ControlsModel, CanopyAndHookTravelAndReverseOnEachToggle) {
    Simulation sim;
    send(sim, host::EVENT_CANOPY_TOGGLE);
    frames(sim, 36);  // half of its four seconds
    EXPECT_NEAR(sim.number(868), 0.5, 1e-9);
    send(sim, host::EVENT_CANOPY_TOGGLE);  // turns back
    frames(sim, 18);
    EXPECT_NEAR(sim.number(868), 0.25, 1e-9);
    frames(sim, 40);
    EXPECT_EQ(sim.number(868), 0.0);

    send(sim, host::EVENT_TAIL_HOOK_TOGGLE);
    frames(sim, 37);
    EXPECT_EQ(sim.number(869), 1.0);
    send(sim, host::EVENT_TAIL_HOOK_TOGGLE);  // at rest down: goes up
    frames(sim, 18);
    EXPECT_NEAR(sim.number(869), 0.5, 1e-9);
    // A position a scenario sets while at rest stays.
    frames(sim, 20);
    sim.set_number(869, 0.7);
    frames(sim, 18);
    EXPECT_EQ(sim.number(869), 0.7);
}
