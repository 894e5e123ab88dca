#include "host/needle_calibration.h"

#include <cmath>

namespace host {

namespace {

constexpr double PI = 3.14159265358979323846;

// Clockwise travel from one angle to another, 0 <= result < 360.
double clockwise(double from, double to) { return normalize_degrees(to - from); }

}  // namespace

double normalize_degrees(double degrees) {
    if (!std::isfinite(degrees)) {
        return 0.0;
    }
    double r = std::fmod(degrees, 360.0);
    if (r < 0.0) {
        r += 360.0;
    }
    return r >= 360.0 ? 0.0 : r;
}

double point_angle(PIXPOINT pivot, PIXPOINT point) {
    double dx = static_cast<double>(point.x) - pivot.x;
    double dy = static_cast<double>(point.y) - pivot.y;
    return normalize_degrees(std::atan2(dy, dx) * 180.0 / PI);
}

NeedleCalibration::NeedleCalibration(std::vector<CalibrationPoint> points) : points_(std::move(points)) {
    sweep_.reserve(points_.size());
    for (std::size_t i = 0; i < points_.size(); ++i) {
        sweep_.push_back(i == 0 ? points_[0].angle
                                : sweep_[i - 1] + clockwise(points_[i - 1].angle, points_[i].angle));
    }
}

NeedleCalibration NeedleCalibration::from_table(PIXPOINT pivot, const NONLINEARITY* table, UINT32 count) {
    std::vector<CalibrationPoint> points;
    if (table != nullptr) {
        for (UINT32 i = 0; i < count; ++i) {
            points.push_back({table[i].value, point_angle(pivot, table[i].point)});
        }
    }
    return NeedleCalibration(std::move(points));
}

double NeedleCalibration::unwrapped_angle(double value) const {
    const std::size_t n = points_.size();
    if (n == 0) {
        return std::isfinite(value) ? value : 0.0;
    }
    if (n == 1 || std::isnan(value)) {
        return sweep_[0];
    }
    // The first segment, in table order, whose values enclose the value.
    for (std::size_t i = 0; i + 1 < n; ++i) {
        double a = points_[i].value;
        double b = points_[i + 1].value;
        if (value >= std::fmin(a, b) && value <= std::fmax(a, b)) {
            if (a == b) {
                return sweep_[i];
            }
            return sweep_[i] + (value - a) / (b - a) * (sweep_[i + 1] - sweep_[i]);
        }
    }
    // Beyond one end: go on at the rate of the nearest pair.
    const double first = points_[0].value;
    const double last = points_[n - 1].value;
    const bool rising = last >= first;
    const bool before_start = rising ? value < first : value > first;
    const std::size_t i = before_start ? 0 : n - 2;
    const std::size_t end = before_start ? 0 : n - 1;
    double a = points_[i].value;
    double b = points_[i + 1].value;
    double travel = sweep_[i + 1] - sweep_[i];
    if (a == b || travel == 0.0) {
        return sweep_[end];
    }
    double result = sweep_[end] + (value - points_[end].value) / (b - a) * travel;
    return std::isfinite(result) ? result : sweep_[end];
}

double NeedleCalibration::angle(double value) const { return normalize_degrees(unwrapped_angle(value)); }

}  // namespace host
