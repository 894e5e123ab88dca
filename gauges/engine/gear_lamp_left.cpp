// Gear Lamp Left: position of the left gear leg; the barber pole without bus power.
#include "frame/gauge_records.h"
#include "gauges/engine/gear_lamp.h"

extern GAUGEHDR gauge_Gear_Lamp_Left;

namespace {

constexpr UINT32 LEFT_GEAR = 333;  // 0 up .. 16383 down

using Records = GearLampRecords<&gauge_Gear_Lamp_Left, LEFT_GEAR>;

}  // namespace

GAUGEHDR gauge_Gear_Lamp_Left = gauge_header({
    .name = "Gear_Lamp_Left",
    .width_mm = 40,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
});
