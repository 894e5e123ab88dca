// The engine and systems model on the simulation alone: a start from cold
// and dark, gear, flaps and speed brake in transit, and variables that
// others set left to them.
#include <gtest/gtest.h>

#include <cmath>

#include "host/engine_model.h"
#include "host/simulation.h"

namespace {

using host::Simulation;

constexpr double PSI = 144.0;

class EngineModel : public ::testing::Test {
protected:
    void run(double seconds) {
        for (long n = std::lround(seconds * host::FRAMES_PER_SECOND); n > 0; --n) {
            sim.run_frame_models();
            sim.advance_frame();
        }
    }
    double carburetor() { return sim.named(host::CARBURETOR_TEMPERATURE)->value; }
    void model(bool on) { sim.set_named(host::ENGINE_MODEL, on ? 1.0 : 0.0); }
    // Everything off and at 15 C, then the model takes over from there.
    void cold_and_dark() {
        model(false);
        run(1.0 / host::FRAMES_PER_SECOND);
        for (UINT32 t : {759u, 761u, 565u, 753u, 755u, 751u, 740u, 364u, 390u, 418u, 425u, 399u, 400u, 732u}) {
            sim.set_number(t, 0);
        }
        sim.set_number(391, 2116.2);
        sim.set_number(416, 519.67);
        sim.set_number(415, 519.67);
        sim.set_named(host::CARBURETOR_TEMPERATURE, 15.0);
        sim.set_number(558, 0.1);
        model(true);
    }

    Simulation sim;
};

// The start state is the model's own idle: nothing drifts.
TEST_F(EngineModel, TheStartStateIsAtRest) {
    Simulation fresh;
    run(30);
    for (const host::VariableInfo& v : host::standard_variables()) {
        EXPECT_EQ(sim.element_value(v.token), fresh.element_value(v.token)) << "token " << v.token << " " << v.name;
    }
    EXPECT_EQ(carburetor(), 5.0);
}

// The start itself is in the cold-and-dark example (engine_scenario_test):
// here what stops it from running.
TEST_F(EngineModel, RunsOnlyWithIgnitionFuelAndAStarterTurningIt) {
    cold_and_dark();
    sim.set_number(759, 1);
    sim.set_number(401, 1);  // no ignition
    run(3);
    EXPECT_GT(sim.number(390), host::CATCH_RPM);
    EXPECT_EQ(sim.number(364), 0.0);
    sim.set_number(401, 0);
    sim.set_number(399, 1);  // ignition, but the starter is released
    run(3);
    EXPECT_EQ(sim.number(364), 0.0);
    EXPECT_LT(sim.number(390), host::CATCH_RPM);
    sim.set_number(401, 1);
    run(2);
    EXPECT_EQ(sim.number(364), 1.0);
    EXPECT_EQ(sim.number(565), 0.0) << "the generator switch is off";
    sim.set_number(401, 0);
    sim.set_number(560, 0);  // mixture cut-off
    run(10);
    EXPECT_EQ(sim.number(364), 0.0);
    EXPECT_LT(sim.number(390), 10.0);
    EXPECT_LT(sim.number(418) / PSI, 1.0);
}

TEST_F(EngineModel, GearFlapsAndSpeedBrakeTravelOnHydraulicPressure) {
    sim.trigger_key_event(host::EVENT_GEAR_TOGGLE, 0, host::EventSource::Scenario);
    EXPECT_EQ(sim.number(331), 0.0);
    sim.set_number(329, 8192);
    sim.set_number(325, 16383);
    run(1);
    for (UINT32 leg : {332u, 333u, 334u}) {
        EXPECT_GT(sim.number(leg), 10.0);
        EXPECT_LT(sim.number(leg), 16300.0);
    }
    EXPECT_LT(sim.number(732) / PSI, 2000.0) << "moving gear draws on the pump";
    run(2.5);
    EXPECT_EQ(sim.number(326), 16383.0) << "speed brake out in 2.5 s";
    EXPECT_EQ(sim.number(330), 8192.0) << "half flap in 3 s";
    struct Leg {
        UINT32 token;
        double seconds;
    };
    // Legs come up one after the other.
    double elapsed = 3.5;
    for (Leg leg : {Leg{333, host::LEFT_GEAR_SECONDS}, Leg{334, host::RIGHT_GEAR_SECONDS},
                    Leg{332, host::NOSE_GEAR_SECONDS}}) {
        run(leg.seconds - 0.1 - elapsed);
        EXPECT_GT(sim.number(leg.token), 0.0) << leg.token;
        run(0.2);
        EXPECT_EQ(sim.number(leg.token), 0.0) << leg.token;
        elapsed = leg.seconds + 0.1;
    }
    run(15);
    EXPECT_NEAR(sim.number(732) / PSI, 2000.0, 0.1);

    // With the engine stopped the pressure bleeds away and the gear stays.
    sim.set_number(399, 0);
    sim.set_number(400, 0);
    run(90);
    EXPECT_LT(sim.number(732) / PSI, host::HYDRAULIC_WORKING_PSI);
    sim.trigger_key_event(host::EVENT_GEAR_TOGGLE, 0, host::EventSource::Scenario);
    EXPECT_EQ(sim.number(331), 16383.0);
    run(10);
    EXPECT_EQ(sim.number(333), 0.0);
}

TEST_F(EngineModel, AVariableSetElsewhereIsLeftToItsWriterUntilTheSwitchChanges) {
    sim.set_number(390, 2300);
    sim.set_number(753, 13.5);
    run(5);
    EXPECT_EQ(sim.number(390), 2300.0);
    EXPECT_EQ(sim.number(753), 13.5);
    EXPECT_GT(sim.number(418) / PSI, 70.0) << "the oil pressure follows the engine speed set";

    model(false);
    sim.set_number(558, 1.0);
    run(3);
    EXPECT_EQ(sim.number(390), 2300.0);
    EXPECT_EQ(sim.number(391), 1060.992) << "an idle model changes nothing";

    model(true);
    run(10);
    EXPECT_NEAR(sim.number(390), host::FULL_THROTTLE_RPM, 5.0);
    EXPECT_NEAR(sim.number(753), 28.0, 0.01);

    // A new value takes them back without a frame off.
    sim.set_number(390, 1000);
    run(1);
    EXPECT_EQ(sim.number(390), 1000.0);
    sim.set_named(host::ENGINE_MODEL, 2.0);
    run(10);
    EXPECT_NEAR(sim.number(390), host::FULL_THROTTLE_RPM, 5.0);
}

}  // namespace
