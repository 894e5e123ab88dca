// The navigation gauge sources linked into the test: the records keep what
// earlier tests wrote into them, so tests on them check only what holds in
// every state.
#include <cstring>

#include "frame/host_services.h"
#include "navigation_under_test.h"

GAUGESIMPORT ImportTable = {{{IMPORT_PANEL_SERVICES_ID, nullptr}, {0, nullptr}}};

extern GAUGEHDR gauge_Registration, gauge_Map_Toggle, gauge_Kneeboard_Toggle, gauge_ATC_Toggle,
    gauge_Invisible_Toggle, gauge_Radios_Toggle, gauge_GPS_Toggle, gauge_Throttle_Toggle, gauge_Compass_Toggle,
    gauge_Close_Subpanel, gauge_Nav_Instruments_Toggle, gauge_Seat_Up_Toggle, gauge_Seat_Down_Toggle,
    gauge_Landing_View_Toggle, gauge_Left_Taxi_Toggle, gauge_Right_Taxi_Toggle, gauge_Show_Yoke,
    gauge_Overhead_Toggle, gauge_Electricity_Toggle, gauge_Fuel_Zoom, gauge_ADF_Indicator_Toggle,
    gauge_VOR_Indicator_Toggle;

namespace {

GAUGEHDR* const LINKED[] = {
    &gauge_Registration,     &gauge_Map_Toggle,         &gauge_Kneeboard_Toggle,    &gauge_ATC_Toggle,
    &gauge_Invisible_Toggle, &gauge_Radios_Toggle,      &gauge_GPS_Toggle,          &gauge_Throttle_Toggle,
    &gauge_Compass_Toggle,   &gauge_Close_Subpanel,     &gauge_Nav_Instruments_Toggle, &gauge_Seat_Up_Toggle,
    &gauge_Seat_Down_Toggle, &gauge_Landing_View_Toggle, &gauge_Left_Taxi_Toggle,   &gauge_Right_Taxi_Toggle,
    &gauge_Show_Yoke,        &gauge_Overhead_Toggle,    &gauge_Electricity_Toggle,  &gauge_Fuel_Zoom,
    &gauge_ADF_Indicator_Toggle, &gauge_VOR_Indicator_Toggle,
};

class LinkedNavigation : public NavigationUnderTest {
public:
    GAUGEHDR* gauge(const char* name) override {
        for (GAUGEHDR* g : LINKED) {
            if (std::strcmp(g->name, name) == 0) {
                return g;
            }
        }
        return nullptr;
    }
    GAUGESIMPORT& imports() override { return ImportTable; }
};

}  // namespace

std::unique_ptr<NavigationUnderTest> open_navigation() {
    return std::make_unique<LinkedNavigation>();
}
