// A simple model of the engine and the aircraft's systems, stepped at the
// end of every frame: the engine cranked by the starter catches on the
// magnetos and settles at the speed the throttle asks for, its pressures
// follow the engine speed and its temperatures rise towards their running
// values; the generator comes on line and charges the battery; the
// engine-driven hydraulic pump moves gear, flaps and speed brake in transit.
//
// The model drives its outputs only while it owns them: a variable that
// something else sets (a scenario, a test) is left to that writer until the
// model's switch changes value. See docs/host-conventions.md.
#pragma once

#include "host/simulation.h"

namespace host {

// Named variables: the model's switch (0 off, any other value on; start 1;
// a change to a value other than 0 hands every output back to the model),
// and the carburettor temperature it drives.
inline constexpr const char* ENGINE_MODEL = "HOST ENGINE MODEL";
inline constexpr const char* CARBURETOR_TEMPERATURE = "RECIP CARBURETOR TEMPERATURE:1";

// The gear lever's toggle: the lever (331) goes to the other end.
constexpr UINT32 EVENT_GEAR_TOGGLE = 0x10022;

// Engine speeds, revolutions per minute.
constexpr double IDLE_RPM = 800.0;
constexpr double FULL_THROTTLE_RPM = 2700.0;
constexpr double CRANKING_RPM = 250.0;
constexpr double CATCH_RPM = 200.0;      // cranked this fast, a fuelled engine with ignition runs
constexpr double GENERATOR_RPM = 600.0;  // the generator comes on line above this

// Hydraulics: gear, flaps and speed brake move only above this pressure.
constexpr double HYDRAULIC_WORKING_PSI = 1000.0;

// Full travel times, seconds.
constexpr double NOSE_GEAR_SECONDS = 6.0;
constexpr double LEFT_GEAR_SECONDS = 5.0;
constexpr double RIGHT_GEAR_SECONDS = 5.5;
constexpr double FLAP_SECONDS = 6.0;
constexpr double SPEED_BRAKE_SECONDS = 2.5;

// Installs the model and the gear toggle. Called by Simulation's constructor.
void install_engine_model(Simulation& simulation);

}  // namespace host
