#include "host/controls_model.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace host {

namespace {

// Tokens.
constexpr UINT32 LEFT_MAGNETO = 399;
constexpr UINT32 RIGHT_MAGNETO = 400;
constexpr UINT32 STARTER = 401;
constexpr UINT32 PRIMER = 361;
constexpr UINT32 COWL_FLAPS = 362;
constexpr UINT32 THROTTLE = 558;
constexpr UINT32 PROPELLER = 559;
constexpr UINT32 MIXTURE = 560;
constexpr UINT32 DIVE_BRAKE_LEVER = 325;
constexpr UINT32 FLAP_SETTING = 329;
constexpr UINT32 PITCH_TRIM = 783;
constexpr UINT32 AILERON_TRIM = 785;
constexpr UINT32 RUDDER_TRIM = 787;
constexpr UINT32 CANOPY = 868;
constexpr UINT32 TAIL_HOOK = 869;

constexpr double PI = 3.14159265358979323846;
constexpr int MAGNETO_BOTH = 3;

double radians(double degrees) { return degrees * PI / 180.0; }

double finite_or(double value, double otherwise) { return std::isfinite(value) ? value : otherwise; }

// A variable that moves towards a wanted value at a fixed rate once an
// event sets it going, and stops there.
struct Travel {
    UINT32 token;
    double per_frame;
    bool moving = false;
    double wanted = 0.0;

    void go_to(double value) {
        wanted = value;
        moving = true;
    }
    void step(Simulation& sim) {
        if (!moving) {
            return;
        }
        const double now = sim.number(token);
        const double gap = wanted - now;
        if (!std::isfinite(now) || std::fabs(gap) <= per_frame) {
            sim.set_number(token, wanted);
            moving = false;
        } else {
            sim.set_number(token, now + std::copysign(per_frame, gap));
        }
    }
};

// A control that stays engaged for a while after each event.
struct Hold {
    UINT32 token;
    long frames;
    long left = 0;

    void engage(Simulation& sim) {
        sim.set_number(token, 1.0);
        left = frames;
    }
    void step(Simulation& sim) {
        if (left > 0 && --left == 0) {
            sim.set_number(token, 0.0);
        }
    }
};

struct ControlsState {
    Hold starter{STARTER, STARTER_HOLD_FRAMES};
    Hold primer{PRIMER, PRIMER_HOLD_FRAMES};
    Travel cowl_flaps{COWL_FLAPS, COWL_FLAP_RATE / FRAMES_PER_SECOND};
    Travel canopy{CANOPY, 1.0 / CANOPY_TRAVEL_SECONDS / FRAMES_PER_SECOND};
    Travel tail_hook{TAIL_HOOK, 1.0 / TAIL_HOOK_TRAVEL_SECONDS / FRAMES_PER_SECOND};

    void step(Simulation& sim) {
        starter.step(sim);
        primer.step(sim);
        cowl_flaps.step(sim);
        canopy.step(sim);
        tail_hook.step(sim);
    }
};

// Selector 0 OFF, 1 R, 2 L, 3 BOTH, from the two magneto switches.
void step_magnetos(Simulation& sim, int by) {
    const int left = sim.number(LEFT_MAGNETO) > 0.0 ? 2 : 0;
    const int right = sim.number(RIGHT_MAGNETO) > 0.0 ? 1 : 0;
    const int selector = std::clamp(left + right + by, 0, MAGNETO_BOTH);
    sim.set_number(LEFT_MAGNETO, selector >= 2 ? 1.0 : 0.0);
    sim.set_number(RIGHT_MAGNETO, selector % 2 == 1 ? 1.0 : 0.0);
}

// The event value is the lever at 0..16384, read as signed 32 bits.
void set_lever(Simulation& sim, UINT32 token, UINT32 value) {
    const double axis = std::clamp(static_cast<double>(static_cast<SINT32>(value)), 0.0, LEVER_AXIS_FULL);
    sim.set_number(token, axis / LEVER_AXIS_FULL);
}

// The speed brake and the flaps follow their levers hydraulically: the
// engine model moves them.
void set_dive_brake(Simulation& sim, double lever) { sim.set_number(DIVE_BRAKE_LEVER, lever); }

// The next notch beyond the lever in the given direction; a lever between
// notches goes to the nearest one that way, one not a number to UP.
double next_flap_notch(double lever, int direction) {
    constexpr double tolerance = 0.5;
    lever = finite_or(lever, FLAP_NOTCHES[0]);
    if (direction > 0) {
        for (double notch : FLAP_NOTCHES) {
            if (notch > lever + tolerance) return notch;
        }
        return std::end(FLAP_NOTCHES)[-1];
    }
    for (auto n = std::rbegin(FLAP_NOTCHES); n != std::rend(FLAP_NOTCHES); ++n) {
        if (*n < lever - tolerance) return *n;
    }
    return FLAP_NOTCHES[0];
}

void step_flaps(Simulation& sim, int direction) {
    sim.set_number(FLAP_SETTING, next_flap_notch(sim.number(FLAP_SETTING), direction));
}

void step_cowl_flaps(Simulation& sim, ControlsState& state, double by) {
    const double from = state.cowl_flaps.moving ? state.cowl_flaps.wanted : finite_or(sim.number(COWL_FLAPS), 0.0);
    state.cowl_flaps.go_to(std::clamp(from + by, 0.0, 1.0));
}

// A trim that is not a number starts again from neutral.
void step_trim(Simulation& sim, UINT32 token, double step_degrees, double limit_degrees) {
    const double limit = radians(limit_degrees);
    const double trim = finite_or(sim.number(token), 0.0) + radians(step_degrees);
    sim.set_number(token, std::clamp(trim, -limit, limit));
}

// A part at rest goes to the end it is farther from; a moving one turns back.
void toggle_travel(Simulation& sim, Travel& travel) {
    if (travel.moving) {
        travel.go_to(1.0 - travel.wanted);
    } else {
        travel.go_to(finite_or(sim.number(travel.token), 0.0) >= 0.5 ? 0.0 : 1.0);
    }
}

}  // namespace

void install_controls_model(Simulation& simulation) {
    auto state = std::make_shared<ControlsState>();
    simulation.add_frame_model([state](Simulation& sim) { state->step(sim); });

    simulation.on_key(EVENT_MAGNETO_TOWARDS_BOTH, [](Simulation& sim, UINT32) { step_magnetos(sim, 1); });
    simulation.on_key(EVENT_MAGNETO_TOWARDS_OFF, [](Simulation& sim, UINT32) { step_magnetos(sim, -1); });
    simulation.on_key(EVENT_STARTER, [state](Simulation& sim, UINT32) { state->starter.engage(sim); });
    simulation.on_key(EVENT_PRIMER, [state](Simulation& sim, UINT32) { state->primer.engage(sim); });
    simulation.on_key(EVENT_COWL_FLAPS_OPEN,
                      [state](Simulation& sim, UINT32) { step_cowl_flaps(sim, *state, COWL_FLAP_STEP); });
    simulation.on_key(EVENT_COWL_FLAPS_CLOSE,
                      [state](Simulation& sim, UINT32) { step_cowl_flaps(sim, *state, -COWL_FLAP_STEP); });

    simulation.on_key(EVENT_THROTTLE_SET, [](Simulation& sim, UINT32 value) { set_lever(sim, THROTTLE, value); });
    simulation.on_key(EVENT_PROPELLER_SET, [](Simulation& sim, UINT32 value) { set_lever(sim, PROPELLER, value); });
    simulation.on_key(EVENT_MIXTURE_SET, [](Simulation& sim, UINT32 value) { set_lever(sim, MIXTURE, value); });

    simulation.on_key(EVENT_DIVE_BRAKE_MIDDLE_TO_ON,
                      [](Simulation& sim, UINT32) { set_dive_brake(sim, DIVE_BRAKE_ON); });
    simulation.on_key(EVENT_DIVE_BRAKE_MIDDLE_TO_OFF,
                      [](Simulation& sim, UINT32) { set_dive_brake(sim, 0.0); });
    simulation.on_key(EVENT_DIVE_BRAKE_SET, [](Simulation& sim, UINT32 value) {
        const double lever = std::clamp(static_cast<double>(static_cast<SINT32>(value)), 0.0, DIVE_BRAKE_ON);
        set_dive_brake(sim, lever);
    });
    simulation.on_key(EVENT_FLAPS_DOWN, [](Simulation& sim, UINT32) { step_flaps(sim, 1); });
    simulation.on_key(EVENT_FLAPS_UP, [](Simulation& sim, UINT32) { step_flaps(sim, -1); });

    struct Trim {
        UINT32 event;
        UINT32 token;
        double step;
        double limit;
    };
    const Trim trims[] = {
        {EVENT_PITCH_TRIM_NOSE_DOWN, PITCH_TRIM, -PITCH_TRIM_STEP_DEGREES, PITCH_TRIM_LIMIT_DEGREES},
        {EVENT_PITCH_TRIM_NOSE_UP, PITCH_TRIM, PITCH_TRIM_STEP_DEGREES, PITCH_TRIM_LIMIT_DEGREES},
        {EVENT_AILERON_TRIM_LEFT, AILERON_TRIM, -AILERON_TRIM_STEP_DEGREES, AILERON_TRIM_LIMIT_DEGREES},
        {EVENT_AILERON_TRIM_RIGHT, AILERON_TRIM, AILERON_TRIM_STEP_DEGREES, AILERON_TRIM_LIMIT_DEGREES},
        {EVENT_RUDDER_TRIM_LEFT, RUDDER_TRIM, -RUDDER_TRIM_STEP_DEGREES, RUDDER_TRIM_LIMIT_DEGREES},
        {EVENT_RUDDER_TRIM_RIGHT, RUDDER_TRIM, RUDDER_TRIM_STEP_DEGREES, RUDDER_TRIM_LIMIT_DEGREES},
    };
    for (const Trim& t : trims) {
        simulation.on_key(t.event, [t](Simulation& sim, UINT32) { step_trim(sim, t.token, t.step, t.limit); });
    }

    simulation.on_key(EVENT_CANOPY_TOGGLE, [state](Simulation& sim, UINT32) { toggle_travel(sim, state->canopy); });
    simulation.on_key(EVENT_TAIL_HOOK_TOGGLE,
                      [state](Simulation& sim, UINT32) { toggle_travel(sim, state->tail_hook); });
}

}  // namespace host
