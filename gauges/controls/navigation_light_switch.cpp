// Navigation lights switch: a two-position toggle on the simulation's
// navigation lights; a click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Navigation_Light_Switch;

namespace {

constexpr TwoPositionSwitch NAVIGATION_LIGHT_SWITCH = {
    .token = 619,
    .toggle_event = 0x1034B,
    .tooltip = "Navigation lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Navigation_Light_Switch, NAVIGATION_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Navigation_Light_Switch = gauge_header({
    .name = "Navigation_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
