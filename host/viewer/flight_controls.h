// The aircraft flown from the keyboard: the pilot's controls (pitch, bank,
// rudder, throttle, gear, flaps, the time of day) and a small flight model
// that turns them into the flight instruments' variables. Simple on purpose:
// it makes the panel move as an aircraft would, nothing more. Throttle, gear
// and flaps go through the key events the panel's levers send, so the
// simulation's engine and systems model moves the engine, the gear and the
// flaps; this model only reads what that one drives.
#pragma once

#include <functional>
#include <iterator>

#include "host/controls_model.h"
#include "host/simulation.h"

namespace host::viewer {

enum class Control {
    PitchUp,
    PitchDown,
    BankLeft,
    BankRight,
    RudderLeft,
    RudderRight,
    ThrottleUp,
    ThrottleDown,
    Gear,       // lever up/down
    FlapsDown,  // one notch
    FlapsUp,
    TimeForward,  // half an hour
    TimeBack,
    Centre,  // wings level, nose on the horizon, rudder centred
};
constexpr int CONTROL_COUNT = static_cast<int>(Control::Centre) + 1;

// Rates while a key is held, per second, and limits.
constexpr double PITCH_RATE = 8.0;       // degrees
constexpr double PITCH_LIMIT_UP = 25.0;
constexpr double PITCH_LIMIT_DOWN = -20.0;
constexpr double BANK_RATE = 30.0;       // degrees
constexpr double BANK_LIMIT = 60.0;
constexpr double RUDDER_RATE = 2.0;      // full deflection is 1
constexpr double THROTTLE_RATE = 0.4;    // full travel is 1
// The flap lever's positions above UP, as the simulation's lever has them.
constexpr int FLAP_STEPS = static_cast<int>(std::size(FLAP_NOTCHES)) - 1;
constexpr double TIME_STEP = 1800.0;     // seconds

// The variables the flight model writes (docs/viewer.md): airspeed,
// vertical speed, ball, turn rate, altitude, pitch, bank, compass and gyro
// heading, load factor, time of day, radio height.
inline constexpr UINT32 FLIGHT_MODEL_TOKENS[] = {61, 65, 69, 70, 74, 78, 80, 83, 84, 351, 557, 614};

class FlightControls {
public:
    // Told of each key event the controls send, as they send it.
    std::function<void(UINT32 event, UINT32 value)> on_event;

    // Takes the aircraft as the simulation has it now: attitude, heading,
    // altitude, airspeed, throttle, gear and flaps.
    void take_over(const Simulation& simulation);
    // A key pressed (acts at once, and again each frame while held) or released.
    void press(Simulation& simulation, Control control);
    void release(Control control);
    // One frame: held controls move, then the flight model derives the
    // instruments' variables and the clock runs on by a frame.
    void frame(Simulation& simulation);

    double throttle() const { return throttle_; }
    int flap_notch() const { return flap_notch_; }
    bool gear_down() const { return gear_down_; }

private:
    void act(Simulation& simulation, Control control, double dt);
    template <typename F>
    void send(Simulation& simulation, UINT32 event, UINT32 value, F otherwise);

    bool held_[CONTROL_COUNT] = {};
    bool acted_this_frame_[CONTROL_COUNT] = {};
    double pitch_ = 0;   // degrees, nose up positive
    double bank_ = 0;    // degrees, left bank positive (as the simulation has it)
    double rudder_ = 0;  // -1 left .. 1 right
    double throttle_ = 0;
    double heading_ = 0;
    double altitude_ = 0;  // feet
    double airspeed_ = 0;  // knots
    bool gear_down_ = true;
    int flap_notch_ = 0;
};

}  // namespace host::viewer
