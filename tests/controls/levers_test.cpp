// Throttle quadrant, trim wheels, canopy and tail-hook levers.
#include <cmath>
#include <limits>

#include "controls_fixture.h"

namespace {

constexpr FLOAT64 NaN = std::numeric_limits<FLOAT64>::quiet_NaN();
constexpr FLOAT64 INF = std::numeric_limits<FLOAT64>::infinity();
constexpr FLOAT64 PI = 3.14159265358979323846;

// Throttle quadrant rows in list order.
constexpr std::size_t THROTTLE_ROW = 16;
constexpr std::size_t PROPELLER_ROW = 17;
constexpr std::size_t MIXTURE_ROW = 18;
constexpr std::size_t DIVE_DOWN_ROW = 19;
constexpr std::size_t DIVE_UP_ROW = 20;
constexpr std::size_t FLAPS_UPPER_ROW = 21;
constexpr std::size_t FLAPS_LOWER_ROW = 22;

class ThrottleQuadrant : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g = gauge("Throttle_Quadrant");
        ASSERT_NE(g, nullptr);
    }
    std::vector<KeyEvent> drag(std::size_t row, SINT32 y) {
        host.clear_log();
        click(g, row, MOUSE_LEFT_SINGLE | MOUSE_MOVE_REPEAT, {5, y});
        return host.key_events;
    }
    GAUGEHDR* g = nullptr;
};

TEST_F(ThrottleQuadrant, EngineLeversFollowThePointerAndClampBeyondTheSlot) {
    const struct {
        SINT32 y;
        UINT32 value;
    } throttle[] = {{0, 16384}, {1, 16329}, {150, 8192}, {299, 54}, {300, 0}, {-40, 16384}, {900, 0},
                    {-2147483647 - 1, 16384}, {2147483647, 0}};
    for (const auto& c : throttle) {
        EXPECT_EQ(drag(THROTTLE_ROW, c.y), (std::vector<KeyEvent>{{0x1011C, c.value}})) << "y " << c.y;
    }
    // Each lever reads its own rectangle's height.
    EXPECT_EQ(drag(PROPELLER_ROW, 97), (std::vector<KeyEvent>{{0x10183, 10922}}));  // (1 - 97/291) * 16384
    EXPECT_EQ(drag(MIXTURE_ROW, 267), (std::vector<KeyEvent>{{0x1017F, 0}}));
}

TEST_F(ThrottleQuadrant, ALeverWithoutAHeightOrARecordSendsNothing) {
    MOUSERECT flat = g->mouse_rects[THROTTLE_ROW];
    flat.box.height = 0;
    for (SINT32 y : {0, 5, -5}) {
        MOUSE_CLICK record = {{0, y}, g, &flat};
        EXPECT_EQ(flat.function(&record, MOUSE_LEFT_SINGLE), 0);
    }
    MOUSE_CLICK no_rect = {{0, 10}, g, nullptr};
    g->mouse_rects[THROTTLE_ROW].function(&no_rect, MOUSE_LEFT_SINGLE);
    g->mouse_rects[THROTTLE_ROW].function(nullptr, MOUSE_LEFT_SINGLE);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(ThrottleQuadrant, DiveBrakeStepsBetweenItsBands) {
    constexpr UINT32 TO_ON = 0x10210, TO_OFF = 0x10211, SET = 0x100FA;
    const struct {
        FLOAT64 lever;
        std::vector<KeyEvent> up, down;
    } cases[] = {
        {0, {{SET, 8192}}, {}},
        {100, {{SET, 8192}}, {}},
        {8300, {{TO_ON, 0}}, {{TO_OFF, 0}}},
        {16383, {}, {{SET, 8192}}},
        {16000, {}, {{SET, 8192}}},
        {5000, {}, {}},
        {8000, {}, {}},
        {8600, {}, {}},
        {NaN, {}, {}},
    };
    for (const auto& c : cases) {
        host.numbers[325] = c.lever;
        host.clear_log();
        click(g, DIVE_UP_ROW);
        EXPECT_EQ(host.key_events, c.up) << "upper half at " << c.lever;
        host.clear_log();
        click(g, DIVE_DOWN_ROW);
        EXPECT_EQ(host.key_events, c.down) << "lower half at " << c.lever;
    }
}

// The host sends the flap events itself: one notch down from the upper
// half (where the lever rests at UP), one up from the lower half.
TEST_F(ThrottleQuadrant, FlapHalvesCarryTheirEvents) {
    EXPECT_EQ(g->mouse_rects[FLAPS_UPPER_ROW].event_id, 0x100DFu);
    EXPECT_EQ(g->mouse_rects[FLAPS_UPPER_ROW].box.y, 156);
    EXPECT_EQ(g->mouse_rects[FLAPS_LOWER_ROW].event_id, 0x100DEu);
    EXPECT_EQ(g->mouse_rects[FLAPS_LOWER_ROW].box.y, 211);
}

// Wheel frames: icon k for k <= phase < k + 1.
TEST_F(ControlsTest, TrimWheelPhasesStepOneFramePerStepAndStayInRange) {
    GAUGEHDR* pitch = gauge("Pitch_Trim_Wheel");
    GAUGEHDR* rudder = gauge("Rudder_Trim_Wheel");
    ASSERT_NE(pitch, nullptr);
    ASSERT_NE(rudder, nullptr);
    ELEMENT_HEADER* pitch_wheel = child_of(pitch->elements[0]);
    ELEMENT_HEADER* rudder_wheel = child_of(rudder->elements[0]);
    EXPECT_EQ(as<ELEMENT_ICON>(pitch_wheel)->source_var.token, 783u);
    EXPECT_EQ(as<ELEMENT_ICON>(rudder_wheel)->source_var.token, 787u);

    const FLOAT64 half_degree = PI / 360;
    EXPECT_NEAR(icon_value(pitch_wheel, 0.0), 1.7563, 1e-4);
    EXPECT_NEAR(icon_value(pitch_wheel, half_degree), 2.7563, 1e-4);
    EXPECT_NEAR(icon_value(pitch_wheel, 2 * half_degree), 0.7563, 1e-4);
    EXPECT_NEAR(icon_value(rudder_wheel, 0.0), 2.1225, 1e-4);
    EXPECT_NEAR(icon_value(rudder_wheel, PI / 720), 0.1225, 1e-4);

    for (ELEMENT_HEADER* wheel : {pitch_wheel, rudder_wheel}) {
        for (FLOAT64 trim : {NaN, INF, -INF, -4.0, -100.0, 1e300, -1e-300}) {
            const FLOAT64 phase = icon_value(wheel, trim);
            EXPECT_GE(phase, 0.0) << trim;
            EXPECT_LT(phase, 3.0) << trim;
        }
        EXPECT_EQ(icon_value(wheel, NaN), 0.0);
    }
    // Far below the offset the frames keep turning the same way.
    const FLOAT64 advance = icon_value(pitch_wheel, -4.0 + half_degree) - icon_value(pitch_wheel, -4.0);
    EXPECT_NEAR(std::fmod(advance + 3.0, 3.0), 1.0, 1e-6);
}

TEST_F(ControlsTest, TrimPointersAndClickAreas) {
    GAUGEHDR* pitch = gauge("Pitch_Trim_Wheel");
    GAUGEHDR* rudder = gauge("Rudder_Trim_Wheel");
    GAUGEHDR* aileron = gauge("Aileron_Trim_Wheel");
    ASSERT_NE(aileron, nullptr);
    const auto* pitch_pointer = as<ELEMENT_SLIDER>(first_child_chain(pitch, 2));
    EXPECT_EQ(pitch_pointer->source_var_y.token, 783u);
    EXPECT_DOUBLE_EQ(pitch_pointer->scale_y, 500 / PI);
    const auto* rudder_pointer = as<ELEMENT_SLIDER>(first_child_chain(rudder, 2));
    EXPECT_EQ(rudder_pointer->source_var_x.token, 787u);
    EXPECT_DOUBLE_EQ(rudder_pointer->scale_x, 900 / PI);

    // Aileron: arc, pointer, plate, knob.
    auto* pointer = as<ELEMENT_NEEDLE>(first_child_chain(aileron, 1));
    EXPECT_EQ(first_child_chain(aileron, 2)->bitmap_id, 4230u);
    auto* knob = as<ELEMENT_NEEDLE>(first_child_chain(aileron, 3));
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(pointer->header.image_flags, 0x83u);
    EXPECT_EQ(knob->header.image_flags, 0x83u);
    EXPECT_EQ(knob->calibration[1].value, 120.0);
    const FLOAT64 twelve_degrees = 12 * PI / 180;
    pointer->source_var.value.number = twelve_degrees;
    knob->source_var.value.number = twelve_degrees;
    EXPECT_NEAR(pointer->callback(pointer), 12.0, 1e-9);
    EXPECT_NEAR(knob->callback(knob), 120.0, 1e-9) << "half a turn: the (61, 129) point";

    const struct {
        GAUGEHDR* g;
        UINT32 tooltip, first, second;
    } wheels[] = {{pitch, 0x3128, 0x10047, 0x1004F}, {rudder, 0x312A, 0x102E6, 0x102E7},
                  {aileron, 0x3129, 0x102E4, 0x102E5}};
    for (const auto& w : wheels) {
        EXPECT_EQ(tooltip_row(w.g)->help_id, w.tooltip);
        const auto rows = child_rows(w.g);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(w.g->mouse_rects[rows[0]].event_id, w.first);
        EXPECT_EQ(w.g->mouse_rects[rows[0]].cursor, CURSOR_DOWN_ARROW);
        EXPECT_EQ(w.g->mouse_rects[rows[1]].event_id, w.second);
        EXPECT_EQ(w.g->mouse_rects[rows[1]].cursor, CURSOR_UP_ARROW);
        EXPECT_EQ(w.g->mouse_rects[rows[1]].mouse_flags, 0x20200000u);
    }
}

struct LeverRow {
    const char* name;
    UINT32 token;
    UINT32 event;
    const char* tooltip;
    SINT32 half_height;
};

const LeverRow SAMPLED_LEVERS[] = {
    {"Canopy_Lever", 868, 0x10355, "Canopy lever", 149},
    {"Tail_Hook_Lever", 869, 0x10357, "Tailhook lever", 75},
};

class SampledLevers : public ControlsTest, public ::testing::WithParamInterface<LeverRow> {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g = gauge(GetParam().name);
        ASSERT_NE(g, nullptr);
        lever = child_of(g->elements[0]);
        rows = child_rows(g);
        ASSERT_EQ(rows.size(), 2u);
    }
    // `n` updates with the part at `p`; the image of the last.
    FLOAT64 updates(int n, FLOAT64 p) {
        FLOAT64 image = -1;
        for (int i = 0; i < n; ++i) image = icon_value(lever, p);
        return image;
    }
    GAUGEHDR* g = nullptr;
    ELEMENT_HEADER* lever = nullptr;
    std::vector<std::size_t> rows;
};

TEST_P(SampledLevers, RecordsAndClicks) {
    EXPECT_EQ(as<ELEMENT_ICON>(lever)->source_var.token, GetParam().token);
    EXPECT_STREQ(tooltip_row(g)->tooltip_text, GetParam().tooltip);
    EXPECT_EQ(tooltip_row(g)->event_id, 0u);
    EXPECT_EQ(g->mouse_rects[rows[0]].box.height, GetParam().half_height);
    EXPECT_EQ(g->mouse_rects[rows[1]].box.y, GetParam().half_height);
    // Both halves send the same toggle; the picture goes where clicked.
    click(g, rows[1]);
    EXPECT_EQ(updates(1, 0.0), 1.0);
    click(g, rows[0], MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT);
    EXPECT_EQ(updates(1, 0.0), 0.0);
    const KeyEvent toggle{GetParam().event, 0};
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{toggle, toggle}));
}

TEST_P(SampledLevers, PictureFollowsTheMotionSampledEveryNinthUpdate) {
    // At load: drawn closed; the ninth call samples.
    EXPECT_EQ(updates(9, 0.0), 0.0);
    // Closed and at rest: the lower half shows the lever there at once.
    click(g, rows[1]);
    EXPECT_EQ(updates(1, 0.0), 1.0);
    EXPECT_EQ(updates(17, 0.2), 1.0);
    EXPECT_EQ(updates(9, 0.2), 1.0);
    // At rest part way: the upper half shows it up at once, until a sample
    // sees the part still opening.
    click(g, rows[0]);
    EXPECT_EQ(updates(1, 0.2), 0.0);
    EXPECT_EQ(updates(9, 0.5), 1.0);
    // Stopped part way: the picture of its last motion.
    EXPECT_EQ(updates(27, 0.5), 1.0);
    // Not a number: the picture keeps what it had.
    click(g, rows[0]);
    EXPECT_EQ(updates(18, NaN), 0.0);
    // Closing: the next sample shows it up.
    click(g, rows[1]);
    EXPECT_EQ(updates(9, 0.04), 0.0);
}

TEST_P(SampledLevers, APartOpenAtLoadCountsAsOpening) {
    EXPECT_EQ(updates(8, 1.0), 0.0);
    EXPECT_EQ(updates(1, 1.0), 1.0);
    EXPECT_EQ(updates(30, 1.0), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Levers, SampledLevers, ::testing::ValuesIn(SAMPLED_LEVERS),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
