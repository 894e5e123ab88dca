#include "host/flight_models.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// Tokens.
constexpr UINT32 INDICATED_ALTITUDE = 74;
constexpr UINT32 SETTING_MB = 75;
constexpr UINT32 SETTING_INHG = 76;
constexpr UINT32 MINIATURE_AIRCRAFT = 612;
constexpr UINT32 DESIRED_HEADING = 855;
constexpr UINT32 DME_SOURCE = 355;

double named_value(const Simulation& sim, const char* name) {
    auto v = sim.named(name);
    return v ? v->value : 0.0;
}

void toggle_named(Simulation& sim, const char* name) {
    sim.set_named(name, named_value(sim, name) > 0.0 ? 0.0 : 1.0);
}

void move_seat(Simulation& sim, double by) {
    double h = std::clamp(named_value(sim, SEAT_HEIGHT) + by, -SEAT_LIMIT_CM, SEAT_LIMIT_CM);
    sim.set_named(SEAT_HEIGHT, h);
}

// A view a scenario set outside 0..7 is first taken modulo 8 (its whole
// part; a non-finite one as 0), so no value overflows the turn.
void turn_view(Simulation& sim, int by) {
    const double set = named_value(sim, VIEW_DIRECTION);
    const int v = std::isfinite(set) ? static_cast<int>(std::fmod(std::trunc(set), VIEW_COUNT)) : 0;
    sim.set_named(VIEW_DIRECTION, (((v + by) % VIEW_COUNT) + VIEW_COUNT) % VIEW_COUNT);
}

void step_altimeter(Simulation& sim, int steps) {
    // Whole hundredths, so that repeated steps do not drift.
    double hundredths = std::round(sim.number(SETTING_INHG) / ALTIMETER_STEP_INHG) + steps;
    set_altimeter_setting(sim, hundredths * ALTIMETER_STEP_INHG);
}

void move_miniature_aircraft(Simulation& sim, double by) {
    double h = std::clamp(sim.number(MINIATURE_AIRCRAFT) + by, -MINIATURE_AIRCRAFT_LIMIT, MINIATURE_AIRCRAFT_LIMIT);
    sim.set_number(MINIATURE_AIRCRAFT, h);
}

}  // namespace

void set_altimeter_setting(Simulation& sim, double inches) {
    double old = sim.number(SETTING_INHG);
    double now = std::clamp(inches, ALTIMETER_MIN_INHG, ALTIMETER_MAX_INHG);
    sim.set_number(SETTING_INHG, now);
    sim.set_number(SETTING_MB, now * MILLIBARS_PER_INHG);
    sim.set_number(INDICATED_ALTITUDE, sim.number(INDICATED_ALTITUDE) + (now - old) * FEET_PER_INHG);
}

void install_cockpit_key_handlers(Simulation& simulation) {
    simulation.set_named(SEAT_HEIGHT, 0.0, "centimetres");
    simulation.set_named(VIEW_DIRECTION, 0.0, "number");
    simulation.set_named(MAP_WINDOW, 0.0, "bool");
    simulation.set_named(KNEEBOARD_WINDOW, 0.0, "bool");
    simulation.set_named(ATC_WINDOW, 0.0, "bool");

    simulation.on_key(EVENT_SEAT_UP, [](Simulation& sim, UINT32) { move_seat(sim, SEAT_STEP_CM); });
    simulation.on_key(EVENT_SEAT_DOWN, [](Simulation& sim, UINT32) { move_seat(sim, -SEAT_STEP_CM); });
    simulation.on_key(EVENT_VIEW_RESET, [](Simulation& sim, UINT32) { sim.set_named(VIEW_DIRECTION, 0.0); });
    simulation.on_key(EVENT_VIEW_NEXT, [](Simulation& sim, UINT32) { turn_view(sim, 1); });
    simulation.on_key(EVENT_VIEW_PREVIOUS, [](Simulation& sim, UINT32) { turn_view(sim, -1); });
    simulation.on_key(EVENT_MAP_WINDOW, [](Simulation& sim, UINT32) { toggle_named(sim, MAP_WINDOW); });
    simulation.on_key(EVENT_KNEEBOARD_WINDOW, [](Simulation& sim, UINT32) { toggle_named(sim, KNEEBOARD_WINDOW); });
    simulation.on_key(EVENT_ATC_WINDOW, [](Simulation& sim, UINT32) { toggle_named(sim, ATC_WINDOW); });
}

void install_flight_instrument_key_handlers(Simulation& simulation) {
    simulation.on_key(EVENT_ALTIMETER_UP, [](Simulation& sim, UINT32) { step_altimeter(sim, 1); });
    simulation.on_key(EVENT_ALTIMETER_DOWN, [](Simulation& sim, UINT32) { step_altimeter(sim, -1); });
    simulation.on_key(EVENT_MINIATURE_AIRCRAFT_UP, [](Simulation& sim, UINT32) { move_miniature_aircraft(sim, 1.0); });
    simulation.on_key(EVENT_MINIATURE_AIRCRAFT_DOWN,
                      [](Simulation& sim, UINT32) { move_miniature_aircraft(sim, -1.0); });
    // The knob sends the new desired heading, 0..359.
    simulation.on_key(EVENT_DESIRED_HEADING_SET,
                      [](Simulation& sim, UINT32 heading) { sim.set_number(DESIRED_HEADING, heading % 360); });
    simulation.on_key(EVENT_DME_SOURCE_SWAP, [](Simulation& sim, UINT32) {
        sim.set_number(DME_SOURCE, sim.number(DME_SOURCE) == 1.0 ? 2.0 : 1.0);
    });
}

}  // namespace host
