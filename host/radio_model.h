// The simulation's radios: tuning by the heads' key events the way the real
// sets tune (whole MHz and channel steps with wrap-around, ADF digits,
// squawk digits 0 to 7), the course selectors and the ADF tone, and the
// receivers' outputs from the ground stations at the aircraft's position.
// See docs/host-conventions.md.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/ground_stations.h"
#include "host/simulation.h"

namespace host {

// The aircraft's position, nm east and north of the runway 27 threshold.
// Not a number at the start: until a scenario gives a position the
// receivers leave their variables to the scenario.
inline constexpr const char* POSITION_EAST = "HOST POSITION EAST";
inline constexpr const char* POSITION_NORTH = "HOST POSITION NORTH";

// Packed decimal: 1234 <-> 0x1234. Reading counts a nibble above 9 as its
// value.
std::uint32_t to_packed(std::uint32_t value);
std::uint32_t from_packed(std::uint32_t packed);

// A COM or NAV token's frequency in hundredths of a MHz: 0x1030 -> 11030.
std::uint32_t frequency_hundredths(std::uint32_t packed);
// The ADF frequency in tenths of a kHz from tokens 16 and 18, and back.
std::uint32_t adf_frequency_tenths(const Simulation& simulation);
void set_adf_frequency_tenths(Simulation& simulation, std::uint32_t tenths_khz);

// Tuning steps on a packed COM or NAV value (`by` is +1 or -1).
// Whole MHz wrap within lowest..highest, the fraction keeps the MHz.
std::uint32_t step_whole_mhz(std::uint32_t packed, int lowest, int highest, int by);
// Channels `spacing_khz` apart (25 COM, 50 NAV), shown in hundredths:
// 118.025 shows as .02, so .00 .02 .05 .07 .10 ... .97, wrapping.
std::uint32_t step_channel(std::uint32_t packed, int spacing_khz, int by);
// ADF in tenths of a kHz, 100.0 to 1799.9: the hundreds (with the thousands)
// wrap 1..17, tens, units and tenths wrap 0..9 on their own.
std::uint32_t step_adf_hundreds(std::uint32_t tenths_khz, int by);
std::uint32_t step_adf_digit(std::uint32_t tenths_khz, std::uint32_t place_tenths, int by);
// Squawk digit at `place` (1000, 100, 10, 1) on a packed code, 0..7 wrapping.
std::uint32_t step_squawk_digit(std::uint32_t packed_code, std::uint32_t place, int by);

// What a navigation receiver shows for a station (or none) heard from a
// point at an altitude (feet), with the aircraft's heading and the selected
// course in degrees.
struct NavigationReading {
    double receiver_state = 0;   // 0 no signal, 1 to, 2 from (localizer: 1)
    double deviation = 0;        // -127 (course far left) .. +127 (far right)
    double glide_slope = 0;      // -119 (path far above) .. +119 (far below)
    double glide_slope_valid = 0;
    double station_flags = 0x80; // 0x80: no bearing
    double relative_bearing = 90;  // clockwise from the nose; 90 without a bearing
};
NavigationReading navigation_reading(const GroundStation* station, GroundPoint at, double altitude_ft,
                                     double heading, double selected_course);

void install_radio_key_handlers(Simulation& simulation);
// Writes the NAV1, NAV2 and ADF receivers' variables from the stations
// heard at the aircraft's position; nothing while the position is unknown.
void update_receivers(Simulation& simulation);
// One line per receiver: frequency, station heard and what it shows.
std::vector<std::string> describe_receivers(const Simulation& simulation);

}  // namespace host
