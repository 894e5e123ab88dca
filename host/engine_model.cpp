#include "host/engine_model.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace host {

namespace {

// Inputs.
constexpr UINT32 ALTITUDE = 74;
constexpr UINT32 LEFT_TANK = 291;
constexpr UINT32 RIGHT_TANK = 297;
constexpr UINT32 DIVE_BRAKE_LEVER = 325;
constexpr UINT32 FLAP_SETTING = 329;
constexpr UINT32 GEAR_LEVER = 331;
constexpr UINT32 OUTSIDE_AIR = 341;
constexpr UINT32 COWL_FLAPS = 362;
constexpr UINT32 LEFT_MAGNETO = 399;
constexpr UINT32 RIGHT_MAGNETO = 400;
constexpr UINT32 STARTER = 401;
constexpr UINT32 THROTTLE = 558;
constexpr UINT32 PROPELLER = 559;
constexpr UINT32 MIXTURE = 560;
constexpr UINT32 BATTERY = 759;
constexpr UINT32 GENERATOR_SWITCH = 761;

// Outputs.
constexpr UINT32 SPEED_BRAKE = 326;
constexpr UINT32 FLAPS = 330;
constexpr UINT32 NOSE_GEAR = 332;
constexpr UINT32 LEFT_GEAR = 333;
constexpr UINT32 RIGHT_GEAR = 334;
constexpr UINT32 ENGINE_RUNNING = 364;
constexpr UINT32 ENGINE_RPM = 390;
constexpr UINT32 MANIFOLD = 391;
constexpr UINT32 CYLINDER_HEAD = 415;
constexpr UINT32 OIL_TEMPERATURE = 416;
constexpr UINT32 OIL_PRESSURE = 418;
constexpr UINT32 FUEL_PRESSURE = 425;
constexpr UINT32 GENERATOR_ACTIVE = 565;
constexpr UINT32 HYDRAULIC = 732;
constexpr UINT32 AMMETER = 751;
constexpr UINT32 BUS_VOLTS = 753;
constexpr UINT32 RADIO_ALTIMETER_VOLTS = 755;

constexpr UINT32 OUTPUTS[] = {SPEED_BRAKE,   FLAPS,         NOSE_GEAR,       LEFT_GEAR,    RIGHT_GEAR,
                              ENGINE_RUNNING, ENGINE_RPM,   MANIFOLD,        CYLINDER_HEAD, OIL_TEMPERATURE,
                              OIL_PRESSURE,  FUEL_PRESSURE, GENERATOR_ACTIVE, HYDRAULIC,    AMMETER,
                              BUS_VOLTS,     RADIO_ALTIMETER_VOLTS};

// Units of the variables.
constexpr double PSF_PER_PSI = 144.0;
constexpr double PSF_PER_INHG = 70.7328;
constexpr double FULL_TRAVEL = 16383.0;
constexpr double GEAR_DOWN_LEVER = 8192.0;

double rankine(double celsius) { return celsius * 1.8 + 491.67; }
double celsius(double rankine) { return (rankine - 491.67) / 1.8; }

// Standard atmosphere: pressure at an altitude in feet, inches of mercury.
double ambient_inhg(double feet) {
    double ratio = 1.0 - 6.8756e-6 * std::clamp(feet, -2000.0, 36000.0);
    return 29.92 * std::pow(ratio, 5.2559);
}

// First-order lag towards the target over one frame. A value within `snap`
// of its target has settled and stays as it is, so a system at rest stops
// changing.
double lag(double value, double target, double seconds, double snap) {
    if (!std::isfinite(value)) {
        return target;
    }
    if (std::fabs(target - value) < snap) {
        return value;
    }
    return value + (target - value) * (1.0 - std::exp(-1.0 / (FRAMES_PER_SECOND * seconds)));
}

// Constant-rate travel towards the target, full travel in `seconds`.
double travel(double value, double target, double seconds) {
    if (!std::isfinite(value)) {
        return target;
    }
    double step = FULL_TRAVEL / (seconds * FRAMES_PER_SECOND);
    return value < target ? std::min(target, value + step) : std::max(target, value - step);
}

class EngineModel {
public:
    // Owns every output as the simulation holds it now.
    explicit EngineModel(const Simulation& sim) { take_all(sim); }
    void step(Simulation& sim);

private:
    // What the model wrote last into each output it owns.
    struct Owned {
        double written;
        bool owned;
    };
    void take_all(const Simulation& sim);
    void release_changed(const Simulation& sim);
    void write(Simulation& sim, UINT32 token, double value);
    void write_carburetor(Simulation& sim, double value);
    double carburetor(const Simulation& sim) const;

    void engine(Simulation& sim);
    void electrics(Simulation& sim);
    void hydraulics(Simulation& sim);

    double switch_seen_ = 1.0;  // HOST ENGINE MODEL at the last step
    std::map<UINT32, Owned> outputs_;
    Owned carburetor_{0.0, false};
    double battery_deficit_ = 0.0;  // ammeter units x seconds drawn from the battery
    bool cranking_ = false;
};

double EngineModel::carburetor(const Simulation& sim) const {
    auto v = sim.named(CARBURETOR_TEMPERATURE);
    return v ? v->value : 0.0;
}

void EngineModel::take_all(const Simulation& sim) {
    for (UINT32 token : OUTPUTS) {
        outputs_[token] = {sim.number(token), true};
    }
    carburetor_ = {carburetor(sim), true};
}

// A value that differs from what the model wrote was set by someone else.
void EngineModel::release_changed(const Simulation& sim) {
    for (auto& [token, out] : outputs_) {
        if (out.owned && !(sim.number(token) == out.written)) {
            out.owned = false;
        }
    }
    if (carburetor_.owned && !(carburetor(sim) == carburetor_.written)) {
        carburetor_.owned = false;
    }
}

void EngineModel::write(Simulation& sim, UINT32 token, double value) {
    Owned& out = outputs_[token];
    if (out.owned) {
        sim.set_number(token, value);
        out.written = value;
    }
}

void EngineModel::write_carburetor(Simulation& sim, double value) {
    if (carburetor_.owned) {
        sim.set_named(CARBURETOR_TEMPERATURE, value, "celsius");
        carburetor_.written = value;
    }
}

void EngineModel::step(Simulation& sim) {
    auto setting = sim.named(ENGINE_MODEL);
    const double now = setting ? setting->value : 0.0;
    const bool changed = !(now == switch_seen_);
    switch_seen_ = now;
    if (!(now != 0.0)) {
        return;
    }
    // Switched on again, or to another value: the model takes every output
    // back from where it is.
    if (changed) {
        take_all(sim);
    } else {
        release_changed(sim);
    }
    engine(sim);
    electrics(sim);
    hydraulics(sim);
}

void EngineModel::engine(Simulation& sim) {
    const double throttle = std::clamp(sim.number(THROTTLE), 0.0, 1.0);
    const double propeller = std::clamp(sim.number(PROPELLER), 0.0, 1.0);
    const double mixture = std::clamp(sim.number(MIXTURE), 0.0, 1.0);
    const double cowl = std::clamp(sim.number(COWL_FLAPS), 0.0, 1.0);
    const double outside = sim.number(OUTSIDE_AIR);
    const bool left_magneto = sim.number(LEFT_MAGNETO) > 0.0;
    const bool right_magneto = sim.number(RIGHT_MAGNETO) > 0.0;
    const bool ignition = left_magneto || right_magneto;
    const bool fuel = mixture > 0.05 && sim.number(LEFT_TANK) + sim.number(RIGHT_TANK) > 0.0;
    cranking_ = sim.number(STARTER) > 0.0 && sim.number(BATTERY) > 0.0;

    double rpm = sim.number(ENGINE_RPM);
    bool running = sim.number(ENGINE_RUNNING) > 0.0;
    if (running && !(ignition && fuel)) {
        running = false;
    } else if (!running && cranking_ && ignition && fuel && rpm >= CATCH_RPM) {
        running = true;
    }
    write(sim, ENGINE_RUNNING, running ? 1.0 : 0.0);
    running = sim.number(ENGINE_RUNNING) > 0.0;

    double rpm_target = 0.0;
    double rpm_seconds = 1.5;
    if (running) {
        rpm_target = IDLE_RPM + (FULL_THROTTLE_RPM - IDLE_RPM) * throttle;
        rpm_target = std::min(rpm_target, 1800.0 + 900.0 * propeller);  // the governor's limit
        rpm_target *= std::min(1.0, 0.6 + 0.8 * mixture);                // lean: rough and slow
        if (left_magneto != right_magneto) {
            rpm_target *= 0.96;  // one magneto: the mag drop
        }
        rpm_seconds = 1.0;
    } else if (cranking_) {
        rpm_target = CRANKING_RPM;
        rpm_seconds = 0.6;
    }
    write(sim, ENGINE_RPM, lag(rpm, rpm_target, rpm_seconds, 0.5));
    rpm = sim.number(ENGINE_RPM);

    // Manifold pressure: ambient with the engine stopped, pulled down by
    // the turning engine; a supercharger gives up to 40 inHg at full throttle.
    const double ambient = ambient_inhg(sim.number(ALTITUDE));
    double manifold = running ? (15.0 + 25.0 * throttle) * ambient / 29.92
                              : ambient - std::min(1.0, rpm / IDLE_RPM) * (ambient - 15.0);
    write(sim, MANIFOLD, lag(sim.number(MANIFOLD), manifold * PSF_PER_INHG, 0.5, 0.5));

    // Oil pressure with engine speed, higher while the oil is cold.
    const double oil_c = celsius(sim.number(OIL_TEMPERATURE));
    double oil_psi = rpm < IDLE_RPM ? rpm * 0.075 : 60.0 + (rpm - IDLE_RPM) * 0.0125;
    oil_psi = std::min(100.0, oil_psi * (1.0 + std::max(0.0, 60.0 - oil_c) * 0.004));
    write(sim, OIL_PRESSURE, lag(sim.number(OIL_PRESSURE), oil_psi * PSF_PER_PSI, 1.2, 0.5));

    // The engine-driven fuel pump.
    const double fuel_psi = std::min(20.0, rpm / 25.0);
    write(sim, FUEL_PRESSURE, lag(sim.number(FUEL_PRESSURE), fuel_psi * PSF_PER_PSI, 0.8, 0.5));

    // Temperatures rise to their running values, and cool to the outside
    // air when the engine stops.
    double oil_target = running ? 60.0 + 30.0 * throttle - 10.0 * cowl : outside;
    write(sim, OIL_TEMPERATURE,
          lag(sim.number(OIL_TEMPERATURE), rankine(oil_target), running ? 45.0 : 120.0, 0.01));
    double head_target = running ? 150.0 + 80.0 * throttle - 30.0 * cowl + 40.0 * (1.0 - mixture) : outside;
    write(sim, CYLINDER_HEAD,
          lag(sim.number(CYLINDER_HEAD), rankine(head_target), running ? 15.0 : 90.0, 0.01));
    // The venturi cools the carburettor air, less so with the throttle open.
    double carburetor_target = running ? outside - 10.0 + 6.0 * throttle : outside;
    write_carburetor(sim, lag(carburetor(sim), carburetor_target, 4.0, 0.01));
}

void EngineModel::electrics(Simulation& sim) {
    const bool battery = sim.number(BATTERY) > 0.0;
    const bool running = sim.number(ENGINE_RUNNING) > 0.0;
    const bool generator = sim.number(GENERATOR_SWITCH) > 0.0 && running && sim.number(ENGINE_RPM) >= GENERATOR_RPM;
    write(sim, GENERATOR_ACTIVE, generator ? 1.0 : 0.0);
    const bool charging = sim.number(GENERATOR_ACTIVE) > 0.0;

    double volts = 0.0;
    if (charging) {
        volts = 28.0;
    } else if (battery) {
        volts = cranking_ ? 18.5 : 24.0;
    }
    write(sim, BUS_VOLTS, lag(sim.number(BUS_VOLTS), volts, 0.3, 0.01));
    write(sim, RADIO_ALTIMETER_VOLTS, lag(sim.number(RADIO_ALTIMETER_VOLTS), volts, 0.3, 0.01));

    // The ammeter shows the battery's current on its -10..+10 scale: the
    // loads while the battery alone feeds the bus (the starter drives it off
    // the low end), then a charge that tapers off as the battery fills.
    double ammeter = 0.0;
    const double dt = 1.0 / FRAMES_PER_SECOND;
    if (battery && charging) {
        ammeter = std::min(8.0, battery_deficit_ * 0.1);
        battery_deficit_ = std::max(0.0, battery_deficit_ - ammeter * dt);
    } else if (battery) {
        struct Load {
            UINT32 token;
            double draw;
        };
        static const Load loads[] = {{10, 0.5}, {11, 0.8}, {13, 1.5}, {14, 2.0},
                                     {368, 0.5}, {369, 1.0}, {619, 0.5}, {740, 1.0}};
        double draw = 1.0;
        for (const Load& l : loads) {
            if (sim.number(l.token) > 0.0) draw += l.draw;
        }
        if (cranking_) draw += 14.0;
        ammeter = -draw;
        battery_deficit_ += draw * dt;
    }
    write(sim, AMMETER, lag(sim.number(AMMETER), ammeter, 0.25, 0.005));
}

void EngineModel::hydraulics(Simulation& sim) {
    struct Leg {
        UINT32 token;
        double target;
        double seconds;
    };
    const double gear_target = sim.number(GEAR_LEVER) > GEAR_DOWN_LEVER ? FULL_TRAVEL : 0.0;
    const Leg legs[] = {
        {NOSE_GEAR, gear_target, NOSE_GEAR_SECONDS},
        {LEFT_GEAR, gear_target, LEFT_GEAR_SECONDS},
        {RIGHT_GEAR, gear_target, RIGHT_GEAR_SECONDS},
        {FLAPS, std::clamp(sim.number(FLAP_SETTING), 0.0, FULL_TRAVEL), FLAP_SECONDS},
        {SPEED_BRAKE, std::clamp(sim.number(DIVE_BRAKE_LEVER), 0.0, FULL_TRAVEL), SPEED_BRAKE_SECONDS},
    };
    const double pressure_psi = sim.number(HYDRAULIC) / PSF_PER_PSI;
    bool moving = false;
    if (pressure_psi > HYDRAULIC_WORKING_PSI) {
        for (const Leg& leg : legs) {
            double now = sim.number(leg.token);
            if (outputs_[leg.token].owned && now != leg.target) {
                moving = true;
                write(sim, leg.token, travel(now, leg.target, leg.seconds));
            }
        }
    }
    // The engine-driven pump; moving gear draws the pressure down a little,
    // and a stopped engine lets it bleed away slowly.
    const bool running = sim.number(ENGINE_RUNNING) > 0.0;
    double target_psi = running ? std::min(2000.0, sim.number(ENGINE_RPM) * 2.5) : 0.0;
    if (moving) target_psi -= 400.0;
    double seconds = target_psi >= pressure_psi || running ? 1.5 : 20.0;
    write(sim, HYDRAULIC, lag(sim.number(HYDRAULIC), target_psi * PSF_PER_PSI, seconds, 1.0));
}

}  // namespace

void install_engine_model(Simulation& simulation) {
    simulation.set_named(ENGINE_MODEL, 1.0, "bool");
    simulation.add_frame_model([model = EngineModel(simulation)](Simulation& sim) mutable { model.step(sim); });
    simulation.on_key(EVENT_GEAR_TOGGLE, [](Simulation& sim, UINT32) {
        sim.set_number(GEAR_LEVER, sim.number(GEAR_LEVER) > GEAR_DOWN_LEVER ? 0.0 : FULL_TRAVEL);
    });
}

}  // namespace host
