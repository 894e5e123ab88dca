// The fuel quantity dial, its spring-loaded selector with the 9- and
// 36-update timers, and the low-fuel lamp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "element_tree.h"
#include "host/needle_calibration.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

constexpr double FULL = 8388608.0;

struct FuelSystem : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* dial = module.gauge("Fuel_Quantity");
    GAUGEHDR* selector = module.gauge("Fuel_Qty_Switch");
    GAUGEHDR* low_fuel = module.gauge("Low_Fuel_Light");
    ELEMENT_NEEDLE* needle = as<ELEMENT_NEEDLE>(first_child_chain(dial, 1));
    ELEMENT_ICON* lever = as<ELEMENT_ICON>(first_child_chain(selector, 1));
    ELEMENT_ICON* glow = as<ELEMENT_ICON>(first_child_chain(low_fuel, 1));

    void SetUp() override {
        ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
        ASSERT_EQ(lever->header.element_type, ELEMENT_TYPE_ICON);
        ASSERT_EQ(glow->header.element_type, ELEMENT_TYPE_ICON);
        pre_install(selector, "", 0);
        tanks(0.75 * FULL, 0.25 * FULL);
    }
    void tanks(double left, double right) {
        host.numbers[291] = left;
        host.numbers[297] = right;
    }
    // One update of the dial: the host refreshes the needle's token (the
    // left tank) and calls it.
    double dial_update() {
        needle->source_var.value.number = host.numbers[291];
        return needle->callback(needle);
    }
    double selector_update() { return lever->callback(lever); }
    std::string tooltip() {
        const MOUSERECT& tip = dial->mouse_rects[1];
        char text[64];
        std::snprintf(text, sizeof text, "%s%d", tip.args[0].text_callback(0, 0, nullptr, nullptr, dial),
                      static_cast<int>(tip.args[1].number_callback(0, 0, nullptr, nullptr, dial)));
        return text;
    }
    void press(int half) {  // 0 left, 1 right
        int area = child_area_with_cursor(selector, CURSOR_HAND) + half;
        EXPECT_EQ(click(selector, static_cast<std::size_t>(area)), 0);
    }
};

TEST_F(FuelSystem, DialShowsBothTanksInPoundsPinnedAtTheEndOfItsScale) {
    EXPECT_DOUBLE_EQ(dial_update(), 531.0);
    EXPECT_EQ(tooltip(), "both tanks 531");
    tanks(FULL, FULL);
    EXPECT_DOUBLE_EQ(dial_update(), 1062.0);
    EXPECT_EQ(tooltip(), "both tanks 1062");
    auto c = host::NeedleCalibration::from_table(needle->header.position, needle->calibration, needle->calibration_count);
    EXPECT_NEAR(std::remainder(c.angle(1062.0) - c.angle(1050.0), 360.0), 0.0, 1e-9);
}

// After a click the lever stands over for 8 updates of the selector and
// springs back at the 9th; the dial shows that tank alone until the 36th.
TEST_F(FuelSystem, SelectingATankShowsItAloneForThirtySixSelectorUpdates) {
    auto expect_selection = [&](double lever_icon, double pounds, const std::string& text) {
        for (int update = 1; update <= 40; ++update) {
            SCOPED_TRACE(update);
            EXPECT_EQ(selector_update(), update <= 8 ? lever_icon : 0.0);
            EXPECT_DOUBLE_EQ(dial_update(), update < 36 ? pounds : 531.0);
            EXPECT_EQ(tooltip(), update < 36 ? text : "both tanks 531");
        }
    };
    press(1);
    expect_selection(2.0, 132.75, "right tank 132");
    // A second click restarts both timers.
    press(0);
    for (int update = 0; update < 20; ++update) selector_update();
    press(0);
    expect_selection(1.0, 398.25, "left tank 398");
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(FuelSystem, ReinstallStopsTheTimersButKeepsTheSelection) {
    press(1);
    selector_update();
    pre_install(selector, "", 0);
    for (int update = 1; update <= 100; ++update) EXPECT_EQ(selector_update(), 0.0);
    EXPECT_DOUBLE_EQ(dial_update(), 132.75) << "still the right tank";
    press(0);
    for (int update = 0; update < 36; ++update) selector_update();
    EXPECT_DOUBLE_EQ(dial_update(), 531.0);
}

TEST_F(FuelSystem, LowFuelLampLightsAtTwoHundredPoundsOrLess) {
    const double at_200 = 200.0 * FULL / 531.0;
    ASSERT_EQ(at_200 * 531.0 / FULL, 200.0);
    struct Case {
        double left, right, icon;
    };
    for (Case c : {Case{at_200, 0, 1}, Case{at_200 / 2, at_200 / 2, 1}, Case{200.1 * FULL / 531.0, 0, -1},
                   Case{FULL, FULL, -1}, Case{0, 0, 1}}) {
        tanks(c.left, c.right);
        EXPECT_EQ(glow->callback(glow), c.icon) << c.left << " + " << c.right;
    }
}

}  // namespace
