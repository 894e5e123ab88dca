// The host's own tooltip (0x3000 and up) and help (0xA000 and up) texts for
// the ids the module names.
#include <map>

#include "host/tooltip_formatter.h"

namespace host {

std::optional<std::string> host_text(UINT32 id) {
    static const std::map<UINT32, const char*> texts = {
        {0x3002, "Airspeed indicator"},
        {0x3010, "Flaps"},
        {0x3018, "Clock"},
        {0x3032, "Generator warning light"},
        {0x3051, "Altimeter"},
        {0x3090, "Turn coordinator"},
        {0x3092, "Attitude indicator"},
        {0x3099, "Vertical speed indicator"},
        {0x30A0, "Manifold pressure"},
        {0x30D0, "Cylinder head temperature"},
        {0x30F1, "Oil temperature"},
        {0x3100, "Oil pressure"},
        {0x3128, "Elevator trim"},
        {0x3129, "Aileron trim"},
        {0x312A, "Rudder trim"},
        {0x3140, "Ammeter"},
        {0x3180, "Transponder"},
        {0x3190, "Mixture"},
        {0x3198, "Propeller"},
        {0x31A0, "Throttle"},
        {0x3200, "Dive brakes"},
        {0x3224, "Outside air temperature"},
        {0x3280, "Magnetos"},
        {0x3331, "Voltmeter"},
        {0x3339, "Fuel pressure"},
        {0x333F, "Tachometer"},
        {0xA41B, "Hydraulic pressure gauge: pressure of the hydraulic system"},
        {0xA51C, "Accelerometer: load factor with minimum and maximum hold needles"},
        {0xA527, "Accelerometer reset: brings the hold needles back to the current load"},
        {0xA704, "DME indicator: distance, ground speed and time to the station"},
        {0xA708, "DME source selector: NAV 1 or NAV 2"},
        {0xAB02, "Airspeed indicator: indicated airspeed in knots"},
        {0xAB07, "Altimeter: indicated altitude in feet"},
        {0xAB17, "Cowl flaps switch: opens and closes the cowl flaps"},
        {0xAB24, "Flaps position indicator"},
        {0xAB31, "Landing gear position lamp"},
        {0xAB3A, "Altimeter setting knob: sets the barometric pressure"},
        {0xAB46, "Manifold pressure gauge: intake manifold pressure in inches of mercury"},
        {0xAB48, "Marker beacon lamp"},
        {0xAB4F, "Oil temperature gauge"},
        {0xAB5A, "Radio magnetic indicator: heading with ADF and VOR bearing pointers"},
        {0xAB68, "Tachometer: engine speed in revolutions per minute"},
        {0xAB71, "Turn coordinator: rate of turn and slip"},
        {0xAB76, "Vertical speed indicator: rate of climb in feet per minute"},
        {0xAB77, "Magnetic compass"},
        {0xAB86, "Radio stack window"},
        {0xAB87, "GPS window"},
        {0xAB88, "Throttle quadrant window"},
        {0xAB89, "Compass window"},
        {0xAB8A, "Fuel window"},
        {0xAB8B, "Collective window"},
        {0xAB8F, "Map"},
        {0xAB93, "Kneeboard"},
        {0xAB94, "Air traffic control window"},
        {0xAB95, "Overhead panel"},
    };
    auto found = texts.find(id);
    if (found == texts.end()) {
        return std::nullopt;
    }
    return std::string(found->second);
}

}  // namespace host
