#include "host/render/lighting.h"

#include <algorithm>
#include <cmath>

#include "frame/host_types.h"

namespace host::render {

namespace {

constexpr double AMBIENT_NIGHT = 0.16;
constexpr Light FLOOD{0.42, 0.36, 0.27};       // panel lights on the panel's paint, warm
constexpr Light INSTRUMENT{0.72, 0.69, 0.62};  // panel lights on every part of a gauge
constexpr Light GLOW{0.80, 0.95, 0.82};        // luminous paint in the dark
constexpr Light BACKLIGHT{1.00, 0.97, 0.90};   // luminous parts lit from behind by the panel lights
constexpr double GLOW_WITHOUT_PANEL_LIGHTS = 0.6;
constexpr double UNLIT_READOUT = 0.45;  // a readout whose backlight is off
constexpr double NIGHT_SATURATION = 0.65;      // what is left of a colour's saturation by night

Light max_of(Light a, Light b) { return {std::max(a.r, b.r), std::max(a.g, b.g), std::max(a.b, b.b)}; }
Light scaled(Light a, double f) { return {a.r * f, a.g * f, a.b * f}; }

}  // namespace

double Lighting::daylight_at(double seconds) {
    if (!std::isfinite(seconds)) return 1.0;
    double hours = std::fmod(seconds, 86400.0) / 3600.0;
    if (hours < 0) hours += 24.0;
    if (hours < 5.0 || hours >= 20.0) return 0.0;
    if (hours < 7.0) return (hours - 5.0) / 2.0;
    if (hours <= 18.0) return 1.0;
    return (20.0 - hours) / 2.0;
}

Lighting Lighting::from(const Simulation& simulation) {
    Lighting l;
    l.daylight = daylight_at(simulation.number(TOKEN_TIME_OF_DAY));
    l.panel_lights = simulation.number(TOKEN_PANEL_LIGHTS) != 0.0;
    return l;
}

Light Lighting::ambient() const {
    const double level = daylight + AMBIENT_NIGHT * (1.0 - daylight);
    Light light{level, level, level};
    if (panel_lights) light = max_of(light, scaled(FLOOD, 1.0 - daylight));
    light.saturation = saturation();
    return light;
}

double Lighting::saturation() const { return 1.0 - (1.0 - NIGHT_SATURATION) * (1.0 - daylight); }

Light Lighting::element(std::uint32_t flags) const {
    if ((flags & IMAGE_SELF_LIT) != 0) return Light{};  // lamps and displays make their own light
    const double night = 1.0 - daylight;
    Light light = ambient();
    // The panel lights light every part of a gauge, reference marks on the
    // glass included; luminous parts are lit from behind, brighter still.
    if (panel_lights) light = max_of(light, scaled(INSTRUMENT, night));
    if ((flags & IMAGE_LUMINOUS) != 0) {
        light = max_of(light, panel_lights ? scaled(BACKLIGHT, night) : scaled(GLOW, night * GLOW_WITHOUT_PANEL_LIGHTS));
    }
    light.saturation = saturation();
    return light;
}

Light Lighting::element(std::uint32_t flags, std::uint32_t kind) const {
    const bool readout = kind == ELEMENT_TYPE_MOVING_IMAGE || kind == ELEMENT_TYPE_ICON;
    const bool unlit = (flags & IMAGE_SMOOTHED) != 0 && (flags & (IMAGE_LUMINOUS | IMAGE_SELF_LIT)) == 0;
    return readout && unlit ? scaled(element(flags), UNLIT_READOUT) : element(flags);
}

}  // namespace host::render
