// Pitot heat switch: a two-position toggle on the simulation's pitot heat; a
// click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Pitot_Heat_Switch;

namespace {

constexpr TwoPositionSwitch PITOT_HEAT_SWITCH = {
    .token = 13,
    .toggle_event = 0x10142,
    .tooltip = "Pitot_Heat switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Pitot_Heat_Switch, PITOT_HEAT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Pitot_Heat_Switch = gauge_header({
    .name = "Pitot_Heat_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
