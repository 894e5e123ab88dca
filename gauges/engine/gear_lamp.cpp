#include "gauges/engine/gear_lamp.h"

#include "frame/host_services.h"

namespace {

constexpr UINT32 BUS_VOLTAGE_TOKEN = 753;
constexpr FLOAT64 LAMP_MIN_VOLTS = 20.0;    // at or below: no power
constexpr FLOAT64 GEAR_UP_BELOW = 10.0;     // positions 0 up .. 16383 down
constexpr FLOAT64 GEAR_DOWN_ABOVE = 16300.0;

}  // namespace

// Without power, and with the leg in transit (or its position not a
// number), the lamp shows the barber pole.
FLOAT64 HOST_CALL gear_lamp_value(ELEMENT_ICON* lamp) {
    if (!(host_lookup_number(BUS_VOLTAGE_TOKEN) > LAMP_MIN_VOLTS)) {
        return 0.0;
    }
    FLOAT64 position = lamp->source_var.value.number;
    if (position < GEAR_UP_BELOW) {
        return 1.0;
    }
    if (position > GEAR_DOWN_ABOVE) {
        return 2.0;
    }
    return 0.0;
}
