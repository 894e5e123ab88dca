// The navigation gauges under test and the import table they call through:
// either the loaded module or the gauge sources linked into the test itself
// (the sanitizer build).
#pragma once

#include <memory>

#include "frame/host_types.h"

class NavigationUnderTest {
public:
    virtual ~NavigationUnderTest() = default;
    virtual GAUGEHDR* gauge(const char* name) = 0;
    virtual GAUGESIMPORT& imports() = 0;
};

std::unique_ptr<NavigationUnderTest> open_navigation();

inline constexpr const char* NAVIGATION_GAUGES[] = {
    "Registration",     "Map_Toggle",          "Kneeboard_Toggle",     "ATC_Toggle",
    "Invisible_Toggle", "Radios_Toggle",       "GPS_Toggle",           "Throttle_Toggle",
    "Compass_Toggle",   "Close_Subpanel",      "Nav_Instruments_Toggle", "Seat_Up_Toggle",
    "Seat_Down_Toggle", "Landing_View_Toggle", "Left_Taxi_Toggle",     "Right_Taxi_Toggle",
    "Show_Yoke",        "Overhead_Toggle",     "Electricity_Toggle",   "Fuel_Zoom",
    "ADF_Indicator_Toggle", "VOR_Indicator_Toggle",
};
