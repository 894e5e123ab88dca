// The one state the radio altimeter shares with its switch.
#pragma once

#include "frame/host_types.h"

// Nonzero while the radio altimeter is on: 1 at load, 0 once the switch is
// installed, toggled by the switch.
extern SINT32 radio_altimeter_on;
