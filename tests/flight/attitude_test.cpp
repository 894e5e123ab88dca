// Attitude and Turn_Coordinator through their records, as the host uses them.
// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

using Failures = std::vector<std::pair<UINT32, UINT32>>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class AttitudeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module.ok());
        gauge = module.gauge("Attitude");
        ASSERT_NE(gauge, nullptr);
        ASSERT_EQ(first_child_chain(gauge, 1)->element_type, ELEMENT_TYPE_SPRITE);
        ASSERT_EQ(first_child_chain(gauge, 2)->element_type, ELEMENT_TYPE_SPRITE);
        ASSERT_EQ(first_child_chain(gauge, 3)->element_type, ELEMENT_TYPE_ICON);
        ASSERT_EQ(first_child_chain(gauge, 4)->element_type, ELEMENT_TYPE_SLIDER);
        horizon = as<ELEMENT_SPRITE>(first_child_chain(gauge, 1));
        bank_ring = as<ELEMENT_SPRITE>(first_child_chain(gauge, 2));
        flag = as<ELEMENT_ICON>(first_child_chain(gauge, 3));
        aircraft = as<ELEMENT_SLIDER>(first_child_chain(gauge, 4));
    }

    double pitch(double degrees) {
        horizon->source_var_y.value.number = degrees;
        return horizon->callback_y(horizon);
    }

    double flag_value(double state_279, double state_276) {
        host.numbers[279] = state_279;
        host.numbers[276] = state_276;
        return flag->callback(flag);
    }

    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = nullptr;
    ELEMENT_SPRITE* horizon = nullptr;
    ELEMENT_SPRITE* bank_ring = nullptr;
    ELEMENT_ICON* flag = nullptr;
    ELEMENT_SLIDER* aircraft = nullptr;
};

TEST_F(AttitudeTest, HorizonAndRingTurnAgainstBankAndFailTogether) {
    for (ELEMENT_SPRITE* s : {horizon, bank_ring}) {
        EXPECT_EQ(s->source_var_angle.token, 80u);
        EXPECT_EQ(+s->scale_angle, -1.0);
        EXPECT_EQ(failures_of(&s->header), (Failures{{8, 0}}));
    }
    EXPECT_EQ(horizon->source_var_y.token, 78u);
    EXPECT_EQ(+horizon->scale_y, 1.25);
    EXPECT_EQ(+bank_ring->callback_y, nullptr);
    EXPECT_EQ(aircraft->source_var_y.token, 612u);
    EXPECT_EQ(+aircraft->scale_y, -0.3);  // a higher setting moves it up
}

TEST_F(AttitudeTest, PitchStopsAtThirtyNineDegreesEitherWay) {
    EXPECT_EQ(pitch(45.0), 39.0);
    EXPECT_EQ(pitch(-60.0), -39.0);
    EXPECT_EQ(pitch(39.0), 39.0);
    EXPECT_EQ(pitch(-39.0), -39.0);
    EXPECT_EQ(pitch(12.5), 12.5);
    EXPECT_EQ(pitch(-Inf), -39.0);
    EXPECT_EQ(pitch(90.0) * horizon->scale_y, 48.75);  // pixels of travel at most
}

TEST_F(AttitudeTest, GyroFlagShowsWhileEitherStateIsSet) {
    EXPECT_EQ(flag_value(0, 0), -1.0);
    EXPECT_EQ(flag_value(1, 0), 0.0);
    EXPECT_EQ(flag_value(0, 1), 0.0);
    EXPECT_EQ(flag_value(0.75, 0), -1.0);  // read as a whole number
    host.clear_log();
    flag_value(0, 0);
    EXPECT_EQ(host.lookups, (std::vector<UINT32>{279, 276}));
}

TEST_F(AttitudeTest, GyroFlagShowsForStatesThatAreNotValidIntegers) {
    for (double bad : {NaN, Inf, -Inf, 1e300, 4294967296.0, -1.0, -0.5}) {
        EXPECT_EQ(flag_value(bad, 0), 0.0) << "token 279 = " << bad;
        EXPECT_EQ(flag_value(0, bad), 0.0) << "token 276 = " << bad;
    }
}

TEST_F(AttitudeTest, KnobHalvesLetTheHostSendMiniatureAircraftSteps) {
    const MOUSERECT* r = gauge->mouse_rects;
    EXPECT_EQ(r[1].rect_type, MOUSE_RECT_TOOLTIP);
    EXPECT_EQ(r[1].help_id, 0x3092u);
    EXPECT_EQ(r[2].cursor, CURSOR_DOWN_ARROW);
    EXPECT_EQ(r[2].event_id, 0x1030Fu);
    EXPECT_EQ(r[3].cursor, CURSOR_UP_ARROW);
    EXPECT_EQ(r[3].event_id, 0x1030Eu);
    for (const MOUSERECT* c : {&r[2], &r[3]}) {
        EXPECT_EQ(c->rect_type, MOUSE_RECT_CHILD);
        EXPECT_EQ(c->mouse_flags, 0x20200000u);
        EXPECT_EQ(+c->function, nullptr);
    }
}

class TurnCoordinatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module.ok());
        GAUGEHDR* gauge = module.gauge("Turn_Coordinator");
        ASSERT_NE(gauge, nullptr);
        ASSERT_EQ(first_child_chain(gauge, 1)->element_type, ELEMENT_TYPE_SLIDER);
        ASSERT_EQ(first_child_chain(gauge, 3)->element_type, ELEMENT_TYPE_NEEDLE);
        ball = as<ELEMENT_SLIDER>(first_child_chain(gauge, 1));
        turn = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 3));
    }

    double turn_value(double raw) {
        turn->source_var.value.number = raw;
        return turn->callback(turn);
    }

    LoadedModule module;
    ELEMENT_SLIDER* ball = nullptr;
    ELEMENT_NEEDLE* turn = nullptr;
};

TEST_F(TurnCoordinatorTest, BallRisesAlongTheTubeEquallyBothWays) {
    EXPECT_EQ(ball->source_var_x.token, 69u);
    EXPECT_EQ(ball->source_var_y.token, 69u);
    for (double b : {64.0, -64.0}) {
        ball->source_var_y.value.number = b;
        EXPECT_EQ(b * ball->scale_x, b > 0 ? 31.5 : -31.5);
        EXPECT_EQ(ball->callback_y(ball) * ball->scale_y, -1.75);  // up
    }
    ball->source_var_y.value.number = 0.0;
    EXPECT_EQ(ball->callback_y(ball), 0.0);
}

TEST_F(TurnCoordinatorTest, TurnNeedleShowsRateOver256AndStopsAtFortyFiveDegrees) {
    EXPECT_EQ(turn->source_var.token, 70u);
    EXPECT_EQ(turn_value(1152.0), 4.5);
    EXPECT_EQ(turn_value(-1152.0), -4.5);
    EXPECT_EQ(turn_value(1280.0), 5.0);

    // The table ends in pairs at one point: the needle holds at +-4.5, 45
    // degrees either side of upright about the pivot, right for positive.
    ASSERT_EQ(turn->calibration_count, 4u);
    const NONLINEARITY* c = turn->calibration;
    const PIXPOINT pivot = turn->header.position;
    EXPECT_TRUE(c[0].point.x == c[1].point.x && c[0].point.y == c[1].point.y);
    EXPECT_TRUE(c[2].point.x == c[3].point.x && c[2].point.y == c[3].point.y);
    EXPECT_EQ(+c[1].value, -4.5);
    EXPECT_EQ(+c[2].value, 4.5);
    EXPECT_EQ(c[2].point.x - pivot.x, pivot.y - c[2].point.y);
    EXPECT_EQ(pivot.x - c[1].point.x, pivot.y - c[1].point.y);
    EXPECT_GT(c[2].point.x, pivot.x);
    EXPECT_EQ(failures_of(&turn->header), (Failures{{18, 1}}));
}

}  // namespace
