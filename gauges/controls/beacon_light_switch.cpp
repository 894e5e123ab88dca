// Beacon lights switch: a two-position toggle on the simulation's beacon
// lights; a click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Beacon_Light_Switch;

namespace {

constexpr TwoPositionSwitch BEACON_LIGHT_SWITCH = {
    .token = 368,
    .toggle_event = 0x102BF,
    .tooltip = "Beacon lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Beacon_Light_Switch, BEACON_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Beacon_Light_Switch = gauge_header({
    .name = "Beacon_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
