// Needle angles on the calibration tables of real dials.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "host/evaluator.h"
#include "host/needle_calibration.h"

using host::NeedleCalibration;

namespace {

struct Point {
    int x, y;
    double value;
};

NeedleCalibration table(PIXPOINT pivot, const std::vector<Point>& points, std::vector<NONLINEARITY>* out = nullptr) {
    std::vector<NONLINEARITY> local;
    std::vector<NONLINEARITY>& records = out != nullptr ? *out : local;
    records.clear();
    for (const Point& p : points) {
        records.push_back({{p.x, p.y}, p.value, 0.0});
    }
    return NeedleCalibration::from_table(pivot, records.data(), static_cast<UINT32>(records.size()));
}

double fpm(double feet_per_minute) { return feet_per_minute * 256.0 / 60.0 / 3.28084; }

// Angles compare modulo whole turns.
void expect_angle(double expected, double actual, double tolerance = 0.01) {
    double d = std::fmod(std::fabs(expected - actual), 360.0);
    EXPECT_LT(std::min(d, 360.0 - d), tolerance) << "expected " << expected << ", got " << actual;
}

double direction(int px, int py, int x, int y) { return host::point_angle({px, py}, {x, y}); }

}  // namespace

TEST(NeedleCalibration, VerticalSpeedSweepsThroughNineOClockAndStopsAtSixThousand) {
    NeedleCalibration vs = table({150, 150}, {{260, 166, fpm(-7000)}, {260, 166, fpm(-6000)}, {255, 182, fpm(-5000)},
                                              {245, 204, fpm(-4000)}, {224, 231, fpm(-3000)}, {177, 254, fpm(-2000)},
                                              {95, 249, fpm(-1000)},  {97, 57, fpm(1000)},    {178, 43, fpm(2000)},
                                              {224, 70, fpm(3000)},   {244, 97, fpm(4000)},   {253, 120, fpm(5000)},
                                              {258, 136, fpm(6000)},  {258, 136, fpm(7000)}});
    // Level flight points to 9 o'clock, between the two points that flank it.
    expect_angle(180.0, vs.angle(0.0), 1.0);
    expect_angle(direction(150, 150, 97, 57), vs.angle(fpm(1000)));
    // Stops: beyond +-6000 ft/min the needle holds, however far the value goes.
    expect_angle(vs.angle(fpm(6000)), vs.angle(fpm(6500)));
    expect_angle(vs.angle(fpm(6000)), vs.angle(fpm(100000)));
    expect_angle(direction(150, 150, 260, 166), vs.angle(fpm(-6500)));
    // A climb turns the needle clockwise all the way: the whole scale is one
    // clockwise sweep of almost a full turn.
    double previous = vs.unwrapped_angle(fpm(-6000));
    for (int f = -5900; f <= 6000; f += 100) {
        double now = vs.unwrapped_angle(fpm(f));
        EXPECT_GT(now, previous) << f << " ft/min";
        previous = now;
    }
    EXPECT_NEAR(vs.unwrapped_angle(fpm(6000)) - vs.unwrapped_angle(fpm(-6000)), 344.3, 0.1);
}

TEST(NeedleCalibration, AccelerometerSweepsMoreThanHalfATurnBetweenTwoPoints) {
    std::vector<NONLINEARITY> records;
    NeedleCalibration g = table({101, 101},
                                {{146, 147, -6240}, {146, 147, -3120}, {36, 101, 624}, {161, 126, 6240}, {161, 126, 12480}},
                                &records);
    expect_angle(180.0, g.angle(624));  // +1 g at 9 o'clock
    // From +1 g to +10 g the needle travels 202.6 degrees clockwise, over the
    // top of the dial: halfway it points up and to the left, not down.
    const double from = 180.0;
    const double to = direction(101, 101, 161, 126);
    const double travel = host::normalize_degrees(to - from);
    EXPECT_NEAR(travel, 202.62, 0.01);
    expect_angle(from + travel / 2, g.angle((624 + 6240) / 2.0));
    EXPECT_GT(g.angle((624 + 6240) / 2.0), 270.0);
    // Stops at -5 g and +10 g; the pair at -10..-5 g holds the needle.
    expect_angle(direction(101, 101, 146, 147), g.angle(-4000));
    expect_angle(direction(101, 101, 146, 147), g.angle(-100000));
    expect_angle(to, g.angle(9000));
    expect_angle(to, g.angle(1e12));
}

TEST(NeedleCalibration, ManifoldPressureTurnsClockwisePastTheTopToLowerLeft) {
    const double k = 70.7328;
    NeedleCalibration mp =
        table({150, 150}, {{47, 203, 0.0}, {37, 181, 10 * k}, {150, 37, 30 * k}, {55, 220, 75 * k}, {55, 220, 80 * k}});
    expect_angle(270.0, mp.angle(30 * k));
    // 30 to 75 inHg: 233.6 degrees clockwise, so 52.5 inHg lies at the right
    // of the dial (about 27 degrees below +x), not at its lower left.
    expect_angle(270.0 + 233.62 / 2, mp.angle(52.5 * k), 0.05);
    expect_angle(direction(150, 150, 55, 220), mp.angle(100 * k));
    // 20 inHg is between the 10 and 30 inHg marks, clockwise from 10.
    double ten = mp.unwrapped_angle(10 * k);
    double thirty = mp.unwrapped_angle(30 * k);
    EXPECT_NEAR(mp.unwrapped_angle(20 * k), (ten + thirty) / 2, 1e-9);
    EXPECT_LT(ten, thirty);
}

TEST(NeedleCalibration, AmmeterGoesOnBelowMinusFifteenButStopsAboveTen) {
    NeedleCalibration amps =
        table({76, 92}, {{41, 80, -15}, {41, 50, -10}, {76, 39, 0}, {111, 50, 10}, {111, 50, 15}});
    const double a15 = direction(76, 92, 41, 80);
    const double a10 = direction(76, 92, 41, 50);
    expect_angle((a15 + a10) / 2, amps.angle(-12.5));
    expect_angle(direction(76, 92, 111, 50), amps.angle(12.5));
    expect_angle(direction(76, 92, 111, 50), amps.angle(1000));
    expect_angle(270.0, amps.angle(0));
    // Below the first point the needle turns on, counter-clockwise, at the
    // rate of the -15..-10 pair.
    expect_angle(a15 - (a10 - a15), amps.angle(-20));
}

TEST(NeedleCalibration, ClockHandsMakeWholeTurnsOnTwoPointTables) {
    const PIXPOINT pivot{151, 150};
    NeedleCalibration seconds = table(pivot, {{151, 100, 0}, {151, 200, 30}});
    NeedleCalibration minutes = table(pivot, {{151, 100, 0}, {151, 200, 1800}});
    NeedleCalibration hours = table(pivot, {{151, 100, 0}, {151, 200, 21600}});
    const double t = 36942;  // 10:15:42
    // Clockwise from 12 o'clock (270 degrees) by the fraction of a turn.
    expect_angle(270.0 + 42.0 / 60 * 360, seconds.angle(t));
    expect_angle(270.0 + (15 * 60 + 42) / 3600.0 * 360, minutes.angle(t));
    expect_angle(270.0 + t / 43200.0 * 360, hours.angle(t));
    // The unreduced angle counts the turns: 615.7 turns of the second hand.
    EXPECT_NEAR(seconds.unwrapped_angle(t) - 270.0, t * 6.0, 1e-6);
    // Back at midnight and at noon all hands point up.
    expect_angle(270.0, hours.angle(43200));
    expect_angle(270.0, minutes.angle(43200));
    expect_angle(270.0, seconds.angle(86400));
}

TEST(NeedleCalibration, AltimeterHandsTurnOnPastTheirLastPoint) {
    const PIXPOINT pivot{151, 151};
    NeedleCalibration hundreds = table(pivot, {{151, 101, 0}, {151, 201, 500}});
    expect_angle(270.0 + 1234.0 / 1000 * 360, hundreds.angle(1234));
    expect_angle(270.0 - 250.0 / 1000 * 360, hundreds.angle(-250));  // below sea level: anticlockwise
}

TEST(NeedleCalibration, EqualValuesAndOddInputsNeverDivideByZero) {
    NeedleCalibration same = table({0, 0}, {{10, 0, 5}, {0, 10, 5}});
    for (double v : {4.0, 5.0, 6.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        double a = same.angle(v);
        EXPECT_TRUE(std::isfinite(a)) << v;
        EXPECT_GE(a, 0.0);
        EXPECT_LT(a, 360.0);
    }
    // A pair of equal values inside a table is a stop at its first point.
    NeedleCalibration inner = table({0, 0}, {{10, 0, 0}, {0, 10, 10}, {-10, 0, 10}, {0, -10, 20}});
    expect_angle(90.0, inner.angle(10));
    expect_angle(225.0, inner.angle(15));
    // Infinite values beyond an end that keeps turning hold at that end.
    NeedleCalibration open_ended = table({0, 0}, {{10, 0, 0}, {0, 10, 10}});
    EXPECT_TRUE(std::isfinite(open_ended.angle(std::numeric_limits<double>::infinity())));
    // One point: always there.
    NeedleCalibration one = table({0, 0}, {{0, 10, 3}});
    expect_angle(90.0, one.angle(-50));
}

TEST(NeedleCalibration, FallingTablesInterpolateInTableOrder) {
    // Values fall as the needle turns clockwise from +x to straight down.
    NeedleCalibration falling = table({0, 0}, {{10, 0, 100}, {0, 10, 0}});
    expect_angle(45.0, falling.angle(50));
    expect_angle(-45.0, falling.angle(150));  // beyond the first point
    expect_angle(99.0, falling.angle(-10));   // beyond the last point
}

TEST(NeedleCalibration, WithoutTableTheValueIsDegreesClockwiseFromTheBitmap) {
    NeedleCalibration none;
    expect_angle(270.0, none.angle(-90));  // up
    expect_angle(90.0, none.angle(450));
    expect_angle(0.0, none.angle(std::numeric_limits<double>::quiet_NaN()));
}

TEST(NeedleCalibration, TheHostFillsEachPointsDegrees) {
    NONLINEARITY points[] = {{{151, 101}, 0.0, -1.0}, {{201, 151}, 10.0, -1.0}};
    ELEMENT_NEEDLE needle{};
    needle.header.element_type = ELEMENT_TYPE_NEEDLE;
    needle.header.position = {151, 151};
    needle.calibration = points;
    needle.calibration_count = 2;
    host::Evaluator::calibrate(needle);
    EXPECT_DOUBLE_EQ(points[0].degrees, 270.0);
    EXPECT_DOUBLE_EQ(points[1].degrees, 0.0);
}
