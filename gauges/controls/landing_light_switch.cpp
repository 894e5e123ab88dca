// Landing lights switch: a two-position toggle on the simulation's landing
// lights; a click toggles it and plays the switch click.
#include "frame/gauge_records.h"
#include "gauges/controls/switch_common.h"

extern GAUGEHDR gauge_Landing_Light_Switch;

namespace {

constexpr TwoPositionSwitch LANDING_LIGHT_SWITCH = {
    .token = 14,
    .toggle_event = 0x100D7,
    .tooltip = "Landing lights switch (%1!s!)",
};

using Records = TwoPositionSwitchRecords<&gauge_Landing_Light_Switch, LANDING_LIGHT_SWITCH>;

}  // namespace

GAUGEHDR gauge_Landing_Light_Switch = gauge_header({
    .name = "Landing_Light_Switch",
    .width_mm = 30,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
    .callback = Records::callback,
});
