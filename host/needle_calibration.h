// Needle angles. Angles are degrees clockwise on screen from +x (y points
// down), so -90 (270) points up. A calibration point's angle is the
// direction from the needle's pivot on the gauge to the point.
//
// Between neighbouring points the needle sweeps clockwise from one point's
// angle to the next (0 to 360 degrees, never backwards), interpolated by
// value in table order; two neighbours at the same position hold it still.
// Beyond either end it turns on at the rate of the nearest pair, whole turns
// included; a pair with equal values there is a stop.
#pragma once

#include <vector>

#include "frame/host_types.h"

namespace host {

struct CalibrationPoint {
    double value;
    double angle;  // of the point itself, 0 <= angle < 360
};

double normalize_degrees(double degrees);  // into [0, 360)
double point_angle(PIXPOINT pivot, PIXPOINT point);

class NeedleCalibration {
public:
    NeedleCalibration() = default;
    explicit NeedleCalibration(std::vector<CalibrationPoint> points);
    // From a NONLINEARITY table of `count` points about `pivot`.
    static NeedleCalibration from_table(PIXPOINT pivot, const NONLINEARITY* table, UINT32 count);

    bool empty() const { return points_.empty(); }
    const std::vector<CalibrationPoint>& points() const { return points_; }

    // Angle for a value, 0 <= angle < 360. Without a table the value itself
    // is the angle. NaN shows the first point (or 0 without a table).
    double angle(double value) const;
    // The same without reducing whole turns: the first point's angle plus
    // the clockwise travel to the value (negative before the first point).
    double unwrapped_angle(double value) const;

private:
    std::vector<CalibrationPoint> points_;
    std::vector<double> sweep_;  // cumulative clockwise angle of each point
};

}  // namespace host
