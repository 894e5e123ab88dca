// Strobe lights switch: a two-position toggle on the simulation's strobe
// lights; a click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Strobe_Light_Switch;

namespace {

constexpr TwoPositionSwitch STROBE_LIGHT_SWITCH = {
    .token = 11,
    .toggle_event = 0x10018,
    .tooltip = "Strobe lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Strobe_Light_Switch, STROBE_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Strobe_Light_Switch = gauge_header({
    .name = "Strobe_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
