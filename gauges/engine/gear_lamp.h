// The three gear position lamps (nose, left, right): one design, differing
// only in the gear leg whose position is the icon's own variable.
#pragma once

#include "frame/host_types.h"

// Icons of bitmap 2410: 0 barber pole, 1 UP, 2 wheels down.
FLOAT64 HOST_CALL gear_lamp_value(ELEMENT_ICON* lamp);
