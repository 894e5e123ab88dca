// What the simulation does with the key events of the panel buttons and of
// the flight instruments: the eye point, the view, the host's own windows,
// the altimeter setting, the miniature aircraft, the heading bug and the DME
// source. See docs/host-conventions.md.
#pragma once

#include "host/simulation.h"

namespace host {

// Key events.
constexpr UINT32 EVENT_SEAT_UP = 0x103DC;
constexpr UINT32 EVENT_SEAT_DOWN = 0x103DD;
constexpr UINT32 EVENT_VIEW_RESET = 0x10153;
constexpr UINT32 EVENT_VIEW_NEXT = 0x100C6;
constexpr UINT32 EVENT_VIEW_PREVIOUS = 0x100C7;
constexpr UINT32 EVENT_MAP_WINDOW = 0x10380;
constexpr UINT32 EVENT_KNEEBOARD_WINDOW = 0x10154;
constexpr UINT32 EVENT_ATC_WINDOW = 0x1001C;
constexpr UINT32 EVENT_ALTIMETER_UP = 0x1015B;
constexpr UINT32 EVENT_ALTIMETER_DOWN = 0x1015C;
constexpr UINT32 EVENT_MINIATURE_AIRCRAFT_UP = 0x1030E;
constexpr UINT32 EVENT_MINIATURE_AIRCRAFT_DOWN = 0x1030F;
constexpr UINT32 EVENT_DESIRED_HEADING_SET = 0x101FA;
constexpr UINT32 EVENT_DME_SOURCE_SWAP = 0x102EE;

// The host's cockpit state, as named variables (readable by a viewer, by
// calculator code and by scenario `print A:NAME`).
inline constexpr const char* SEAT_HEIGHT = "HOST SEAT HEIGHT";          // centimetres above the design eye point
inline constexpr const char* VIEW_DIRECTION = "HOST VIEW";              // 0..7, 45-degree steps clockwise from ahead
inline constexpr const char* MAP_WINDOW = "HOST MAP WINDOW";            // 0 closed, 1 open
inline constexpr const char* KNEEBOARD_WINDOW = "HOST KNEEBOARD WINDOW";  // 0 closed, 1 open
inline constexpr const char* ATC_WINDOW = "HOST ATC WINDOW";            // 0 closed, 1 open

constexpr double SEAT_STEP_CM = 1.0;
constexpr double SEAT_LIMIT_CM = 15.0;
constexpr int VIEW_COUNT = 8;

// Altimeter: one knob step is 0.01 inHg; the setting stays within the
// drum's 28.10..31.50 inHg. The indicated altitude moves with the setting
// by 1000 ft per inHg (10 ft per step).
constexpr double ALTIMETER_STEP_INHG = 0.01;
constexpr double ALTIMETER_MIN_INHG = 28.10;
constexpr double ALTIMETER_MAX_INHG = 31.50;
constexpr double MILLIBARS_PER_INHG = 1013.25 / 29.92;  // the standard settings match
constexpr double FEET_PER_INHG = 1000.0;

// Miniature aircraft height (token 612): whole steps, -20..+20.
constexpr double MINIATURE_AIRCRAFT_LIMIT = 20.0;

// Seat, view and host windows.
void install_cockpit_key_handlers(Simulation& simulation);
// Altimeter setting, miniature aircraft, desired heading, DME source.
void install_flight_instrument_key_handlers(Simulation& simulation);

// Sets the altimeter setting in inches of mercury, with the millibar token
// to match, and moves the indicated altitude by the change.
void set_altimeter_setting(Simulation& simulation, double inches);

}  // namespace host
