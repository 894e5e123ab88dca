// Gear Lamp Right: position of the right gear leg; the barber pole without bus power.
#include "frame/gauge_records.h"
#include "gauges/engine/gear_lamp.h"

extern GAUGEHDR gauge_Gear_Lamp_Right;

namespace {

constexpr UINT32 RIGHT_GEAR = 334;  // 0 up .. 16383 down

using Records = GearLampRecords<&gauge_Gear_Lamp_Right, RIGHT_GEAR>;

}  // namespace

GAUGEHDR gauge_Gear_Lamp_Right = gauge_header({
    .name = "Gear_Lamp_Right",
    .width_mm = 40,
    .elements = Records::elements,
    .mouse_rects = Records::mouse_rects,
});
