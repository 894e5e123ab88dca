// What the simulation does with the key events of the cockpit controls:
// magnetos, starter, primer, cowl flaps, throttle, propeller and mixture
// levers, dive brakes, flaps, trims, canopy and tail hook. Parts that take
// time (cowl flaps, speed brake, flaps, canopy, hook) travel frame by frame
// once an event sets them going; a variable a scenario sets is left where it
// is put. The engine's answer to these controls is not modelled here. See
// docs/host-conventions.md.
#pragma once

#include "host/simulation.h"

namespace host {

// Key events.
constexpr UINT32 EVENT_MAGNETO_TOWARDS_BOTH = 0x10063;
constexpr UINT32 EVENT_MAGNETO_TOWARDS_OFF = 0x10062;
constexpr UINT32 EVENT_STARTER = 0x102FC;
constexpr UINT32 EVENT_PRIMER = 0x102BE;
constexpr UINT32 EVENT_COWL_FLAPS_OPEN = 0x102C4;
constexpr UINT32 EVENT_COWL_FLAPS_CLOSE = 0x102C3;
constexpr UINT32 EVENT_THROTTLE_SET = 0x1011C;
constexpr UINT32 EVENT_PROPELLER_SET = 0x10183;
constexpr UINT32 EVENT_MIXTURE_SET = 0x1017F;
constexpr UINT32 EVENT_DIVE_BRAKE_MIDDLE_TO_ON = 0x10210;
constexpr UINT32 EVENT_DIVE_BRAKE_MIDDLE_TO_OFF = 0x10211;
constexpr UINT32 EVENT_DIVE_BRAKE_SET = 0x100FA;
constexpr UINT32 EVENT_FLAPS_DOWN = 0x100DF;
constexpr UINT32 EVENT_FLAPS_UP = 0x100DE;
constexpr UINT32 EVENT_PITCH_TRIM_NOSE_DOWN = 0x10047;
constexpr UINT32 EVENT_PITCH_TRIM_NOSE_UP = 0x1004F;
constexpr UINT32 EVENT_AILERON_TRIM_LEFT = 0x102E4;
constexpr UINT32 EVENT_AILERON_TRIM_RIGHT = 0x102E5;
constexpr UINT32 EVENT_RUDDER_TRIM_LEFT = 0x102E6;
constexpr UINT32 EVENT_RUDDER_TRIM_RIGHT = 0x102E7;
constexpr UINT32 EVENT_CANOPY_TOGGLE = 0x10355;
constexpr UINT32 EVENT_TAIL_HOOK_TOGGLE = 0x10357;

// The starter and the primer stay engaged this many frames after their last
// event: a click engages them for about half a second, and a held button
// (whose first repeat comes 8 frames after the press) keeps them engaged.
constexpr long STARTER_HOLD_FRAMES = 10;
constexpr long PRIMER_HOLD_FRAMES = 10;

// Throttle, propeller and mixture events carry the lever at 0..16384.
constexpr double LEVER_AXIS_FULL = 16384.0;

// Dive brake lever, 0 OFF to 16383 ON; the speed brake follows it under the
// engine model's hydraulics.
constexpr double DIVE_BRAKE_ON = 16383.0;

// Flap lever notches UP, 1/4, 1/2, 3/4, DOWN; the flaps follow the lever
// under the engine model's hydraulics.
constexpr double FLAP_NOTCHES[] = {0.0, 4096.0, 8192.0, 12288.0, 16383.0};

// Cowl flaps, 0 closed to 1 open: each event moves the wanted position a
// step; the cowl flaps follow at COWL_FLAP_RATE per second.
constexpr double COWL_FLAP_STEP = 0.1;
constexpr double COWL_FLAP_RATE = 0.5;

// Trims in radians, stepped by these many degrees per event and kept
// within the limits (the trim gauges' scales). Positive is nose up, right
// wing down, nose right.
constexpr double PITCH_TRIM_STEP_DEGREES = 0.5;
constexpr double PITCH_TRIM_LIMIT_DEGREES = 20.0;
constexpr double AILERON_TRIM_STEP_DEGREES = 0.25;
constexpr double AILERON_TRIM_LIMIT_DEGREES = 10.0;
constexpr double RUDDER_TRIM_STEP_DEGREES = 0.25;
constexpr double RUDDER_TRIM_LIMIT_DEGREES = 12.0;

// Canopy (0 closed to 1 open) and tail hook (0 up to 1 down): a toggle sends
// the part the other way, end to end in these times.
constexpr double CANOPY_TRAVEL_SECONDS = 4.0;
constexpr double TAIL_HOOK_TRAVEL_SECONDS = 2.0;

// Installs the key handlers and the frame model of the cockpit controls.
void install_controls_model(Simulation& simulation);

}  // namespace host
