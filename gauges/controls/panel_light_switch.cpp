// Panel lights switch: a two-position toggle on the simulation's panel lights;
// a click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Panel_Light_Switch;

namespace {

constexpr TwoPositionSwitch PANEL_LIGHT_SWITCH = {
    .token = 10,
    .toggle_event = 0x100D6,
    .tooltip = "Panel lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Panel_Light_Switch, PANEL_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Panel_Light_Switch = gauge_header({
    .name = "Panel_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
