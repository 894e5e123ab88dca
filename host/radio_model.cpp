#include "host/radio_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace host {

namespace {

constexpr double PI = 3.14159265358979323846;
constexpr double FEET_PER_NM = 6076.12;

// Tokens.
constexpr UINT32 ADF_KHZ = 16;
constexpr UINT32 ADF_EXTENDED = 18;
constexpr UINT32 ADF_BEARING = 39;
constexpr UINT32 SQUAWK = 38;
constexpr UINT32 INDICATED_ALTITUDE = 74;
constexpr UINT32 GYRO_HEADING = 84;
constexpr UINT32 ADF_TONE = 880;
constexpr std::uint32_t ADF_THOUSAND_FLAG = 256;

// Needle scales: full deflection at 10 degrees off a VOR radial, 2.5 off a
// localizer course, 0.7 off the glide path.
constexpr double VOR_FULL_SCALE = 10.0;
constexpr double LOCALIZER_FULL_SCALE = 2.5;
constexpr double GLIDE_SLOPE_FULL_SCALE = 0.7;
constexpr double DEVIATION_LIMIT = 127.0;
constexpr double GLIDE_SLOPE_LIMIT = 119.0;
// Where the signals reach: a localizer within 35 degrees of its course, a
// glide slope within 10 degrees of it and 10 nm of its antenna.
constexpr double LOCALIZER_SECTOR = 35.0;
constexpr double GLIDE_SLOPE_SECTOR = 10.0;
constexpr double GLIDE_SLOPE_RANGE_NM = 10.0;
constexpr double NO_BEARING = 0x80;
constexpr double PARKED = 90.0;

struct NavigationTokens {
    const char* name;
    UINT32 frequency, course, deviation, glide_slope, receiver, glide_slope_valid, flags, bearing;
};
constexpr NavigationTokens NAV1 = {"NAV1", 24, 45, 40, 41, 43, 44, 46, 550};
constexpr NavigationTokens NAV2 = {"NAV2", 27, 54, 50, 882, 52, 53, 55, 59};

// Tuning events of one COM or NAV head.
struct FrequencyEvents {
    UINT32 token;
    UINT32 whole_down, whole_up, fraction_down, fraction_up;
    int lowest, highest, spacing_khz;
};
constexpr FrequencyEvents FREQUENCY_EVENTS[] = {
    {23, 0x10064, 0x10065, 0x10066, 0x10067, 118, 136, 25},   // COM1
    {870, 0x10384, 0x10385, 0x10386, 0x10388, 118, 136, 25},  // COM2
    {24, 0x10068, 0x10069, 0x1006A, 0x1006B, 108, 117, 50},   // NAV1
    {27, 0x1006C, 0x1006D, 0x1006E, 0x1006F, 108, 117, 50},   // NAV2
};

int wrap(int value, int lowest, int highest) {
    const int span = highest - lowest + 1;
    return lowest + ((value - lowest) % span + span) % span;
}

double wrap180(double degrees) { return std::remainder(degrees, 360.0); }

double wrap360(double degrees) {
    const double r = std::fmod(degrees, 360.0);
    return r < 0.0 ? r + 360.0 : r;
}

double clamp_abs(double value, double limit) { return std::clamp(value, -limit, limit); }

std::uint32_t whole_mhz(std::uint32_t packed) { return 100 + from_packed((packed >> 8) & 0xFF); }
std::uint32_t hundredths(std::uint32_t packed) { return from_packed(packed & 0xFF); }

std::uint32_t packed_frequency(std::uint32_t mhz, std::uint32_t hundredths_value) {
    return to_packed(mhz - 100) << 8 | to_packed(hundredths_value);
}

// Glide slope needle and validity for an aircraft in front of the antenna.
void glide_slope_reading(const GroundStation& station, GroundPoint at, double altitude_ft, NavigationReading& r) {
    const GlideSlope& gs = *station.glide_slope;
    const double d = distance_nm(at, gs.antenna);
    const double off_course = wrap180(bearing_deg(at, gs.antenna) - station.course);
    if (d > GLIDE_SLOPE_RANGE_NM || std::fabs(off_course) > GLIDE_SLOPE_SECTOR || d <= 0.0) {
        return;
    }
    const double elevation = std::atan2(altitude_ft - station.elevation_ft, d * FEET_PER_NM) * 180.0 / PI;
    r.glide_slope_valid = 1;
    r.glide_slope = clamp_abs((elevation - gs.angle) / GLIDE_SLOPE_FULL_SCALE * GLIDE_SLOPE_LIMIT, GLIDE_SLOPE_LIMIT);
}

void write(Simulation& sim, const NavigationTokens& t, const NavigationReading& r) {
    sim.set_number(t.receiver, r.receiver_state);
    sim.set_number(t.deviation, r.deviation);
    sim.set_number(t.glide_slope, r.glide_slope);
    sim.set_number(t.glide_slope_valid, r.glide_slope_valid);
    sim.set_number(t.flags, r.station_flags);
    sim.set_number(t.bearing, r.relative_bearing);
}

bool aircraft_position(const Simulation& sim, GroundPoint& at) {
    const auto east = sim.named(POSITION_EAST);
    const auto north = sim.named(POSITION_NORTH);
    if (!east || !north || !std::isfinite(east->value) || !std::isfinite(north->value)) {
        return false;
    }
    at = {east->value, north->value};
    return true;
}

// Whole numbers print without a minus sign for a value that rounds to 0.
double rounded(double value) { return std::round(value) + 0.0; }
double rounded_bearing(double degrees) { return wrap360(std::round(degrees)); }

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0) {
    char text[160];
    std::snprintf(text, sizeof text, pattern, a, b, c);
    return text;
}

std::string describe_navigation(const Simulation& sim, const NavigationTokens& t, GroundPoint at) {
    const std::uint32_t f = frequency_hundredths(sim.packed(t.frequency));
    std::string line = std::string(t.name) + format(" %.2f MHz: ", f / 100.0);
    const GroundStation* s = navigation_station_heard(f, at);
    if (s == nullptr) {
        return line + "no station heard";
    }
    line += s->ident;
    if (s->kind == GroundStation::Kind::Localizer) {
        line += format(" localizer %03.0f, %.1f nm, deviation %+.0f", s->course, distance_nm(at, s->position),
                       rounded(sim.number(t.deviation)));
        if (sim.number(t.glide_slope_valid) > 0.0) {
            line += format(", glide slope %+.0f", rounded(sim.number(t.glide_slope)));
        } else {
            line += ", no glide slope";
        }
        return line;
    }
    return line + format(" VOR, %.1f nm, relative bearing %.0f, deviation %+.0f", distance_nm(at, s->position),
                         rounded_bearing(sim.number(t.bearing)), rounded(sim.number(t.deviation))) +
           (sim.number(t.receiver) == 2.0 ? " (from)" : " (to)");
}

}  // namespace

std::uint32_t to_packed(std::uint32_t value) {
    std::uint32_t packed = 0;
    for (int shift = 0; shift < 32 && value != 0; shift += 4) {
        packed |= (value % 10) << shift;
        value /= 10;
    }
    return packed;
}

std::uint32_t from_packed(std::uint32_t packed) {
    std::uint32_t value = 0;
    for (int shift = 28; shift >= 0; shift -= 4) {
        value = value * 10 + ((packed >> shift) & 0xF);
    }
    return value;
}

std::uint32_t frequency_hundredths(std::uint32_t packed) { return whole_mhz(packed) * 100 + hundredths(packed); }

std::uint32_t adf_frequency_tenths(const Simulation& sim) {
    const std::uint32_t extended = sim.packed(ADF_EXTENDED);
    const std::uint32_t thousands = extended >= ADF_THOUSAND_FLAG ? 1 : 0;
    const std::uint32_t tenths = extended >= ADF_THOUSAND_FLAG ? extended - ADF_THOUSAND_FLAG : extended;
    return (thousands * 1000 + from_packed(sim.packed(ADF_KHZ))) * 10 + tenths;
}

void set_adf_frequency_tenths(Simulation& sim, std::uint32_t tenths_khz) {
    const std::uint32_t khz = tenths_khz / 10;
    sim.set_packed(ADF_KHZ, to_packed(khz % 1000));
    sim.set_packed(ADF_EXTENDED, (khz >= 1000 ? ADF_THOUSAND_FLAG : 0) + tenths_khz % 10);
}

std::uint32_t step_whole_mhz(std::uint32_t packed, int lowest, int highest, int by) {
    const int mhz = wrap(static_cast<int>(whole_mhz(packed)) + by, lowest, highest);
    return packed_frequency(static_cast<std::uint32_t>(mhz), hundredths(packed) % 100);
}

std::uint32_t step_channel(std::uint32_t packed, int spacing_khz, int by) {
    const int h = static_cast<int>(hundredths(packed));
    const int channels = 1000 / spacing_khz;
    auto shown = [&](int channel) { return channel * spacing_khz / 10; };
    int next = by > 0 ? 0 : channels - 1;  // wrapping when no channel lies beyond
    if (by > 0) {
        for (int c = 0; c < channels; ++c) {
            if (shown(c) > h) {
                next = c;
                break;
            }
        }
    } else {
        for (int c = channels - 1; c >= 0; --c) {
            if (shown(c) < h) {
                next = c;
                break;
            }
        }
    }
    return packed_frequency(whole_mhz(packed), static_cast<std::uint32_t>(shown(next)));
}

std::uint32_t step_adf_hundreds(std::uint32_t tenths_khz, int by) {
    const int hundreds = wrap(static_cast<int>(tenths_khz / 1000) + by, 1, 17);
    return static_cast<std::uint32_t>(hundreds) * 1000 + tenths_khz % 1000;
}

std::uint32_t step_adf_digit(std::uint32_t tenths_khz, std::uint32_t place_tenths, int by) {
    const int digit = static_cast<int>(tenths_khz / place_tenths % 10);
    const int stepped = wrap(digit + by, 0, 9);
    return tenths_khz - static_cast<std::uint32_t>(digit) * place_tenths +
           static_cast<std::uint32_t>(stepped) * place_tenths;
}

std::uint32_t step_squawk_digit(std::uint32_t packed_code, std::uint32_t place, int by) {
    int shift = 0;
    for (std::uint32_t p = place; p > 1; p /= 10) shift += 4;
    const int digit = static_cast<int>((packed_code >> shift) & 0xF);
    // A digit above 7 (never a squawk digit) counts as 7.
    const int stepped = wrap(std::min(digit, 7) + by, 0, 7);
    return (packed_code & ~(0xFu << shift)) | static_cast<std::uint32_t>(stepped) << shift;
}

NavigationReading navigation_reading(const GroundStation* station, GroundPoint at, double altitude_ft,
                                     double heading, double selected_course) {
    NavigationReading r;
    if (station == nullptr) {
        return r;
    }
    const double bearing = bearing_deg(at, station->position);
    if (station->kind == GroundStation::Kind::Localizer) {
        const double off_course = wrap180(bearing - station->course);
        if (std::fabs(off_course) > LOCALIZER_SECTOR) {
            return r;
        }
        r.receiver_state = 1;
        r.deviation = clamp_abs(off_course / LOCALIZER_FULL_SCALE * DEVIATION_LIMIT, DEVIATION_LIMIT);
        if (station->glide_slope) {
            glide_slope_reading(*station, at, altitude_ft, r);
        }
        return r;
    }
    // VOR: toward the station while the course lies within 90 degrees of its
    // bearing, from it otherwise; the needle shows where the course line is.
    const double off_course = wrap180(bearing - selected_course);
    const bool to = std::fabs(off_course) <= 90.0;
    const double error = to ? off_course : -wrap180(off_course - 180.0);
    r.receiver_state = to ? 1 : 2;
    r.deviation = clamp_abs(error / VOR_FULL_SCALE * DEVIATION_LIMIT, DEVIATION_LIMIT);
    r.station_flags = 0;
    r.relative_bearing = wrap360(bearing - heading);
    return r;
}

void install_radio_key_handlers(Simulation& simulation) {
    simulation.set_named(POSITION_EAST, std::nan(""), "nm");
    simulation.set_named(POSITION_NORTH, std::nan(""), "nm");
    for (const FrequencyEvents& e : FREQUENCY_EVENTS) {
        const UINT32 token = e.token;
        const int lowest = e.lowest, highest = e.highest, spacing = e.spacing_khz;
        simulation.on_key(e.whole_up, [=](Simulation& sim, UINT32) {
            sim.set_packed(token, step_whole_mhz(sim.packed(token), lowest, highest, 1));
        });
        simulation.on_key(e.whole_down, [=](Simulation& sim, UINT32) {
            sim.set_packed(token, step_whole_mhz(sim.packed(token), lowest, highest, -1));
        });
        simulation.on_key(e.fraction_up,
                          [=](Simulation& sim, UINT32) { sim.set_packed(token, step_channel(sim.packed(token), spacing, 1)); });
        simulation.on_key(e.fraction_down, [=](Simulation& sim, UINT32) {
            sim.set_packed(token, step_channel(sim.packed(token), spacing, -1));
        });
    }
    // ADF: hundreds with thousands, tens, units, tenths.
    const auto adf = [&simulation](UINT32 event, auto step) {
        simulation.on_key(event, [step](Simulation& sim, UINT32) {
            set_adf_frequency_tenths(sim, step(adf_frequency_tenths(sim)));
        });
    };
    adf(0x10070, [](std::uint32_t f) { return step_adf_hundreds(f, 1); });
    adf(0x10082, [](std::uint32_t f) { return step_adf_hundreds(f, -1); });
    adf(0x10071, [](std::uint32_t f) { return step_adf_digit(f, 100, 1); });
    adf(0x10083, [](std::uint32_t f) { return step_adf_digit(f, 100, -1); });
    adf(0x10072, [](std::uint32_t f) { return step_adf_digit(f, 10, 1); });
    adf(0x10084, [](std::uint32_t f) { return step_adf_digit(f, 10, -1); });
    adf(0x10396, [](std::uint32_t f) { return step_adf_digit(f, 1, 1); });
    adf(0x10395, [](std::uint32_t f) { return step_adf_digit(f, 1, -1); });
    simulation.on_key(0x10131, [](Simulation& sim, UINT32) { sim.set_number(ADF_TONE, 1.0); });
    simulation.on_key(0x1012C, [](Simulation& sim, UINT32) { sim.set_number(ADF_TONE, 0.0); });
    // Squawk digits, thousands to units.
    const UINT32 up[] = {0x10073, 0x10074, 0x10075, 0x10076};
    const UINT32 down[] = {0x10397, 0x10398, 0x10399, 0x1039A};
    std::uint32_t place = 1000;
    for (int i = 0; i < 4; ++i, place /= 10) {
        simulation.on_key(up[i], [place](Simulation& sim, UINT32) {
            sim.set_packed(SQUAWK, step_squawk_digit(sim.packed(SQUAWK), place, 1));
        });
        simulation.on_key(down[i], [place](Simulation& sim, UINT32) {
            sim.set_packed(SQUAWK, step_squawk_digit(sim.packed(SQUAWK), place, -1));
        });
    }
    // Course selectors: the knobs send the new course, 0..359.
    simulation.on_key(0x100B4, [](Simulation& sim, UINT32 course) { sim.set_number(NAV1.course, course % 360); });
    simulation.on_key(0x100B5, [](Simulation& sim, UINT32 course) { sim.set_number(NAV2.course, course % 360); });
}

void update_receivers(Simulation& sim) {
    GroundPoint at;
    if (!aircraft_position(sim, at)) {
        return;
    }
    const double altitude = sim.number(INDICATED_ALTITUDE);
    const double heading = sim.number(GYRO_HEADING);
    for (const NavigationTokens* t : {&NAV1, &NAV2}) {
        const GroundStation* s = navigation_station_heard(frequency_hundredths(sim.packed(t->frequency)), at);
        write(sim, *t, navigation_reading(s, at, altitude, heading, sim.number(t->course)));
    }
    const GroundStation* beacon = beacon_heard(adf_frequency_tenths(sim), at);
    sim.set_number(ADF_BEARING, beacon != nullptr ? wrap360(bearing_deg(at, beacon->position) - heading) : PARKED);
}

std::vector<std::string> describe_receivers(const Simulation& sim) {
    GroundPoint at;
    if (!aircraft_position(sim, at)) {
        return {"receivers: no aircraft position (set A:HOST POSITION EAST and NORTH)"};
    }
    std::vector<std::string> lines = {describe_navigation(sim, NAV1, at), describe_navigation(sim, NAV2, at)};
    const std::uint32_t f = adf_frequency_tenths(sim);
    std::string adf = format("ADF %.1f kHz: ", f / 10.0);
    if (const GroundStation* b = beacon_heard(f, at)) {
        adf += std::string(b->ident) +
               format(" beacon, %.1f nm, relative bearing %.0f", distance_nm(at, b->position),
                      rounded_bearing(sim.number(ADF_BEARING)));
    } else {
        adf += "no station heard";
    }
    lines.push_back(adf);
    return lines;
}

}  // namespace host
