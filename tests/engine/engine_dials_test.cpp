// The eleven engine and electrical dials: their three-element trees, and
// where the host's calibration rules put their needles, end stops and the
// ammeter's lopsided low end included. The carburettor dial's expression.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "element_tree.h"
#include "host/needle_calibration.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

struct Dial {
    const char* name;
    UINT32 face, needle, cover;
    UINT32 token;  // 0: the value comes from the callback
    bool failure;  // key 2, action 0
    UINT32 help;
    UINT32 tooltip;  // host text id; 0: a text of its own or none
};

const Dial DIALS[] = {
    {"Manifold_Pressure", 1420, 1430, 1440, 391, true, 0xAB46, 0x30A0},
    {"Tachometer", 2100, 2110, 2120, 390, true, 0xAB68, 0x333F},
    {"Oil_Pressure", 2220, 2230, 2240, 418, true, 0, 0x3100},
    {"Oil_Temperature", 1000, 1010, 1020, 416, true, 0xAB4F, 0x30F1},
    {"Fuel_Pressure", 1030, 1040, 1050, 425, true, 0, 0x3339},
    {"CHT_Indicator", 1220, 1230, 1240, 415, true, 0, 0x30D0},
    {"Carb_Temperature", 1250, 1260, 1270, 0, true, 0, 0},
    {"OAT_Indicator", 4280, 4290, 4300, 341, false, 0, 0x3224},
    {"Hydraulic_Pressure", 4090, 4100, 4110, 732, true, 0xA41B, 0},
    {"Voltmeter", 370, 380, 390, 753, true, 0, 0x3331},
    {"Ammeter", 400, 410, 420, 751, true, 0, 0x3140},
};

ELEMENT_NEEDLE* needle_of(GAUGEHDR* gauge) { return as<ELEMENT_NEEDLE>(first_child_chain(gauge, 1)); }

host::NeedleCalibration calibration_of(GAUGEHDR* gauge) {
    ELEMENT_NEEDLE* n = needle_of(gauge);
    return host::NeedleCalibration::from_table(n->header.position, n->calibration, n->calibration_count);
}

// The angle at which the needle points at a position on the face.
double angle_to(GAUGEHDR* gauge, PIXPOINT p) { return host::point_angle(needle_of(gauge)->header.position, p); }

double turn_between(double a, double b) { return std::remainder(a - b, 360.0); }

TEST(EngineDials, EachIsAFaceANeedleAndAGlass) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (const Dial& d : DIALS) {
        SCOPED_TRACE(d.name);
        GAUGEHDR* gauge = module.gauge(d.name);
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(gauge->size_x_mm, 100u);
        EXPECT_EQ(gauge->callback, nullptr);
        std::vector<ELEMENT_HEADER*> tree = all_elements(gauge);
        ASSERT_EQ(tree.size(), 3u);
        EXPECT_EQ(tree[0]->element_type, ELEMENT_TYPE_STATIC_IMAGE);
        EXPECT_EQ(tree[0]->bitmap_id, d.face);
        EXPECT_EQ(tree[0]->image_flags, 0x4003u);
        ASSERT_EQ(tree[1]->element_type, ELEMENT_TYPE_NEEDLE);
        EXPECT_EQ(tree[1]->bitmap_id, d.needle);
        EXPECT_EQ(tree[1]->image_flags, 0x4083u);
        EXPECT_EQ(child_of(tree[1]), tree[2]);
        EXPECT_EQ(tree[2]->bitmap_id, d.cover);
        EXPECT_EQ(tree[2]->image_flags, 0x3u);
        for (ELEMENT_HEADER* e : tree) EXPECT_EQ(e->gauge, gauge);

        ELEMENT_NEEDLE* n = needle_of(gauge);
        EXPECT_EQ(n->source_var.token, d.token);
        EXPECT_EQ(n->callback != nullptr, d.token == 0);
        EXPECT_EQ(n->max_degrees_per_update, 0);
        using Pairs = std::vector<std::pair<UINT32, UINT32>>;
        const Pairs expected = d.failure ? Pairs{{2, 0}} : Pairs{};
        EXPECT_EQ(failures_of(&n->header), expected);

        const MOUSERECT* r = gauge->mouse_rects;
        EXPECT_EQ(r[0].rect_type, MOUSE_RECT_PARENT);
        EXPECT_EQ(r[0].help_id, d.help);
        std::size_t i = 1;
        if (r[1].rect_type == MOUSE_RECT_TOOLTIP) {
            EXPECT_EQ(r[1].help_id, d.tooltip);
            ++i;
        } else {
            EXPECT_STREQ(d.name, "Hydraulic_Pressure");
        }
        EXPECT_EQ(r[i].rect_type, MOUSE_RECT_END_PARENT);
        EXPECT_EQ(r[i + 1].rect_type, MOUSE_RECT_END);
    }
}

// From the first mark to the last every scale turns one way, clockwise,
// even where two marks lie more than half a turn apart.
TEST(EngineDials, ScalesRunClockwise) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (const Dial& d : DIALS) {
        SCOPED_TRACE(d.name);
        ELEMENT_NEEDLE* n = needle_of(module.gauge(d.name));
        host::NeedleCalibration c = calibration_of(module.gauge(d.name));
        const double first = n->calibration[0].value;
        const double last = n->calibration[n->calibration_count - 1].value;
        double previous = c.unwrapped_angle(first);
        for (int i = 1; i <= 200; ++i) {
            double now = c.unwrapped_angle(first + (last - first) * i / 200.0);
            EXPECT_GE(now, previous - 1e-9) << "step " << i;
            previous = now;
        }
    }
    // Nearly a full turn: 10 inHg to 75 inHg, 500 to 4000 rpm.
    host::NeedleCalibration manifold = calibration_of(module.gauge("Manifold_Pressure"));
    EXPECT_GT(manifold.unwrapped_angle(75 * 70.7328) - manifold.unwrapped_angle(10 * 70.7328), 300.0);
    host::NeedleCalibration tachometer = calibration_of(module.gauge("Tachometer"));
    EXPECT_GT(tachometer.unwrapped_angle(2500) - tachometer.unwrapped_angle(500), 180.0);
    // 1000 rpm lies a quarter of the way from the 500 mark at the right,
    // clockwise: below the pivot's level, not above it.
    double a = tachometer.angle(1000);
    EXPECT_GT(a, 0.0);
    EXPECT_LT(a, 90.0);
}

TEST(EngineDials, ValuesBeyondTheScaleHoldTheNeedleAtTheEndMark) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    struct Case {
        const char* dial;
        double value;
        PIXPOINT mark;
    };
    const Case cases[] = {
        {"Manifold_Pressure", 90 * 70.7328, {55, 220}},
        {"Tachometer", 6000, {227, 66}},
        {"Oil_Pressure", 150 * 144.0, {162, 84}},
        {"Oil_Temperature", 300, {81, 162}},  // degrees Rankine: -107 C
        {"Oil_Temperature", 800, {81, 43}},   // 171 C
        {"Fuel_Pressure", -5000, {166, 89}},
        {"Fuel_Pressure", 9000, {143, 52}},
        {"CHT_Indicator", 0, {85, 163}},
        {"CHT_Indicator", 2000, {88, 40}},
        {"Carb_Temperature", -90, {89, 161}},
        {"Carb_Temperature", 90, {90, 42}},
        {"OAT_Indicator", -100, {70, 200}},
        {"OAT_Indicator", 80, {166, 200}},
        {"Hydraulic_Pressure", -50, {20, 74}},
        {"Hydraulic_Pressure", 600000, {126, 75}},
        {"Voltmeter", -3, {43, 92}},
        {"Voltmeter", 30, {163, 91}},
        {"Voltmeter", 45, {163, 91}},
        {"Ammeter", 12.5, {111, 50}},
        {"Ammeter", 40, {111, 50}},
    };
    for (const Case& c : cases) {
        GAUGEHDR* gauge = module.gauge(c.dial);
        EXPECT_NEAR(turn_between(calibration_of(gauge).angle(c.value), angle_to(gauge, c.mark)), 0.0, 1e-9)
            << c.dial << " at " << c.value;
    }
}

// Below -10 the ammeter goes on towards its -15 point; above +10 it stays.
TEST(EngineDials, AmmeterLowEndGoesOnPastTheLastMark) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* ammeter = module.gauge("Ammeter");
    host::NeedleCalibration c = calibration_of(ammeter);
    const double minus_ten = angle_to(ammeter, {41, 50});
    const double minus_fifteen = angle_to(ammeter, {41, 80});
    EXPECT_NEAR(turn_between(c.angle(-12.5), (minus_ten + minus_fifteen) / 2), 0.0, 1e-9);
    EXPECT_NEAR(turn_between(c.angle(-15), minus_fifteen), 0.0, 1e-9);
    EXPECT_LT(turn_between(c.angle(-20), minus_fifteen), -1.0);
    EXPECT_NEAR(turn_between(c.angle(10), c.angle(15)), 0.0, 1e-9);
}

TEST(CarbTemperature, NeedleEvaluatesTheExpressionAndTheTooltipShowsItsLastValue) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    FakeHost host(module.imports());
    GAUGEHDR* gauge = module.gauge("Carb_Temperature");
    ELEMENT_NEEDLE* n = needle_of(gauge);
    const MOUSERECT& tip = gauge->mouse_rects[1];
    ASSERT_EQ(tip.rect_type, MOUSE_RECT_TOOLTIP);
    EXPECT_EQ(std::strcmp(tip.tooltip_text, "Admission air temperature (%1!d!\xB0" "C)"), 0);
    ASSERT_EQ(tip.event_id, 1u);
    auto tooltip_value = [&] { return tip.args[0].number_callback(0.0, 0, nullptr, nullptr, gauge); };

    const std::string code = "(A:RECIP CARBURETOR TEMPERATURE:1,celsius)";
    EXPECT_EQ(tooltip_value(), 0.0) << "before the first draw";
    EXPECT_TRUE(host.calculations.empty());

    host.calculator[code] = -7.5;
    EXPECT_EQ(n->callback(n), -7.5);
    EXPECT_EQ(tooltip_value(), -7.5);
    EXPECT_EQ(host.calculations, std::vector<std::string>{code}) << "the tooltip does not evaluate again";

    // A failed evaluation leaves the last value.
    host.calculator.clear();
    EXPECT_EQ(n->callback(n), -7.5);
    EXPECT_EQ(host.calculations.size(), 2u);
}

}  // namespace
