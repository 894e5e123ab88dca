#include "host/ground_stations.h"

#include <cmath>

namespace host {

namespace {

constexpr double PI = 3.14159265358979323846;

// Runway 27 runs 275 degrees from its threshold at the origin; its extended
// centre line is where the approach comes from.
constexpr double RUNWAY_COURSE = 275.0;
constexpr double FIELD_ELEVATION_FT = 50.0;

GroundPoint along_runway(double nm) {
    const double a = RUNWAY_COURSE * PI / 180.0;
    return {nm * std::sin(a), nm * std::cos(a)};
}

// Beacons and navigation stations have frequencies in different units.
const GroundStation* nearest(bool beacon, std::uint32_t frequency, GroundPoint at) {
    const GroundStation* best = nullptr;
    double best_distance = 0.0;
    for (const GroundStation& s : ground_stations()) {
        if ((s.kind == GroundStation::Kind::Beacon) != beacon || s.frequency != frequency) {
            continue;
        }
        const double d = distance_nm(at, s.position);
        if (d <= s.range_nm && (best == nullptr || d < best_distance)) {
            best = &s;
            best_distance = d;
        }
    }
    return best;
}

}  // namespace

const std::vector<GroundStation>& ground_stations() {
    using K = GroundStation::Kind;
    static const std::vector<GroundStation> stations = {
        // Localizer beyond the far end of the runway, glide slope beside the
        // touchdown zone, locator at the outer marker 4.5 nm out.
        {"IVT", K::Localizer, 11030, along_runway(1.3), FIELD_ELEVATION_FT, 18.0, RUNWAY_COURSE,
         GlideSlope{along_runway(0.16), 3.0}},
        {"VTR", K::Vor, 11450, {-0.65, 0.60}, FIELD_ELEVATION_FT, 60.0},
        {"VT", K::Beacon, 3440, along_runway(-4.5), FIELD_ELEVATION_FT, 25.0},
        // Along the cruise east of the field.
        {"ESK", K::Vor, 11360, {62.0, -6.0}, 400.0, 60.0},
        {"EK", K::Beacon, 4150, {45.0, 20.0}, 300.0, 25.0},
    };
    return stations;
}

const GroundStation* navigation_station_heard(std::uint32_t hundredths_mhz, GroundPoint at) {
    return nearest(false, hundredths_mhz, at);
}

const GroundStation* beacon_heard(std::uint32_t tenths_khz, GroundPoint at) {
    return nearest(true, tenths_khz, at);
}

double distance_nm(GroundPoint from, GroundPoint to) { return std::hypot(to.east - from.east, to.north - from.north); }

double bearing_deg(GroundPoint from, GroundPoint to) {
    const double b = std::atan2(to.east - from.east, to.north - from.north) * 180.0 / PI;
    return b < 0.0 ? b + 360.0 : b;
}

}  // namespace host
