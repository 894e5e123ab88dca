// Avionics switch: a two-position toggle on the simulation's avionics master; a
// click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Avionics_Switch;

namespace {

constexpr TwoPositionSwitch AVIONICS_SWITCH = {
    .token = 740,
    .toggle_event = 0x102F5,
    .tooltip = "Avionics switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Avionics_Switch, AVIONICS_SWITCH>;

}  // namespace

GAUGEHDR gauge_Avionics_Switch = gauge_header({
    .name = "Avionics_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
