// Magnetos, starter, primer and cowl flaps.
#include <limits>

#include "controls_fixture.h"

namespace {

constexpr UINT32 HELD = MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT;
constexpr UINT32 TOWARDS_BOTH = 0x10063;
constexpr UINT32 TOWARDS_OFF = 0x10062;

class Magnetos : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g = gauge("Magnetos_Switch");
        ASSERT_NE(g, nullptr);
        key = child_of(g->elements[0]);
        ASSERT_NE(key, nullptr);
        rows = child_rows(g);
        ASSERT_EQ(rows.size(), 2u);
    }
    // One draw: the host refreshes the right magneto in the element.
    FLOAT64 draw(FLOAT64 left, FLOAT64 right) {
        host.numbers[399] = left;
        host.numbers[400] = right;
        return icon_value(key, right);
    }

    GAUGEHDR* g = nullptr;
    ELEMENT_HEADER* key = nullptr;
    std::vector<std::size_t> rows;
};

TEST_F(Magnetos, KeyShowsBothSwitchesAndTheHalvesStep) {
    EXPECT_EQ(as<ELEMENT_ICON>(key)->source_var.token, 400u);
    const MOUSERECT& down = g->mouse_rects[rows[1]];
    EXPECT_EQ(down.event_id, TOWARDS_OFF) << "the host sends the step towards OFF itself";
    EXPECT_EQ(down.function, nullptr);

    EXPECT_EQ(draw(0, 0), 0.0);  // OFF
    EXPECT_EQ(draw(0, 1), 1.0);  // R
    EXPECT_EQ(draw(1, 0), 2.0);  // L
    EXPECT_EQ(draw(1, 1), 3.0);  // BOTH
}

TEST_F(Magnetos, StepTowardsBothUsesTheLastDrawAndStopsAtBoth) {
    draw(1, 1);
    click(g, rows[0]);
    EXPECT_TRUE(host.key_events.empty()) << "never past BOTH";
    draw(1, 0);
    click(g, rows[0]);
    // The simulation has moved on, but the repeat still sees the last draw.
    host.numbers[400] = 1;
    click(g, rows[0], HELD);
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{TOWARDS_BOTH, 0}, {TOWARDS_BOTH, 0}}));
    host.clear_log();
    draw(1, 1);
    click(g, rows[0], HELD);
    EXPECT_TRUE(host.key_events.empty());
    // A switch value that is not a number steps nothing.
    draw(std::numeric_limits<FLOAT64>::quiet_NaN(), 0);
    click(g, rows[0]);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(ControlsTest, StarterAndPrimerShowTheSimulationAndSendByTheirRectangles) {
    GAUGEHDR* starter = gauge("Starter_Knob");
    GAUGEHDR* primer = gauge("Fuel_Primer");
    ASSERT_NE(starter, nullptr);
    ASSERT_NE(primer, nullptr);
    for (GAUGEHDR* g : {starter, primer}) {
        EXPECT_EQ(g->callback, nullptr) << "no sound";
        const auto rows = child_rows(g);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(g->mouse_rects[rows[0]].mouse_flags, HELD);
        EXPECT_EQ(g->mouse_rects[rows[0]].function, nullptr);
    }
    auto area = [](GAUGEHDR* g) -> const MOUSERECT& { return g->mouse_rects[child_rows(g)[0]]; };
    EXPECT_EQ(area(starter).event_id, 0x102FCu);
    EXPECT_EQ(area(primer).event_id, 0x102BEu);
    EXPECT_EQ(area(starter).box.x, 6);
    EXPECT_EQ(area(starter).box.width, 70);
    EXPECT_STREQ(tooltip_row(starter)->tooltip_text, "Starter knob (%1!s!)");
    EXPECT_STREQ(tooltip_row(primer)->tooltip_text, "Engine primer switch (%1!s!)");

    ELEMENT_HEADER* button = child_of(starter->elements[0]);
    EXPECT_EQ(button->bitmap_id, 4370u);
    EXPECT_EQ(as<ELEMENT_ICON>(button)->source_var.token, 401u);
    EXPECT_EQ(as<ELEMENT_ICON>(button)->callback, nullptr);
    host.numbers[401] = 1;
    EXPECT_EQ(tooltip_word(starter), "on");
    host.numbers[401] = 0;
    EXPECT_EQ(tooltip_word(starter), "off");

    ELEMENT_HEADER* lever = child_of(primer->elements[0]);
    EXPECT_EQ(as<ELEMENT_ICON>(lever)->source_var.token, 361u);
    // Up for anything but exactly zero; the tooltip says on only above it.
    const struct {
        FLOAT64 value;
        FLOAT64 image;
        const char* word;
    } cases[] = {{0.0, 0.0, "off"}, {1.0, 1.0, "on"}, {-1.0, 1.0, "off"}, {0.25, 1.0, "on"}};
    for (const auto& c : cases) {
        host.numbers[361] = c.value;
        EXPECT_EQ(icon_value(lever, c.value), c.image) << c.value;
        EXPECT_EQ(tooltip_word(primer), c.word) << c.value;
    }
}

class CowlFlaps : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g = gauge("Cowl_Flaps_Switch");
        ASSERT_NE(g, nullptr);
        lever = child_of(g->elements[0]);
        ASSERT_NE(lever, nullptr);
    }
    // Images over a run of positions, one call each.
    std::vector<FLOAT64> images(std::initializer_list<FLOAT64> positions) {
        std::vector<FLOAT64> out;
        for (FLOAT64 p : positions) out.push_back(icon_value(lever, p));
        return out;
    }
    GAUGEHDR* g = nullptr;
    ELEMENT_HEADER* lever = nullptr;
};

TEST_F(CowlFlaps, LeverHeldOverWhileMovingAndCentredSixCallsAfter) {
    // Opening steadily: held down; it stops at 0.4 and the lever stays down
    // for that call and the five after it.
    EXPECT_EQ(images({0.1, 0.2, 0.3, 0.4}), (std::vector<FLOAT64>{1, 1, 1, 1}));
    EXPECT_EQ(images({0.4, 0.4, 0.4, 0.4, 0.4, 0.4}), (std::vector<FLOAT64>{1, 1, 1, 1, 1, 0}));
    // Closing: up at once, centred again after it stops.
    EXPECT_EQ(images({0.3, 0.35}), (std::vector<FLOAT64>{2, 1}));
    EXPECT_EQ(images({0.35, 0.35, 0.35, 0.35, 0.35, 0.35}), (std::vector<FLOAT64>{1, 1, 1, 1, 1, 0}));
    // At rest the timers stay at rest.
    EXPECT_EQ(images({0.35, 0.35, 0.35}), (std::vector<FLOAT64>{0, 0, 0}));
}

TEST_F(CowlFlaps, OpenAtFirstDrawCountsAsARise) {
    EXPECT_EQ(images({0.5, 0.5, 0.5, 0.5, 0.5, 0.5, 0.5}), (std::vector<FLOAT64>{1, 1, 1, 1, 1, 1, 0}));
}

}  // namespace
