// Gear, flap, speed-brake and generator lamps, the flap dial's smoothing and
// the gear lever: each callback at its thresholds.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double INF = std::numeric_limits<double>::infinity();

struct SystemsLights : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};

    ELEMENT_ICON* lamp_of(const char* gauge) { return as<ELEMENT_ICON>(first_child_chain(module.gauge(gauge), 1)); }
    // One update: the host refreshes the element's own variable, then calls it.
    double show(ELEMENT_ICON* icon, double own) {
        icon->source_var.value.number = own;
        return icon->callback(icon);
    }
    double show(const char* gauge, double own) { return show(lamp_of(gauge), own); }
};

TEST_F(SystemsLights, FlapNeedleMovesAnEighthOfTheWayAndSkipsBadSamples) {
    auto* needle = as<ELEMENT_NEEDLE>(first_child_chain(module.gauge("Flaps_Position"), 1));
    ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
    auto update = [&](double position) {
        needle->source_var.value.number = position;
        return needle->callback(needle);
    };
    EXPECT_EQ(update(16383), 2047.875);
    EXPECT_EQ(update(16383), 3839.765625);
    for (double bad : {NaN, INF, -INF}) EXPECT_EQ(update(bad), 3839.765625);
    double shown = 0;
    for (int i = 0; i < 200; ++i) shown = update(16383);
    EXPECT_NEAR(shown, 16383, 1e-6) << "one bad sample does not stick";
}

TEST_F(SystemsLights, FlapLampBrightensInSteps) {
    struct Case {
        double setting, icon;
    };
    for (Case c : {Case{0, -1}, Case{3999, -1}, Case{4000, 1}, Case{7999.9, 1}, Case{8000, 2}, Case{11999, 2},
                   Case{12000, 4}, Case{15999.9, 4}, Case{16000, 5}, Case{16383, 5}, Case{NaN, -1}}) {
        EXPECT_EQ(show("Flaps_Warning_Light", c.setting), c.icon) << c.setting;
    }
}

// 0 barber pole, 1 UP, 2 down; the barber pole without bus power.
TEST_F(SystemsLights, GearLampsNeedPowerAndAnEndPosition) {
    struct Case {
        double volts, position, icon;
    };
    const Case cases[] = {
        {28, 0, 1},     {28, 9.99, 1},    {28, 10.0, 0},     {28, 8000, 0},     {28, 16300.0, 0},
        {28, 16300.5, 2}, {28, 16383, 2}, {20.0, 16383, 0},  {20.01, 16383, 2}, {0, 0, 0},
        {NaN, 16383, 0},  {28, NaN, 0},
    };
    const std::pair<const char*, UINT32> lamps[] = {
        {"Gear_Lamp_Front", 332}, {"Gear_Lamp_Left", 333}, {"Gear_Lamp_Right", 334}};
    for (auto [name, token] : lamps) {
        EXPECT_EQ(lamp_of(name)->source_var.token, token);
        for (const Case& c : cases) {
            host.numbers[753] = c.volts;
            EXPECT_EQ(show(name, c.position), c.icon) << name << " " << c.volts << " V at " << c.position;
        }
    }
}

TEST_F(SystemsLights, GearDownLightWatchesOnlyTheMainLegs) {
    ELEMENT_ICON* lamp = lamp_of("Gear_Light");
    struct Case {
        double nose, left, right, icon;
    };
    for (Case c : {Case{0, 16383, 16383, 0}, Case{16383, 16300, 16300, 0}, Case{16383, 16299.9, 16383, -1},
                   Case{16383, 16383, 0, -1}, Case{16383, NaN, 16383, -1}}) {
        host.numbers[333] = c.left;
        host.numbers[334] = c.right;
        EXPECT_EQ(show(lamp, c.nose), c.icon) << c.nose << " " << c.left << " " << c.right;
    }
}

TEST_F(SystemsLights, GearLeverFollowsTheSimulationAndItsTooltipTheLastDraw) {
    GAUGEHDR* gauge = module.gauge("Gear_Lever");
    ELEMENT_ICON* lever = lamp_of("Gear_Lever");
    const MOUSERECT& tip = gauge->mouse_rects[1];
    ASSERT_EQ(tip.rect_type, MOUSE_RECT_TOOLTIP);
    auto word = [&] { return std::string(tip.args[0].text_callback(0, 0, nullptr, nullptr, gauge)); };
    EXPECT_EQ(word(), "up") << "before the first draw";
    EXPECT_EQ(show(lever, 8193), 1.0);
    EXPECT_EQ(word(), "down");
    EXPECT_EQ(show(lever, 8192), 0.0);
    EXPECT_EQ(word(), "up");
    EXPECT_EQ(show(lever, 16383), 1.0);
    lever->source_var.value.number = 0;  // refreshed but not drawn yet
    EXPECT_EQ(word(), "down");
    EXPECT_EQ(show(lever, NaN), 0.0);
}

TEST_F(SystemsLights, GeneratorLampLightsWhenTheEngineRunsWithoutCharge) {
    struct Case {
        double generator, engine, icon;
    };
    for (Case c : {Case{0, 1, 0}, Case{0, 2400, 0}, Case{0, 0, -1}, Case{1, 1, -1}, Case{0.001, 1, -1},
                   Case{-1, 1, -1}, Case{0, -1, -1}, Case{NaN, 1, -1}}) {
        host.numbers[565] = c.generator;
        host.numbers[364] = c.engine;
        EXPECT_EQ(show("Generator_Light", 123), c.icon) << c.generator << " " << c.engine;
    }
}

TEST_F(SystemsLights, SpeedBrakeLampsAtTheirThresholds) {
    struct Case {
        double position, warning, deployed;
    };
    for (Case c : {Case{0, -1, -1}, Case{7000, -1, -1}, Case{7000.1, -1, 1}, Case{8000, -1, 1},
                   Case{8000.5, 1, 1}, Case{12999.9, 1, 1}, Case{13000, 1, 2}, Case{16383, 1, 2},
                   Case{NaN, -1, -1}}) {
        EXPECT_EQ(show("Speed_Brake_Lamp", c.position), c.warning) << c.position;
        EXPECT_EQ(show("Speed_Brake_Light", c.position), c.deployed) << c.position;
    }
}

TEST_F(SystemsLights, PressToTestLightsTheLampForTwentySevenUpdates) {
    GAUGEHDR* gauge = module.gauge("Speed_Brake_Lamp");
    ELEMENT_ICON* lamp = lamp_of("Speed_Brake_Lamp");
    const auto button = static_cast<std::size_t>(child_area_with_cursor(gauge, CURSOR_HAND));
    auto lit_updates = [&] {
        int n = 0;
        while (show(lamp, 0) == 1.0 && n < 100) ++n;
        return n;
    };
    EXPECT_EQ(click(gauge, button), 0);
    EXPECT_EQ(lit_updates(), 27);
    // A second press during a test counts 27 again from there.
    click(gauge, button);
    for (int update = 0; update < 20; ++update) show(lamp, 0);
    click(gauge, button, MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT);
    EXPECT_EQ(lit_updates(), 27);
    EXPECT_EQ(show(lamp, 9000), 1.0) << "and then the speed brake again";
}

}  // namespace
