// Cockpit light from the time of day and the panel-lights switch.
//
// Daylight is full from 07:00 to 18:00, none from 20:00 to 05:00, and ramps
// linearly in between. Ambient light dims everything as daylight goes, and
// colours lose saturation with it. The panel lights add a warm flood to the
// panel's paint and light every part of the gauges, so that everything a
// pilot reads stays readable. Elements with the luminous bit (0x4000) are lit
// from behind: they glow in the dark and are brighter than the rest under
// the panel lights, so the digits of a radio head switched off (its
// callbacks clear 0x4000) go dim. Elements with the self-lit bit (0x4), lamps
// and LED displays, make their own light and are drawn as they are at any
// time of day.
#pragma once

#include <cstdint>

#include "host/render/bitmap_store.h"
#include "host/simulation.h"

namespace host::render {

constexpr std::uint32_t TOKEN_PANEL_LIGHTS = 10;
constexpr std::uint32_t TOKEN_TIME_OF_DAY = 557;

struct Lighting {
    double daylight = 1.0;  // 0 night .. 1 day
    bool panel_lights = false;

    static Lighting from(const Simulation& simulation);
    static double daylight_at(double seconds_since_midnight);

    // The light on the panel itself (window backgrounds, unlit elements).
    Light ambient() const;
    // The light an element with these image flags is drawn under.
    Light element(std::uint32_t image_flags) const;
    // The same for an element of a kind: readouts lit from behind (moving
    // images and icons drawn smoothed, 0x80: the radio digits) are dark
    // without the luminous bit by day as well, since their backlight is off.
    Light element(std::uint32_t image_flags, std::uint32_t kind) const;
    // The share of their saturation that colours keep: 1 by day.
    double saturation() const;

    friend bool operator==(const Lighting&, const Lighting&) = default;
};

}  // namespace host::render
