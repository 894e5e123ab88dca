#include "host/viewer/flight_controls.h"

#include <algorithm>
#include <cmath>

#include "host/engine_model.h"

namespace host::viewer {

namespace {

// Tokens the model writes (docs/host-conventions.md).
constexpr UINT32 AIRSPEED = 61, VERTICAL_SPEED = 65, BALL = 69, TURN_RATE = 70, ALTITUDE = 74, PITCH = 78,
                 BANK = 80, COMPASS_HEADING = 83, GYRO_HEADING = 84, LOAD_FACTOR = 351, TIME_OF_DAY = 557,
                 RADIO_HEIGHT = 614;
// The levers it moves through their key events (the controls and engine
// models' own), and what it reads of the engine and systems model's outputs
// (which it never writes).
constexpr UINT32 FLAP_SETTING = 329, FLAP_POSITION = 330, GEAR_LEVER = 331, GEAR_LEFT = 333, ENGINE_RUNNING = 364,
                 ENGINE_RPM = 390, THROTTLE = 558;
constexpr double FULL = 16383.0;  // gear and flap travel
constexpr double DAY = 86400.0;
constexpr double PI = 3.14159265358979323846;
constexpr double FEET_PER_METRE = 3.28084;
constexpr double FPM_PER_KNOT = 101.269;       // feet per minute in a knot
constexpr double VS_UNITS_PER_FPM = 0.00508 * 256.0;  // token 65: metres per second x 256
constexpr double TURN_UNITS_PER_DEGREE_S = 384.0;     // token 70: standard rate (3 deg/s) is 4.5 x 256
constexpr double G_UNITS = 624.0;                      // token 351: g x 624
constexpr double DT = 1.0 / FRAMES_PER_SECOND;

// The lever's notch nearest to its setting.
int notch_of(const Simulation& s) {
    int nearest = 0;
    for (int i = 1; i <= FLAP_STEPS; ++i) {
        if (std::fabs(s.number(FLAP_SETTING) - FLAP_NOTCHES[i]) < std::fabs(s.number(FLAP_SETTING) - FLAP_NOTCHES[nearest])) {
            nearest = i;
        }
    }
    return nearest;
}

double rad(double degrees) { return degrees * PI / 180.0; }
double wrap(double v, double period) {
    v = std::fmod(v, period);
    return v < 0 ? v + period : v;
}
// Moves `value` towards `target` by at most `step`.
double towards(double value, double target, double step) {
    return value < target ? std::min(target, value + step) : std::max(target, value - step);
}
// First-order lag with time constant `tau` seconds.
double lag(double value, double target, double tau) { return value + (target - value) * std::min(1.0, DT / tau); }

}  // namespace

// Sends a key event as the pilot's own input (as a scenario's `key` does);
// where no handler takes it, `otherwise` does its work.
template <typename F>
void FlightControls::send(Simulation& s, UINT32 event, UINT32 value, F otherwise) {
    if (s.has_handler(event)) {
        if (on_event) on_event(event, value);
        s.trigger_key_event(event, value, EventSource::Scenario);
    } else {
        otherwise();
    }
}

void FlightControls::take_over(const Simulation& s) {
    pitch_ = s.number(PITCH);
    bank_ = s.number(BANK);
    heading_ = s.number(GYRO_HEADING);
    altitude_ = std::max(0.0, s.number(ALTITUDE));
    airspeed_ = std::max(0.0, s.number(AIRSPEED));
    throttle_ = std::clamp(s.number(THROTTLE), 0.0, 1.0);
    gear_down_ = s.number(GEAR_LEVER) > FULL / 2;
    flap_notch_ = notch_of(s);
    rudder_ = 0;
    for (bool& h : held_) h = false;
}

void FlightControls::press(Simulation& simulation, Control control) {
    const int i = static_cast<int>(control);
    if (held_[i]) return;  // the keyboard's own repeat
    held_[i] = true;
    act(simulation, control, DT);
    acted_this_frame_[i] = true;
}

void FlightControls::release(Control control) { held_[static_cast<int>(control)] = false; }

void FlightControls::act(Simulation& s, Control control, double dt) {
    switch (control) {
    case Control::PitchUp: pitch_ = std::min(PITCH_LIMIT_UP, pitch_ + PITCH_RATE * dt); break;
    case Control::PitchDown: pitch_ = std::max(PITCH_LIMIT_DOWN, pitch_ - PITCH_RATE * dt); break;
    case Control::BankLeft: bank_ = std::min(BANK_LIMIT, bank_ + BANK_RATE * dt); break;
    case Control::BankRight: bank_ = std::max(-BANK_LIMIT, bank_ - BANK_RATE * dt); break;
    case Control::RudderLeft: rudder_ = std::max(-1.0, rudder_ - RUDDER_RATE * dt); break;
    case Control::RudderRight: rudder_ = std::min(1.0, rudder_ + RUDDER_RATE * dt); break;
    case Control::ThrottleUp:
    case Control::ThrottleDown: {
        const double step = (control == Control::ThrottleUp ? THROTTLE_RATE : -THROTTLE_RATE) * dt;
        throttle_ = std::clamp(s.number(THROTTLE) + step, 0.0, 1.0);
        send(s, EVENT_THROTTLE_SET, static_cast<UINT32>(std::lround(throttle_ * LEVER_AXIS_FULL)),
             [&] { s.set_number(THROTTLE, throttle_); });
        break;
    }
    case Control::Gear:
        // The events the panel's own levers send: the simulation moves the gear and flaps.
        send(s, EVENT_GEAR_TOGGLE, 0, [&] { s.set_number(GEAR_LEVER, s.number(GEAR_LEVER) > FULL / 2 ? 0.0 : FULL); });
        gear_down_ = s.number(GEAR_LEVER) > FULL / 2;
        break;
    case Control::FlapsDown:
    case Control::FlapsUp: {
        const bool down = control == Control::FlapsDown;
        send(s, down ? EVENT_FLAPS_DOWN : EVENT_FLAPS_UP, 0, [&] {
            s.set_number(FLAP_SETTING, FLAP_NOTCHES[std::clamp(notch_of(s) + (down ? 1 : -1), 0, FLAP_STEPS)]);
        });
        flap_notch_ = notch_of(s);
        break;
    }
    case Control::TimeForward: s.set_number(TIME_OF_DAY, wrap(s.number(TIME_OF_DAY) + TIME_STEP, DAY)); break;
    case Control::TimeBack: s.set_number(TIME_OF_DAY, wrap(s.number(TIME_OF_DAY) - TIME_STEP, DAY)); break;
    case Control::Centre:
        pitch_ = 0;
        bank_ = 0;
        rudder_ = 0;
        break;
    }
}

void FlightControls::frame(Simulation& s) {
    static constexpr Control continuous[] = {Control::PitchUp,    Control::PitchDown,   Control::BankLeft,
                                             Control::BankRight,  Control::RudderLeft,  Control::RudderRight,
                                             Control::ThrottleUp, Control::ThrottleDown};
    for (Control c : continuous) {
        const int i = static_cast<int>(c);
        if (held_[i] && !acted_this_frame_[i]) act(s, c, DT);
    }
    for (bool& a : acted_this_frame_) a = false;
    // The rudder springs back when let go.
    if (!held_[static_cast<int>(Control::RudderLeft)] && !held_[static_cast<int>(Control::RudderRight)]) {
        rudder_ = towards(rudder_, 0.0, RUDDER_RATE * DT);
    }

    // Levers the panel may have moved too: the simulation's values rule.
    throttle_ = std::clamp(s.number(THROTTLE), 0.0, 1.0);
    gear_down_ = s.number(GEAR_LEVER) > FULL / 2;
    flap_notch_ = notch_of(s);

    // Airspeed: the engine's thrust (from its speed above idle, as the
    // engine model has it) against pitch and the drag of flaps and gear
    // (their positions, which the engine model moves).
    const bool running = s.number(ENGINE_RUNNING) > 0;
    const double thrust =
        running ? std::clamp((s.number(ENGINE_RPM) - IDLE_RPM) / (FULL_THROTTLE_RPM - IDLE_RPM), 0.0, 1.0) : 0.0;
    const double flaps = s.number(FLAP_POSITION) / FULL;
    const double gear = s.number(GEAR_LEFT) / FULL;
    const bool airborne = altitude_ > 0;
    const double target = airborne ? std::max(0.0, 250.0 * thrust - 3.0 * pitch_ - 30.0 * flaps - 15.0 * gear)
                                   : 140.0 * thrust;
    airspeed_ = lag(airspeed_, target, 8.0);

    // Climb and descent: the wings lift from 55 knots, fully from 80.
    const double lift = std::clamp((airspeed_ - 55.0) / 25.0, 0.0, 1.0);
    double vs = lift * airspeed_ * FPM_PER_KNOT * std::sin(rad(pitch_)) - (airborne ? (1.0 - lift) * 1200.0 : 0.0);
    altitude_ += vs / 60.0 * DT;
    if (altitude_ <= 0) {
        altitude_ = 0;
        vs = std::max(vs, 0.0);
    }

    // Turning: a coordinated turn from the bank in the air (left bank is
    // positive, a right turn positive), the rudder alone on the ground.
    double rate = airborne ? 1091.0 * std::tan(rad(-bank_)) / std::max(airspeed_, 60.0) + 2.0 * rudder_
                           : 15.0 * rudder_ * std::min(1.0, airspeed_ / 20.0);
    heading_ = wrap(heading_ + rate * DT, 360.0);

    s.set_number(PITCH, pitch_);
    s.set_number(BANK, bank_);
    s.set_number(GYRO_HEADING, heading_);
    s.set_number(COMPASS_HEADING, heading_);
    s.set_number(ALTITUDE, altitude_);
    s.set_number(RADIO_HEIGHT, altitude_ / FEET_PER_METRE);
    s.set_number(AIRSPEED, airspeed_);
    s.set_number(VERTICAL_SPEED, vs * VS_UNITS_PER_FPM);
    s.set_number(TURN_RATE, rate * TURN_UNITS_PER_DEGREE_S);
    s.set_number(BALL, std::clamp(-rudder_ * 100.0, -127.0, 127.0));  // a skid pushes the ball outwards
    s.set_number(LOAD_FACTOR, G_UNITS * (airborne ? 1.0 / std::cos(rad(bank_)) : 1.0));
    s.set_number(TIME_OF_DAY, wrap(s.number(TIME_OF_DAY) + DT, DAY));
}

}  // namespace host::viewer
