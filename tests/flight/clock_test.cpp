// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

constexpr UINT32 HOURS_SET = 0x101FC;
constexpr UINT32 MINUTES_SET = 0x101FD;
constexpr UINT32 RIGHT = MOUSE_RIGHT_SINGLE;
constexpr UINT32 LEFT = MOUSE_LEFT_SINGLE;

struct ClockTest : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = module.gauge("Clock");
    ELEMENT_ICON* lamp = as<ELEMENT_ICON>(first_child_chain(gauge, 1));
    ELEMENT_NEEDLE* hands[3] = {as<ELEMENT_NEEDLE>(first_child_chain(gauge, 2)),
                                as<ELEMENT_NEEDLE>(first_child_chain(gauge, 3)),
                                as<ELEMENT_NEEDLE>(first_child_chain(gauge, 4))};
    int plus = child_area_with_cursor(gauge, CURSOR_UP_ARROW);
    int minus = child_area_with_cursor(gauge, CURSOR_DOWN_ARROW);

    // One update at time of day `t`: each hand refreshed, then called.
    std::vector<FLOAT64> update(FLOAT64 t) {
        std::vector<FLOAT64> shown;
        for (ELEMENT_NEEDLE* hand : hands) {
            hand->source_var.value.number = t;
            shown.push_back(hand->callback(hand));
        }
        return shown;
    }
    FLOAT64 lamp_image() { return lamp->callback(lamp); }
    void press(int area, UINT32 flags) {
        ASSERT_GE(area, 0);
        EXPECT_EQ(click(gauge, static_cast<std::size_t>(area), flags), 0);
    }
    // Enters setting mode at time `t` and returns the set time the hands show.
    FLOAT64 enter_setting_at(FLOAT64 t) {
        update(t);
        press(plus, RIGHT);
        return update(t + 5000.0)[0];
    }
};

TEST_F(ClockTest, RecordsDriveThreeHandsAndALamp) {
    ASSERT_NE(lamp, nullptr);
    EXPECT_EQ(lamp->header.element_type, ELEMENT_TYPE_ICON);
    EXPECT_EQ(lamp->icon_count, 2u);
    EXPECT_EQ(lamp->source_var.token, 0u);
    const FLOAT64 half_turns[3] = {30, 21600, 1800};  // seconds, hour, minute hands
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(hands[i]->header.element_type, ELEMENT_TYPE_NEEDLE);
        EXPECT_EQ(hands[i]->source_var.token, 557u);
        EXPECT_EQ(+hands[i]->header.failures, nullptr);
        ASSERT_EQ(hands[i]->calibration_count, 2u);
        EXPECT_EQ(+hands[i]->calibration[1].value, half_turns[i]);
        EXPECT_EQ(+hands[i]->callback, +hands[0]->callback);
        EXPECT_EQ(+hands[i]->header.gauge, gauge);
    }
    EXPECT_EQ(first_child_chain(gauge, 5)->bitmap_id, 3460u);
    EXPECT_EQ(+gauge->callback, nullptr);

    ASSERT_GE(plus, 0);
    ASSERT_GE(minus, 0);
    for (int area : {plus, minus}) {
        EXPECT_EQ(gauge->mouse_rects[area].mouse_flags, 0xA0200000u);
        EXPECT_EQ(gauge->mouse_rects[area].event_id, 0u);
        EXPECT_NE(+gauge->mouse_rects[area].function, nullptr);
    }
    EXPECT_EQ(gauge->mouse_rects[plus].box.x, 29);
    EXPECT_EQ(gauge->mouse_rects[minus].box.x, 0);
}

TEST_F(ClockTest, KnobTooltipIsPlainText) {
    const MOUSERECT* tip = nullptr;
    for (const MOUSERECT* r = gauge->mouse_rects; r->rect_type != MOUSE_RECT_END; ++r) {
        if (r->rect_type == MOUSE_RECT_TOOLTIP && r->help_id == 0) {
            tip = r;
        }
    }
    ASSERT_NE(tip, nullptr);
    EXPECT_STREQ(tip->tooltip_text,
                 "Right click to enter setting mode, left click to set time, right click to exit");
    EXPECT_EQ(tip->event_id, 0u);
    EXPECT_EQ(+tip->args, nullptr);
    // The knob's tooltip area sits over the knob, below the 0x3018 area.
    const MOUSERECT& area = tip[-1];
    EXPECT_EQ(area.rect_type, MOUSE_RECT_PARENT);
    EXPECT_EQ(area.box.y, 242);
    EXPECT_EQ(tip[-3].help_id, 0x3018u);
}

TEST_F(ClockTest, RunningHandsFollowTheSimulationAndLeftClicksDoNothing) {
    EXPECT_EQ(update(36942.0), std::vector<FLOAT64>(3, 36942.0));
    EXPECT_EQ(lamp_image(), 0.0);
    press(plus, LEFT);
    press(minus, LEFT | MOUSE_DOWN_REPEAT);
    EXPECT_EQ(update(36950.0), std::vector<FLOAT64>(3, 36950.0));
    EXPECT_EQ(lamp_image(), 0.0);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(ClockTest, RightClickFreezesTheHandsAtTheShownTime) {
    update(36942.0);
    press(minus, RIGHT);
    EXPECT_EQ(lamp_image(), 1.0);
    EXPECT_EQ(update(37000.0), std::vector<FLOAT64>(3, 36942.0));
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(ClockTest, SettingTruncatesToWholeSeconds) {
    EXPECT_EQ(enter_setting_at(36942.75), 36942.0);
}

TEST_F(ClockTest, LeftClicksStepAMinuteAroundMidnight) {
    ASSERT_EQ(enter_setting_at(30.0), 30.0);
    press(minus, LEFT);
    EXPECT_EQ(update(0.0)[0], 86370.0);
    press(plus, LEFT | MOUSE_DOWN_REPEAT);
    EXPECT_EQ(update(0.0)[0], 30.0);
    press(plus, LEFT);
    press(plus, LEFT);
    EXPECT_EQ(update(0.0)[0], 150.0);
}

TEST_F(ClockTest, PlusWrapsPastMidnight) {
    ASSERT_EQ(enter_setting_at(86370.0), 86370.0);
    press(plus, LEFT);
    EXPECT_EQ(update(0.0)[0], 30.0);
}

TEST_F(ClockTest, LeavingSendsHoursThenMinutes) {
    enter_setting_at(36942.0);
    press(plus, RIGHT);
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{HOURS_SET, 10}, {MINUTES_SET, 15}}));
    EXPECT_EQ(lamp_image(), 0.0);
    EXPECT_EQ(update(40000.0)[1], 40000.0);
}

TEST_F(ClockTest, SteppedTimeIsWhatIsSent) {
    enter_setting_at(86370.0);  // 23:59:30
    press(minus, LEFT);
    press(minus, LEFT);         // 23:57:30
    press(minus, RIGHT | LEFT);  // right wins
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{HOURS_SET, 23}, {MINUTES_SET, 57}}));
}

TEST_F(ClockTest, TimesOutsideTheDayAreNormalisedOnEntering) {
    const FLOAT64 nan = std::numeric_limits<FLOAT64>::quiet_NaN();
    const FLOAT64 inf = std::numeric_limits<FLOAT64>::infinity();
    struct Case {
        FLOAT64 shown;
        FLOAT64 set;
        UINT32 hours;
        UINT32 minutes;
    };
    const Case cases[] = {
        {nan, 0, 0, 0},
        {inf, 0, 0, 0},
        {-inf, 0, 0, 0},
        {86400.0, 0, 0, 0},
        {86400.0 + 3725.5, 3725, 1, 2},
        {-30.5, 86369, 23, 59},
        {-86400.0 * 3 + 60, 60, 0, 1},
        {1e300, -1, 0, 0},  // some time of the day
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        host.clear_log();
        const FLOAT64 set = enter_setting_at(c.shown);
        EXPECT_GE(set, 0.0);
        EXPECT_LT(set, 86400.0);
        EXPECT_EQ(set, static_cast<FLOAT64>(static_cast<SINT32>(set)));
        press(minus, RIGHT);
        ASSERT_EQ(host.key_events.size(), 2u);
        EXPECT_LT(host.key_events[0].value, 24u);
        EXPECT_LT(host.key_events[1].value, 60u);
        if (c.set >= 0) {
            EXPECT_EQ(set, c.set);
            EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{HOURS_SET, c.hours}, {MINUTES_SET, c.minutes}}));
        }
    }
}

}  // namespace
