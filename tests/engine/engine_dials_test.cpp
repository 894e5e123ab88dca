// Where the host's calibration rules put the engine dials' needles beyond
// their scales: the end stops and the ammeter's lopsided low end. The
// carburettor dial's expression and tooltip.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "element_tree.h"
#include "host/needle_calibration.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

ELEMENT_NEEDLE* needle_of(GAUGEHDR* gauge) { return as<ELEMENT_NEEDLE>(first_child_chain(gauge, 1)); }

host::NeedleCalibration calibration_of(GAUGEHDR* gauge) {
    ELEMENT_NEEDLE* n = needle_of(gauge);
    return host::NeedleCalibration::from_table(n->header.position, n->calibration, n->calibration_count);
}

// The angle at which the needle points at a position on the face.
double angle_to(GAUGEHDR* gauge, PIXPOINT p) { return host::point_angle(needle_of(gauge)->header.position, p); }

double turn_between(double a, double b) { return std::remainder(a - b, 360.0); }

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
