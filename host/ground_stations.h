// The radio stations on the ground that the simulation's receivers hear:
// a small airfield with an instrument landing system on runway 27, a VOR and
// a locator beacon, and a VOR and a beacon along the cruise route. Positions
// are nautical miles east and north of the runway 27 threshold; bearings and
// courses are degrees clockwise from north (the simulation has no magnetic
// variation). See docs/host-conventions.md.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace host {

struct GroundPoint {
    double east = 0.0;   // nm
    double north = 0.0;  // nm
};

struct GlideSlope {
    GroundPoint antenna;
    double angle = 3.0;  // degrees above the horizontal
};

struct GroundStation {
    enum class Kind { Vor, Localizer, Beacon };
    const char* ident;
    Kind kind;
    // VOR and localizer: hundredths of a MHz (11030 is 110.30 MHz);
    // beacon: tenths of a kHz (3440 is 344.0 kHz).
    std::uint32_t frequency;
    GroundPoint position;
    double elevation_ft;
    double range_nm;
    double course = 0.0;  // localizer: the inbound front course
    std::optional<GlideSlope> glide_slope = std::nullopt;
};

const std::vector<GroundStation>& ground_stations();

// The station on that frequency nearest to the point, within its range; null
// when none is heard there. Navigation frequencies are in hundredths of a
// MHz, beacon frequencies in tenths of a kHz.
const GroundStation* navigation_station_heard(std::uint32_t hundredths_mhz, GroundPoint at);
const GroundStation* beacon_heard(std::uint32_t tenths_khz, GroundPoint at);

// Distance in nm and bearing in degrees (0..360, clockwise from north) from
// one point to another, on the flat plane of this small area.
double distance_nm(GroundPoint from, GroundPoint to);
double bearing_deg(GroundPoint from, GroundPoint to);

}  // namespace host
