// Gear, flap, speed-brake and generator lamps, the flap dial's smoothing and
// the gear lever: each callback at its thresholds.
#include <gtest/gtest.h>

#include <limits>

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

// Each lamp: the lit picture over an unlit background, its variable and the
// failure that darkens it.
TEST_F(SystemsLights, LampsAreIconsOverTheirUnlitPicture) {
    struct Lamp {
        const char* name;
        UINT32 width_mm, background, icon, count, flags, token;
        std::pair<UINT32, UINT32> failure;
        PIXPOINT at;
    };
    const Lamp lamps[] = {
        {"Flaps_Warning_Light", 80, 4040, 4050, 6, 0x7, 329, {21, 3}, {0, 0}},
        {"Gear_Lamp_Front", 40, 2410, 2410, 3, 0x3, 332, {20, 3}, {0, 0}},
        {"Gear_Lamp_Left", 40, 2410, 2410, 3, 0x3, 333, {20, 3}, {0, 0}},
        {"Gear_Lamp_Right", 40, 2410, 2410, 3, 0x3, 334, {20, 3}, {0, 0}},
        {"Gear_Light", 40, 4060, 4070, 1, 0x7, 332, {20, 2}, {0, 0}},
        {"Generator_Light", 30, 4330, 4340, 1, 0x3, 566, {21, 3}, {0, 0}},
        {"Speed_Brake_Lamp", 40, 4080, 4080, 2, 0x7, 326, {20, 2}, {41, 64}},
        {"Speed_Brake_Light", 20, 2490, 2490, 3, 0x7, 326, {20, 2}, {0, 0}},
        {"Low_Fuel_Light", 25, 3090, 3090, 2, 0x7, 0, {20, 3}, {0, 0}},
        {"Fuel_Qty_Switch", 30, 3290, 3300, 3, 0x3, 0, {20, 2}, {17, 7}},
        {"Gear_Lever", 47, 3480, 3490, 2, 0x3, 331, {0, 0}, {15, 2}},
    };
    for (const Lamp& l : lamps) {
        SCOPED_TRACE(l.name);
        GAUGEHDR* gauge = module.gauge(l.name);
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(gauge->size_x_mm, l.width_mm);
        EXPECT_EQ(gauge->callback != nullptr, std::string(l.name) == "Fuel_Qty_Switch");
        std::vector<ELEMENT_HEADER*> tree = all_elements(gauge);
        ASSERT_EQ(tree.size(), 2u);
        EXPECT_EQ(tree[0]->bitmap_id, l.background);
        EXPECT_EQ(tree[0]->image_flags, 0x3u);
        ELEMENT_ICON* icon = as<ELEMENT_ICON>(tree[1]);
        ASSERT_EQ(icon->header.element_type, ELEMENT_TYPE_ICON);
        EXPECT_EQ(icon->header.gauge, gauge);
        EXPECT_EQ(icon->header.bitmap_id, l.icon);
        EXPECT_EQ(icon->icon_count, l.count);
        EXPECT_EQ(icon->header.image_flags, l.flags);
        EXPECT_EQ(icon->source_var.token, l.token);
        EXPECT_EQ(icon->scale, 1.0);
        EXPECT_NE(icon->callback, nullptr);
        EXPECT_EQ(icon->header.position.x, l.at.x);
        EXPECT_EQ(icon->header.position.y, l.at.y);
        std::vector<std::pair<UINT32, UINT32>> expected;
        if (l.failure.first != 0) expected.push_back(l.failure);
        EXPECT_EQ(failures_of(&icon->header), expected);
    }
}

TEST_F(SystemsLights, FlapNeedleMovesAnEighthOfTheWayAndSkipsBadSamples) {
    GAUGEHDR* gauge = module.gauge("Flaps_Position");
    auto* needle = as<ELEMENT_NEEDLE>(first_child_chain(gauge, 1));
    ASSERT_EQ(needle->header.element_type, ELEMENT_TYPE_NEEDLE);
    EXPECT_EQ(needle->source_var.token, 330u);
    EXPECT_EQ(gauge->mouse_rects[0].help_id, 0xAB24u);
    auto update = [&](double position) {
        needle->source_var.value.number = position;
        return needle->callback(needle);
    };
    EXPECT_EQ(update(16383), 2047.875);
    EXPECT_EQ(update(16383), 3839.765625);
    EXPECT_EQ(update(NaN), 3839.765625);
    EXPECT_EQ(update(INF), 3839.765625);
    EXPECT_EQ(update(-INF), 3839.765625);
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
    for (const char* name : {"Gear_Lamp_Front", "Gear_Lamp_Left", "Gear_Lamp_Right"}) {
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
    const MOUSERECT* r = gauge->mouse_rects;
    ASSERT_EQ(r[1].rect_type, MOUSE_RECT_TOOLTIP);
    EXPECT_STREQ(r[1].tooltip_text, "Landing gear lever (%1!s!)");
    auto word = [&] { return std::string(r[1].args[0].text_callback(0, 0, nullptr, nullptr, gauge)); };
    const int area = child_area_with_cursor(gauge, CURSOR_HAND);
    ASSERT_GT(area, 0);
    EXPECT_EQ(r[area].event_id, 0x10022u);
    EXPECT_EQ(r[area].function, nullptr);
    EXPECT_EQ(r[area].mouse_flags, 0x20200000u);

    EXPECT_EQ(word(), "up") << "before the first draw";
    EXPECT_EQ(show(lever, 8193), 1.0);
    EXPECT_EQ(word(), "down");
    EXPECT_EQ(show(lever, 8192), 0.0);
    EXPECT_EQ(word(), "up");
    EXPECT_EQ(show(lever, 16383), 1.0);
    lever->source_var.value.number = 0;  // refreshed but not drawn yet
    EXPECT_EQ(word(), "down");
    EXPECT_EQ(show(lever, NaN), 0.0);
    EXPECT_TRUE(host.key_events.empty());
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
    const int button = child_area_with_cursor(gauge, CURSOR_HAND);
    ASSERT_GT(button, 0);
    EXPECT_EQ(gauge->mouse_rects[button].mouse_flags, 0x20200000u);
    EXPECT_EQ(gauge->mouse_rects[button].box.x, 41);
    EXPECT_EQ(gauge->mouse_rects[button].box.width, 32);

    EXPECT_EQ(click(gauge, static_cast<std::size_t>(button)), 0);
    for (int update = 1; update <= 27; ++update) {
        EXPECT_EQ(show(lamp, 0), 1.0) << update;
    }
    EXPECT_EQ(show(lamp, 0), -1.0);

    // A second press during a test counts 27 again from there.
    click(gauge, static_cast<std::size_t>(button));
    for (int update = 0; update < 20; ++update) show(lamp, 0);
    click(gauge, static_cast<std::size_t>(button), MOUSE_LEFT_SINGLE | MOUSE_DOWN_REPEAT);
    for (int update = 1; update <= 27; ++update) {
        EXPECT_EQ(show(lamp, 0), 1.0) << update;
    }
    EXPECT_EQ(show(lamp, 0), -1.0);
    EXPECT_EQ(show(lamp, 9000), 1.0) << "and then the speed brake again";
}

}  // namespace
