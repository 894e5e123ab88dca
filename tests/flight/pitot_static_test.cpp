// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

constexpr FLOAT64 NaN = std::numeric_limits<FLOAT64>::quiet_NaN();
constexpr FLOAT64 INF = std::numeric_limits<FLOAT64>::infinity();

bool same_point(const NONLINEARITY& a, const NONLINEARITY& b) {
    return a.point.x == b.point.x && a.point.y == b.point.y;
}

TEST(PitotStatic, EveryElementBelongsToItsGauge) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (const char* name : {"Airspeed", "Vertical_Speed", "Altimeter", "Accelerometer"}) {
        SCOPED_TRACE(name);
        GAUGEHDR* gauge = module.gauge(name);
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(+gauge->callback, nullptr);
        for (ELEMENT_HEADER* e : all_elements(gauge)) {
            EXPECT_EQ(+e->gauge, gauge) << "bitmap " << e->bitmap_id;
        }
    }
}

TEST(PitotStatic, AirspeedStopsAtZeroAndFourHundredKnots) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* gauge = module.gauge("Airspeed");
    auto* needle = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 1));
    ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
    EXPECT_EQ(needle->source_var.token, 61u);
    EXPECT_EQ(+needle->callback, nullptr);
    EXPECT_EQ(failures_of(&needle->header), (std::vector<std::pair<UINT32, UINT32>>{{6, 1}}));
    ASSERT_EQ(needle->calibration_count, 9u);
    const NONLINEARITY* t = needle->calibration;
    // Below 0 kt and above 400 kt the needle rests on a pair of equal points.
    EXPECT_TRUE(same_point(t[0], t[1]));
    EXPECT_EQ(+t[1].value, 0.0);
    EXPECT_TRUE(same_point(t[7], t[8]));
    EXPECT_EQ(+t[7].value, 400.0);
    for (unsigned i = 1; i < 9; ++i) {
        EXPECT_LT(+t[i - 1].value, +t[i].value) << i;
    }
    // The cover is drawn above the needle.
    ELEMENT_HEADER* cover = child_of(&needle->header);
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(cover->bitmap_id, 450u);
    EXPECT_EQ(gauge->mouse_rects[1].rect_type, MOUSE_RECT_TOOLTIP);
    EXPECT_EQ(gauge->mouse_rects[1].help_id, 0x3002u);
}

TEST(PitotStatic, VerticalSpeedReadsFeetPerMinuteInMetresPerSecondTimes256) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    auto* needle = as<ELEMENT_NEEDLE>(first_child_chain(module.gauge("Vertical_Speed"), 1));
    EXPECT_EQ(needle->source_var.token, 65u);
    EXPECT_EQ(failures_of(&needle->header), (std::vector<std::pair<UINT32, UINT32>>{{19, 1}}));
    ASSERT_EQ(needle->calibration_count, 14u);
    const NONLINEARITY* t = needle->calibration;
    // -1000 and +1000 ft/min flank the zero directly: there is no zero point.
    EXPECT_DOUBLE_EQ(+t[6].value, -1300.4799583846413);
    EXPECT_DOUBLE_EQ(+t[7].value, 1300.4799583846413);
    for (unsigned i = 0; i < 14; ++i) {
        EXPECT_NE(+t[i].value, 0.0);
    }
    // 6500 ft/min lies between the two equal end points: it shows as 6000.
    const FLOAT64 climb_6500 = 6500.0 * 256.0 / 60.0 / 3.28084;
    EXPECT_LT(+t[12].value, climb_6500);
    EXPECT_GT(+t[13].value, climb_6500);
    EXPECT_TRUE(same_point(t[12], t[13]));
    EXPECT_TRUE(same_point(t[0], t[1]));
    EXPECT_DOUBLE_EQ(+t[1].value, -6000.0 * 256.0 / 60.0 / 3.28084);
}

TEST(PitotStatic, AltimeterHandsTurnHalfATurnPerTheirUnit) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* gauge = module.gauge("Altimeter");
    struct Hand {
        std::size_t depth;
        UINT32 bitmap;
        FLOAT64 half_turn;
    };
    for (Hand h : {Hand{2, 2050, 50000}, Hand{3, 2040, 5000}, Hand{4, 2030, 500}}) {
        SCOPED_TRACE(h.bitmap);
        auto* hand = as<ELEMENT_NEEDLE>(first_child_chain(gauge, h.depth));
        ASSERT_EQ(hand->header.element_type, ELEMENT_TYPE_NEEDLE);
        EXPECT_EQ(hand->header.bitmap_id, h.bitmap);
        EXPECT_EQ(hand->source_var.token, 74u);
        EXPECT_EQ(failures_of(&hand->header), (std::vector<std::pair<UINT32, UINT32>>{{3, 1}}));
        ASSERT_EQ(hand->calibration_count, 2u);
        // Straight up at 0, straight down half a turn later.
        EXPECT_EQ(+hand->calibration[0].value, 0.0);
        EXPECT_EQ(hand->calibration[0].point.x, hand->calibration[1].point.x);
        EXPECT_LT(hand->calibration[0].point.y, hand->calibration[1].point.y);
        EXPECT_EQ(+hand->calibration[1].value, h.half_turn);
    }
    auto* millibars = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 6));
    ASSERT_NE(millibars, nullptr);
    EXPECT_EQ(millibars->header.bitmap_id, 2060u);
    EXPECT_EQ(millibars->source_var.token, 75u);
    EXPECT_EQ(+millibars->header.failures, nullptr);
    EXPECT_EQ(first_child_chain(gauge, 5)->bitmap_id, 2070u);
}

TEST(PitotStatic, AltimeterDrumTurnsOnlyOverItsRange) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    auto* drum = as<ELEMENT_SPRITE>(first_child_chain(module.gauge("Altimeter"), 1));
    ASSERT_EQ(drum->header.element_type, ELEMENT_TYPE_SPRITE);
    EXPECT_EQ(drum->source_var_angle.token, 76u);
    EXPECT_EQ(+drum->scale_angle, 100.0);
    EXPECT_EQ(drum->source_var_x.token, 0u);
    EXPECT_EQ(drum->source_var_y.token, 0u);
    ASSERT_NE(+drum->callback_angle, nullptr);
    EXPECT_EQ(+drum->callback_x, nullptr);
    EXPECT_EQ(+drum->callback_y, nullptr);

    auto drum_at = [drum](FLOAT64 inches) {
        drum->source_var_angle.value.number = inches;
        return drum->callback_angle(drum);
    };
    EXPECT_DOUBLE_EQ(drum_at(29.92), 0.0);
    EXPECT_DOUBLE_EQ(drum_at(30.12), 30.12 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(27.5), 28.1 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(28.1), 28.1 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(31.5), 31.5 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(32.0), 31.5 - 29.92);
    EXPECT_NEAR(drum_at(27.5), -1.82, 1e-12);
    EXPECT_NEAR(drum_at(32.0), 1.58, 1e-12);
    // Settings that are not numbers rest at an end of the drum.
    EXPECT_DOUBLE_EQ(drum_at(NaN), 28.1 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(INF), 31.5 - 29.92);
    EXPECT_DOUBLE_EQ(drum_at(-INF), 28.1 - 29.92);
}

TEST(PitotStatic, AltimeterKnobHalvesAreHostKeyEvents) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* gauge = module.gauge("Altimeter");
    int down = child_area_with_cursor(gauge, CURSOR_DOWN_ARROW);
    int up = child_area_with_cursor(gauge, CURSOR_UP_ARROW);
    ASSERT_GE(down, 1);
    ASSERT_GE(up, 1);
    const MOUSERECT& knob = gauge->mouse_rects[down - 1];
    EXPECT_EQ(knob.rect_type, MOUSE_RECT_PARENT);
    EXPECT_EQ(knob.help_id, 0xAB3Au);
    for (int i : {down, up}) {
        const MOUSERECT& half = gauge->mouse_rects[i];
        EXPECT_EQ(half.mouse_flags, 0x20200000u);
        EXPECT_EQ(+half.function, nullptr);
        // Relative to the knob: both halves fit inside it.
        EXPECT_LE(half.box.x + half.box.width, knob.box.width);
        EXPECT_LE(half.box.y + half.box.height, knob.box.height);
    }
    EXPECT_EQ(gauge->mouse_rects[down].event_id, 0x1015Cu);
    EXPECT_EQ(gauge->mouse_rects[down].box.x, 0);
    EXPECT_EQ(gauge->mouse_rects[up].event_id, 0x1015Bu);
    EXPECT_EQ(gauge->mouse_rects[up].box.x, 25);
}

struct AccelerometerTest : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* gauge = module.gauge("Accelerometer");
    ELEMENT_NEEDLE* load = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 1));
    ELEMENT_NEEDLE* minimum = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 2));
    ELEMENT_NEEDLE* maximum = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 3));

    // One update: the host refreshes each needle's variable, then calls it.
    std::pair<FLOAT64, FLOAT64> update(FLOAT64 load_factor) {
        minimum->source_var.value.number = load_factor;
        maximum->source_var.value.number = load_factor;
        return {minimum->callback(minimum), maximum->callback(maximum)};
    }
    void reset() {
        int button = child_area_with_cursor(gauge, CURSOR_HAND);
        ASSERT_GE(button, 0);
        EXPECT_EQ(click(gauge, static_cast<std::size_t>(button), MOUSE_LEFT_SINGLE), 0);
    }
};

TEST_F(AccelerometerTest, NeedlesShareTokenTableAndFailure) {
    ASSERT_EQ(maximum->header.element_type, ELEMENT_TYPE_NEEDLE);
    EXPECT_EQ(+load->callback, nullptr);
    EXPECT_EQ(first_child_chain(gauge, 4)->bitmap_id, 1490u);
    for (ELEMENT_NEEDLE* n : {load, minimum, maximum}) {
        EXPECT_EQ(n->source_var.token, 351u);
        EXPECT_EQ(+n->calibration, +load->calibration);
        EXPECT_EQ(n->calibration_count, 5u);
        EXPECT_EQ(failures_of(&n->header), (std::vector<std::pair<UINT32, UINT32>>{{2, 0}}));
        EXPECT_EQ(n->header.position.x, 101);
        EXPECT_EQ(n->header.offset.x, 33);
    }
    // +1 g (624) points to 9 o'clock.
    EXPECT_EQ(+load->calibration[2].value, 624.0);
    EXPECT_EQ(load->calibration[2].point.x, 36);
    EXPECT_EQ(load->calibration[2].point.y, 101);
}

TEST_F(AccelerometerTest, HoldsStartAtZeroG) {
    EXPECT_EQ(update(624.0), std::make_pair(0.0, 624.0));
    EXPECT_EQ(update(-1248.0), std::make_pair(-1248.0, 624.0));
    EXPECT_EQ(update(3000.0), std::make_pair(-1248.0, 3000.0));
    EXPECT_EQ(update(624.0), std::make_pair(-1248.0, 3000.0));
}

TEST_F(AccelerometerTest, ResetPutsBothHoldsOnTheCurrentLoad) {
    update(-1000.0);
    update(4000.0);
    host.numbers[351] = 624.0;
    reset();
    EXPECT_EQ(host.lookups, std::vector<UINT32>{351});
    EXPECT_EQ(update(624.0), std::make_pair(624.0, 624.0));
    // Holds move from there again.
    EXPECT_EQ(update(700.0), std::make_pair(624.0, 700.0));
    EXPECT_EQ(update(500.0), std::make_pair(500.0, 700.0));
}

TEST_F(AccelerometerTest, NonFiniteSamplesNeitherHoldNorReset) {
    update(-700.0);
    update(2000.0);
    for (FLOAT64 bad : {NaN, INF, -INF}) {
        EXPECT_EQ(update(bad), std::make_pair(-700.0, 2000.0));
        host.numbers[351] = bad;
        reset();
        EXPECT_EQ(update(1000.0), std::make_pair(-700.0, 2000.0));
    }
}

}  // namespace
