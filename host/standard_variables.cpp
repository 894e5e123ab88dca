// The simulation variables the gauges read, by token, with the start state
// of a parked aircraft with the engine idling, battery, generator and
// avionics on, lights off, at noon.
#include "host/simulation.h"

namespace host {

namespace {

constexpr ValueKind N = ValueKind::Number;
constexpr ValueKind P = ValueKind::Packed;

}  // namespace

const std::vector<VariableInfo>& standard_variables() {
    static const std::vector<VariableInfo> table = {
        {10, "panel lights", "0 off, 1 on", N, 0},
        {11, "strobe lights", "0 off, 1 on", N, 0},
        {13, "pitot heat", "0 off, 1 on", N, 0},
        {14, "landing lights", "0 off, 1 on", N, 0},
        {16, "ADF frequency, hundreds to units of kHz", "packed decimal", P, 0x0344},
        {18, "ADF frequency, 256 if the thousands digit is 1, plus tenths of kHz", "integer", P, 0},
        {23, "COM1 frequency without the leading 1", "packed decimal", P, 0x1800},
        {24, "NAV1 frequency without the leading 1", "packed decimal", P, 0x1030},
        {27, "NAV2 frequency without the leading 1", "packed decimal", P, 0x1450},
        {38, "transponder code", "packed decimal", P, 0x1200},
        {39, "ADF bearing pointer", "degrees", N, 90},
        {40, "NAV1 course deviation", "-127 full left to +127 full right", N, 0},
        {41, "NAV1 glide-slope deviation", "-119 to +119", N, 0},
        {43, "NAV1 receiver state", "0 no usable signal", N, 1},
        {44, "NAV1 glide-slope valid", "1 valid", N, 0},
        {45, "NAV1 selected course", "degrees", N, 0},
        {46, "NAV1 station flags", "bit 0x80: no bearing", N, 0},
        {50, "NAV2 course deviation", "-127 to +127", N, 0},
        {52, "NAV2 receiver state", "0 no usable signal", N, 1},
        {53, "NAV2 glide-slope valid", "1 valid", N, 0},
        {54, "NAV2 selected course", "degrees", N, 0},
        {55, "NAV2 station flags", "bit 0x80: no bearing", N, 0},
        {59, "NAV2 bearing pointer", "degrees", N, 0},
        {61, "indicated airspeed", "knots", N, 0},
        {65, "vertical speed", "metres per second x 256", N, 0},
        {69, "inclinometer ball deflection", "-127 left to +127 right", N, 0},
        {70, "rate of turn", "raw, needle shows it / 256", N, 0},
        {74, "indicated altitude", "feet", N, 0},
        {75, "altimeter setting", "millibars", N, 1013.25},
        {76, "altimeter setting", "inches of mercury", N, 29.92},
        {78, "attitude pitch", "degrees, nose up positive", N, 0},
        {80, "attitude bank", "degrees, left bank positive", N, 0},
        {83, "magnetic compass heading", "degrees", N, 0},
        {84, "gyro heading", "degrees", N, 0},
        {276, "gyro state A", "0 normal", N, 0},
        {279, "gyro state B", "0 normal", N, 0},
        {291, "left tank level", "fraction x 8388608", N, 8388608},
        {297, "right tank level", "fraction x 8388608", N, 8388608},
        {325, "dive brake lever", "0 off to 16383 on", N, 0},
        {326, "speed brake position", "0 to 16383", N, 0},
        {329, "flap setting", "0 up to 16383 down", N, 0},
        {330, "flap position", "0 up to 16383 down", N, 0},
        {331, "gear lever", "0 up to 16383 down", N, 16383},
        {332, "nose gear position", "0 up to 16383 down", N, 16383},
        {333, "left gear position", "0 up to 16383 down", N, 16383},
        {334, "right gear position", "0 up to 16383 down", N, 16383},
        {341, "outside air temperature", "degrees Celsius", N, 15},
        {351, "load factor", "g x 624", N, 624},
        {354, "marker state", "2 lights the lamp", N, 0},
        {355, "DME source", "1 NAV1, 2 NAV2", N, 1},
        {361, "primer engaged", "0 off, 1 on", N, 0},
        {362, "cowl flap position", "0 closed to 1 open", N, 0},
        {364, "engine running", "0 stopped", N, 1},
        {368, "beacon lights", "0 off, 1 on", N, 0},
        {369, "taxi lights", "0 off, 1 on", N, 0},
        {372, "DME distance", "nautical miles, negative: no reading", N, -1},
        {373, "DME ground speed", "knots", N, 0},
        {374, "DME time to station", "minutes", N, 0},
        {390, "engine speed", "revolutions per minute", N, 800},
        {391, "manifold pressure", "pounds per square foot", N, 1060.992},        // 15 inHg
        {399, "left magneto", "0 off, 1 on", N, 1},
        {400, "right magneto", "0 off, 1 on", N, 1},
        {401, "starter engaged", "0 off, 1 on", N, 0},
        {415, "cylinder head temperature", "degrees Rankine", N, 761.67},      // 150 C
        {416, "oil temperature", "degrees Rankine", N, 599.67},                // 60 C
        {418, "oil pressure", "pounds per square foot", N, 8640},              // 60 psi
        {425, "fuel pressure", "pounds per square foot", N, 2880},             // 20 psi
        {550, "NAV1 bearing pointer", "degrees", N, 0},
        {557, "time of day", "seconds since midnight", N, 43200},
        {558, "throttle lever", "fraction 0 closed to 1 open", N, 0},
        {559, "propeller lever", "fraction 0 to 1", N, 1},
        {560, "mixture lever", "fraction 0 to 1", N, 1},
        {565, "generator active", "0 off", N, 1},
        {566, "generator lamp variable", "unused by the lamp", N, 0},
        {612, "miniature aircraft height", "steps", N, 0},
        {614, "radio height", "metres", N, 0},
        {615, "decision height", "metres", N, 60.96},
        {616, "decision-height state", "0 or 1", N, 0},
        {619, "navigation lights", "0 off, 1 on", N, 0},
        {732, "hydraulic pressure", "pounds per square foot", N, 288000},      // 2000 psi
        {740, "avionics master", "0 off, 1 on", N, 1},
        {751, "ammeter load", "-10 to +10 dial scale", N, 0},
        {753, "bus voltage", "volts", N, 28},
        {755, "radio altimeter supply", "volts", N, 28},
        {759, "battery master", "0 off, 1 on", N, 1},
        {761, "generator switch", "0 off, 1 on", N, 1},
        {783, "pitch trim", "radians", N, 0},
        {785, "aileron trim", "radians", N, 0},
        {787, "rudder trim", "radians", N, 0},
        {855, "desired heading", "degrees", N, 0},
        {868, "canopy position", "0 closed to 1 open", N, 0},
        {869, "tail hook position", "0 up to 1 down", N, 0},
        {870, "COM2 frequency without the leading 1", "packed decimal", P, 0x2450},
        {880, "ADF tone", "1 on", N, 0},
        {882, "NAV2 glide-slope deviation", "-119 to +119", N, 0},
    };
    return table;
}

}  // namespace host
