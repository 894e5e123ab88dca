// Directionnal_Gyro and Magnetic_Compass through their records.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

using Failures = std::vector<std::pair<UINT32, UINT32>>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

class DirectionalGyroTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module.ok());
        gauge = module.gauge("Directionnal_Gyro");
        ASSERT_NE(gauge, nullptr);
        ASSERT_EQ(first_child_chain(gauge, 2)->element_type, ELEMENT_TYPE_NEEDLE);
        ASSERT_EQ(first_child_chain(gauge, 4)->element_type, ELEMENT_TYPE_NEEDLE);
        card = as<ELEMENT_SPRITE>(first_child_chain(gauge, 1));
        pointer = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 2));
        knob = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 4));
        down = child_area_with_cursor(gauge, CURSOR_DOWN_ARROW);
        up = child_area_with_cursor(gauge, CURSOR_UP_ARROW);
        ASSERT_GE(down, 0);
        ASSERT_GE(up, 0);
    }

    // The desired heading sent by a click on a knob half, or -1 for none.
    long long turn_knob(double desired, int half, UINT32 flags) {
        host.numbers[855] = desired;
        host.clear_log();
        EXPECT_EQ(click(gauge, half, flags), 0);
        if (host.key_events.empty()) {
            return -1;
        }
        EXPECT_EQ(host.key_events.size(), 1u);
        EXPECT_EQ(host.key_events[0].id, 0x101FAu);
        return host.key_events[0].value;
    }

    double pointer_value(double heading, double desired) {
        host.numbers[84] = heading;
        pointer->source_var.value.number = desired;
        return pointer->callback(pointer);
    }

    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = nullptr;
    ELEMENT_SPRITE* card = nullptr;
    ELEMENT_NEEDLE* pointer = nullptr;
    ELEMENT_NEEDLE* knob = nullptr;
    int down = -1;
    int up = -1;
};

TEST_F(DirectionalGyroTest, CardTurnsByHeadingAndPointerFollowsItsMark) {
    EXPECT_EQ(card->source_var_angle.token, 84u);
    EXPECT_EQ(card->scale_angle, 1.0);
    EXPECT_EQ(pointer->calibration_count, 0u);
    EXPECT_EQ(failures_of(&card->header), (Failures{{20, 1}}));
    EXPECT_EQ(failures_of(&pointer->header), (Failures{{20, 1}}));

    EXPECT_EQ(pointer_value(30, 30), -90.0);  // straight up
    EXPECT_EQ(pointer_value(30, 120), 0.0);   // to the right
    // Across north: 20 degrees right of the top, as a whole-turn equivalent.
    EXPECT_EQ(std::remainder(pointer_value(350, 10) - -70.0, 360.0), 0.0);
}

TEST_F(DirectionalGyroTest, OnlyTheKnobNeedleCarriesTheSpecialFlag) {
    EXPECT_EQ(knob->header.special_flags, 0x2u);
    EXPECT_EQ(knob->source_var.token, 855u);
    ASSERT_EQ(knob->calibration_count, 2u);
    EXPECT_EQ(knob->calibration[1].value - knob->calibration[0].value, 45.0);
    for (const char* name : {"Attitude", "Turn_Coordinator", "Directionnal_Gyro", "Magnetic_Compass"}) {
        for (ELEMENT_HEADER* e : all_elements(module.gauge(name))) {
            if (e != &knob->header) {
                EXPECT_EQ(e->special_flags, 0u) << name << " bitmap " << e->bitmap_id;
            }
        }
    }
}

TEST_F(DirectionalGyroTest, KnobStepsByOneOrTenAndWrapsThroughNorth) {
    EXPECT_EQ(turn_knob(0, down, MOUSE_LEFT_SINGLE), 359);
    EXPECT_EQ(turn_knob(5, down, MOUSE_RIGHT_SINGLE), 355);
    EXPECT_EQ(turn_knob(10, down, MOUSE_RIGHT_SINGLE), 0);
    EXPECT_EQ(turn_knob(180, down, MOUSE_LEFT_SINGLE), 179);
    EXPECT_EQ(turn_knob(359, up, MOUSE_LEFT_SINGLE), 0);
    EXPECT_EQ(turn_knob(355, up, MOUSE_RIGHT_SINGLE), 5);
    EXPECT_EQ(turn_knob(349, up, MOUSE_RIGHT_SINGLE), 359);
    EXPECT_EQ(turn_knob(44.9, up, MOUSE_LEFT_SINGLE), 45);  // truncated first
    EXPECT_EQ(host.lookups, (std::vector<UINT32>{855}));
    // The left bit wins; a call with neither click sends nothing.
    EXPECT_EQ(turn_knob(100, up, MOUSE_LEFT_SINGLE | MOUSE_RIGHT_SINGLE), 101);
    EXPECT_EQ(turn_knob(100, up, MOUSE_RIGHT_SINGLE | MOUSE_DOWN_REPEAT), 110);
    EXPECT_EQ(turn_knob(100, up, MOUSE_DOWN_REPEAT), -1);
}

TEST_F(DirectionalGyroTest, KnobNeverSendsAHeadingOutside0To359) {
    EXPECT_EQ(turn_knob(NaN, down, MOUSE_LEFT_SINGLE), 359);  // NaN counts as 0
    EXPECT_EQ(turn_knob(725.5, up, MOUSE_LEFT_SINGLE), 6);
    EXPECT_EQ(turn_knob(-5.5, up, MOUSE_LEFT_SINGLE), 356);
    for (double odd : {Inf, -Inf, 1e300, -1e300, -0.5, -360.0, 359.99, 3000000000.0}) {
        for (int half : {down, up}) {
            for (UINT32 flags : {MOUSE_LEFT_SINGLE, MOUSE_RIGHT_SINGLE}) {
                long long sent = turn_knob(odd, half, flags);
                EXPECT_TRUE(sent >= 0 && sent <= 359) << odd << " sent " << sent;
            }
        }
    }
}

TEST_F(DirectionalGyroTest, TooltipShowsHeadingAndDesiredHeading) {
    const MOUSERECT& tip = gauge->mouse_rects[1];
    ASSERT_EQ(tip.rect_type, MOUSE_RECT_TOOLTIP);
    ASSERT_EQ(tip.event_id, 2u);
    ASSERT_NE(tip.tooltip_text, nullptr);
    EXPECT_EQ(std::string(tip.tooltip_text),
              "Gyro-magnetic compass (Heading %1!d!\xB0 - Desired heading %2!d!\xB0)");
    host.numbers[84] = 271.0;
    host.numbers[855] = 45.0;
    EXPECT_EQ(tip.args[0].number_callback(0, 0, nullptr, nullptr, nullptr), 271.0);
    EXPECT_EQ(tip.args[1].number_callback(0, 0, nullptr, nullptr, nullptr), 45.0);
}

TEST(MagneticCompass, StripRunsOverAReversedRangeWithoutVerticalTravel) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* gauge = module.gauge("Magnetic_Compass");
    ASSERT_NE(gauge, nullptr);
    ELEMENT_HEADER* e = first_child_chain(gauge, 1);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(e->element_type, ELEMENT_TYPE_MOVING_IMAGE);
    auto* strip = as<ELEMENT_MOVING_IMAGE>(e);
    EXPECT_EQ(strip->source_var_x.token, 83u);
    EXPECT_EQ(strip->min_x, 360.0);
    EXPECT_EQ(strip->max_x, 0.0);
    EXPECT_EQ(strip->min_y, strip->max_y);
    EXPECT_EQ(failures_of(e), (Failures{{12, 0}}));
    EXPECT_EQ(gauge->mouse_rects[0].help_id, 0xAB77u);
    EXPECT_EQ(gauge->mouse_rects[1].rect_type, MOUSE_RECT_END_PARENT);  // no tooltip
}

}  // namespace
