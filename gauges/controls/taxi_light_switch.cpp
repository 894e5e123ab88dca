// Taxi lights switch: a two-position toggle on the simulation's taxi lights; a
// click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Taxi_Light_Switch;

namespace {

constexpr TwoPositionSwitch TAXI_LIGHT_SWITCH = {
    .token = 369,
    .toggle_event = 0x102C0,
    .tooltip = "Taxi lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Taxi_Light_Switch, TAXI_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Taxi_Light_Switch = gauge_header({
    .name = "Taxi_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
