// Evaluation of synthetic element trees: variables, callbacks, failures and
// what each element kind is drawn with.
// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "frame/gauge_records.h"
#include "host/evaluator.h"

using host::ElementState;
using host::Evaluator;
using host::GaugeEvaluation;

namespace {

int needle_calls = 0;
double seen_value = 0.0;

FLOAT64 HOST_CALL doubled(ELEMENT_NEEDLE* e) {
    ++needle_calls;
    seen_value = e->source_var.value.number;
    return 2.0 * e->source_var.value.number;
}

FLOAT64 HOST_CALL icon_value(ELEMENT_ICON* e) { return e->source_var.value.number; }

std::string string_text;
FLOAT64 HOST_CALL write_text(ELEMENT_STRING* e) {
    std::memcpy(e->text, string_text.c_str(), string_text.size() + 1);
    return 7.0;
}

// Writes max_chars characters and the zero: the most a callback may write.
FLOAT64 HOST_CALL fill_text(ELEMENT_STRING* e) {
    std::memset(e->text, 'A', e->max_chars);
    e->text[e->max_chars] = '\0';
    return 0.0;
}

FLOAT64 HOST_CALL angle_value(ELEMENT_SPRITE*) { return 10.0; }

ELEMENT_HEADER header(ELEMENT_KIND kind, UINT32 bitmap, PIXPOINT position, ELEMENT_LIST* children = nullptr,
                      FAILURE_RECORD* failures = nullptr) {
    return element_header(kind, {bitmap, position, 0x3, nullptr, children, failures});
}

class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        needle_calls = 0;
        seen_value = 0.0;
        evaluator.warn = [this](const std::string& w) { warnings.push_back(w); };
    }
    const ElementState& state(std::size_t i) { return evaluation.elements().at(i); }
    void update(ELEMENT_LIST* top) {
        gauge.elements = top;
        evaluator.evaluate(gauge, evaluation);
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    Evaluator evaluator{simulation, bitmaps};
    GaugeEvaluation evaluation;
    GAUGEHDR gauge{};
    std::vector<std::string> warnings;
};

}  // namespace

TEST_F(EvaluatorTest, NeedleCallbacksSeeTheirFreshVariableAndTurnTheNeedle) {
    NONLINEARITY table[] = {{{100, 50}, 0.0, 0.0}, {{150, 100}, 100.0, 0.0}};
    ELEMENT_NEEDLE needle{};
    needle.header = header(ELEMENT_TYPE_NEEDLE, 440, {100, 100});
    needle.source_var.token = 61;
    needle.calibration = table;
    needle.calibration_count = 2;
    needle.callback = &doubled;
    ELEMENT_LIST top[] = {&needle.header, nullptr};
    simulation.set_number(61, 25.0);
    update(top);
    EXPECT_EQ(seen_value, 25.0);
    EXPECT_EQ(state(0).values[0], 50.0);
    EXPECT_NEAR(state(0).angle, 315.0, 1e-9);  // halfway from up to right
    // The token is read from the record at each update: a callback or the
    // module may change it.
    needle.source_var.token = 74;
    simulation.set_number(74, 10.0);
    update(top);
    EXPECT_EQ(seen_value, 10.0);
    EXPECT_EQ(+needle.source_var.previous_value.number, 25.0);
    EXPECT_EQ(needle_calls, 2);
}

TEST_F(EvaluatorTest, FailuresFreezeZeroOrHideWhileCallbacksStillRun) {
    NONLINEARITY table[] = {{{0, -10}, 0.0, 0.0}, {{0, 10}, 100.0, 0.0}};
    FAILURE_RECORD failures[] = {{6, 1}, {20, 2}, {21, 3}, {0, 0}};
    ELEMENT_STATIC_IMAGE cover = static_image({450, {0, 0}, 0x3, nullptr});
    ELEMENT_LIST children[] = {&cover.header, nullptr};
    ELEMENT_NEEDLE needle{};
    needle.header = header(ELEMENT_TYPE_NEEDLE, 440, {0, 0}, children, failures);
    needle.source_var.token = 61;
    needle.calibration = table;
    needle.calibration_count = 2;
    needle.callback = &doubled;
    ELEMENT_LIST top[] = {&needle.header, nullptr};

    simulation.set_number(61, 10.0);
    update(top);
    const double at_20 = state(0).angle;

    simulation.set_failure(6, true);  // freeze
    simulation.set_number(61, 40.0);
    update(top);
    EXPECT_TRUE(state(0).frozen);
    EXPECT_EQ(state(0).angle, at_20);
    EXPECT_EQ(state(0).values[0], 20.0);
    EXPECT_EQ(needle_calls, 2) << "the callback of a frozen element still runs";
    EXPECT_EQ(seen_value, 40.0);

    simulation.set_failure(6, false);
    simulation.set_failure(20, true);  // value forced to zero
    update(top);
    EXPECT_TRUE(state(0).zeroed);
    EXPECT_EQ(state(0).values[0], 0.0);
    EXPECT_NEAR(state(0).angle, 270.0, 1e-9);

    simulation.set_failure(20, false);
    simulation.set_failure(21, true);  // not drawn; its child still is
    update(top);
    EXPECT_FALSE(state(0).drawn);
    EXPECT_TRUE(state(1).drawn);
    EXPECT_EQ(needle_calls, 4);

    simulation.set_failure(21, false);
    update(top);
    EXPECT_TRUE(state(0).drawn);
    EXPECT_FALSE(state(0).frozen);
    EXPECT_EQ(state(0).values[0], 80.0);
}

TEST_F(EvaluatorTest, ElementsAreEvaluatedInTreeOrder) {
    ELEMENT_STATIC_IMAGE a = static_image({1, {0, 0}, 0x3, nullptr});
    ELEMENT_STATIC_IMAGE b = static_image({2, {0, 0}, 0x3, nullptr});
    ELEMENT_STATIC_IMAGE c = static_image({3, {0, 0}, 0x3, nullptr});
    ELEMENT_STATIC_IMAGE d = static_image({4, {0, 0}, 0x3, nullptr});
    ELEMENT_LIST empty[] = {nullptr};
    ELEMENT_LIST b_children[] = {&c.header, nullptr};
    ELEMENT_LIST a_children[] = {&b.header, &d.header, nullptr};
    a.header.next_element = a_children;
    b.header.next_element = b_children;
    d.header.next_element = empty;
    ELEMENT_LIST top[] = {&a.header, nullptr};
    update(top);
    ASSERT_EQ(evaluation.elements().size(), 4u);
    EXPECT_EQ(state(0).bitmap_id, 1u);
    EXPECT_EQ(state(1).bitmap_id, 2u);
    EXPECT_EQ(state(2).bitmap_id, 3u);
    EXPECT_EQ(state(2).depth, 2);
    EXPECT_EQ(state(3).bitmap_id, 4u);
    EXPECT_EQ(state(3).depth, 1);
}

TEST_F(EvaluatorTest, IconIndexIsTheIntegerPartWithinTheCount) {
    ELEMENT_ICON icon{};
    icon.header = header(ELEMENT_TYPE_ICON, 4030, {0, 0});
    icon.source_var.token = 740;
    icon.icon_count = 2;
    ELEMENT_LIST top[] = {&icon.header, nullptr};
    const std::pair<double, int> cases[] = {{0.0, 0}, {1.5, 1}, {1.999, 1}, {-1.0, -1}, {-0.5, -1}, {2.0, -1},
                                            {std::numeric_limits<double>::quiet_NaN(), -1}, {1e300, -1}};
    for (auto [value, index] : cases) {
        simulation.set_number(740, value);
        update(top);
        EXPECT_EQ(state(0).icon, index) << value;
        EXPECT_EQ(state(0).drawn, index >= 0) << value;
    }
}

TEST_F(EvaluatorTest, PackedTokensReachElementsAsTheirInteger) {
    ELEMENT_ICON icon{};
    icon.header = header(ELEMENT_TYPE_ICON, 1, {0, 0});
    icon.source_var.token = 23;
    icon.icon_count = 100000;
    icon.callback = &icon_value;  // reads the record's float: the raw bytes
    ELEMENT_ICON plain = icon;
    plain.callback = nullptr;
    ELEMENT_LIST top[] = {&icon.header, &plain.header, nullptr};
    simulation.set_packed(23, 0x3697);
    update(top);
    EXPECT_EQ(icon.source_var.value.packed, 0x3697u);
    EXPECT_EQ(state(1).values[0], static_cast<double>(0x3697));
    EXPECT_LT(state(0).values[0], 1e-300) << "a packed value read as a float is tiny";
}

TEST_F(EvaluatorTest, MovingImagesSlideBehindTheirWindow) {
    bitmaps.add(3010, {13, 275});
    bitmaps.add(3011, {13, 25});
    bitmaps.add(2400, {531, 82});
    bitmaps.add(2401, {111, 82});
    ELEMENT_MOVING_IMAGE digit{};
    digit.header = header(ELEMENT_TYPE_MOVING_IMAGE, 3010, {51, 84});
    digit.source_var_y.token = 38;
    digit.max_y = 10.0;
    ELEMENT_MOVING_IMAGE compass{};
    compass.header = header(ELEMENT_TYPE_MOVING_IMAGE, 2400, {0, 0});
    compass.source_var_x.token = 83;
    compass.min_x = 360;
    compass.max_x = 0;  // reversed
    compass.min_y = 360;
    compass.max_y = 360;  // no travel
    ELEMENT_LIST top[] = {&digit.header, &compass.header, nullptr};

    simulation.set_packed(38, 3);
    simulation.set_number(83, 90);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).shift_y, 75.0);  // cell 3 of 25-pixel cells
    EXPECT_EQ(state(0).window->height, 25);
    EXPECT_DOUBLE_EQ(state(1).fraction_x, 0.75);
    EXPECT_DOUBLE_EQ(state(1).shift_x, 0.75 * 420);
    EXPECT_DOUBLE_EQ(state(1).shift_y, 0.0);

    simulation.set_packed(38, 14);  // beyond the range: clamped
    simulation.set_number(83, -20);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).shift_y, 250.0);
    EXPECT_DOUBLE_EQ(state(1).fraction_x, 1.0);
}

TEST_F(EvaluatorTest, SlidersShiftByValueTimesScale) {
    ELEMENT_SLIDER slider{};
    slider.header = header(ELEMENT_TYPE_SLIDER, 4170, {229, 156});
    slider.source_var_y.token = 329;
    slider.scale_y = 73.0 / 16384;
    slider.scale_x = 1.0;  // no variable: no movement
    ELEMENT_LIST top[] = {&slider.header, nullptr};
    simulation.set_number(329, 16384);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).shift_y, 73.0);
    EXPECT_DOUBLE_EQ(state(0).shift_x, 0.0);
}

TEST_F(EvaluatorTest, SpritesTurnByValueTimesScaleAndShiftInTheirFrame) {
    bitmaps.add(2260, {256, 256});
    bitmaps.add(2261, {200, 200});
    ELEMENT_SPRITE sprite{};
    sprite.header = header(ELEMENT_TYPE_SPRITE, 2260, {0, 0});
    sprite.source_var_y.token = 78;
    sprite.scale_y = 1.25;
    sprite.source_var_angle.token = 80;
    sprite.scale_angle = -1.0;
    ELEMENT_SPRITE drum = sprite;
    drum.callback_angle = &angle_value;
    drum.scale_angle = 100;
    ELEMENT_LIST top[] = {&sprite.header, &drum.header, nullptr};
    simulation.set_number(78, 8);
    simulation.set_number(80, 30);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).shift_y, 10.0);
    EXPECT_DOUBLE_EQ(state(0).angle, -30.0);
    EXPECT_EQ(state(0).window->width, 200);
    EXPECT_DOUBLE_EQ(state(1).angle, 1000.0);
}

TEST_F(EvaluatorTest, StringsGetAHostBufferAndOverrunsAreCaught) {
    ELEMENT_STRING text{};
    text.header = header(ELEMENT_TYPE_STRING, 0xFFFFFFFF, {130, 43});
    text.max_chars = 3;
    text.callback = &write_text;
    ELEMENT_STRING full = text;
    full.callback = &fill_text;
    ELEMENT_LIST top[] = {&text.header, &full.header, nullptr};
    string_text = "123";
    update(top);
    EXPECT_EQ(state(0).text, "123");
    EXPECT_FALSE(state(0).text_overrun);
    EXPECT_EQ(state(0).values[0], 7.0);
    EXPECT_EQ(state(1).text, "AAA");
    EXPECT_FALSE(state(1).text_overrun);
    EXPECT_TRUE(warnings.empty());

    string_text = "123456";  // three characters too many
    update(top);
    EXPECT_TRUE(state(0).text_overrun);
    EXPECT_EQ(state(0).text, "123");
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_NE(warnings[0].find("4-byte text buffer"), std::string::npos) << warnings[0];

    string_text = "12";  // the canary is restored for the next update
    update(top);
    EXPECT_FALSE(state(0).text_overrun);
    EXPECT_EQ(state(0).text, "12");
}

TEST_F(EvaluatorTest, MaxDegreesPerUpdateLimitsTheTurn) {
    ELEMENT_NEEDLE needle{};
    needle.header = header(ELEMENT_TYPE_NEEDLE, 1, {0, 0});
    needle.source_var.token = 84;
    needle.max_degrees_per_update = 10;
    ELEMENT_LIST top[] = {&needle.header, nullptr};
    simulation.set_number(84, 0);
    update(top);
    simulation.set_number(84, 90);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).angle, 10.0);
    simulation.set_number(84, -30);
    update(top);
    EXPECT_DOUBLE_EQ(state(0).angle, 0.0);
}
