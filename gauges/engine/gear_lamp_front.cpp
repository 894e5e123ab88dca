// Gear Lamp Front: position of the nose gear leg; the barber pole without bus power.
#include "frame/gauge_records.h"
#include "gauges/engine/gear_lamp.h"

extern GAUGEHDR gauge_Gear_Lamp_Front;

namespace {

constexpr UINT32 NOSE_GEAR = 332;  // 0 up .. 16383 down

using Records = GearLampRecords<&gauge_Gear_Lamp_Front, NOSE_GEAR>;

}  // namespace

GAUGEHDR gauge_Gear_Lamp_Front = gauge_header({
    .name = "Gear_Lamp_Front",
    .width_mm = 40,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
});
