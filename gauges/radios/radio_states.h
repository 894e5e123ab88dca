// The radio stack's module-wide states, shared with the instruments that the
// radios feed. Each is nonzero for on (or, for the selector, VOR 1); they
// live as long as the module stays loaded, whatever gauges come and go.
#pragma once

#include "frame/host_types.h"

// Main switches of the heads: 1 at load.
extern SINT32 com1_power_on;
extern SINT32 com2_power_on;
extern SINT32 nav1_power_on;   // also read by VOR1_Indicator and the RMI
extern SINT32 nav2_power_on;   // also read by VOR2_Indicator and the RMI
extern SINT32 adf_power_on;    // also read by the RMI
extern SINT32 xpdr_power_on;

// Source of the RMI's single pointer: nonzero VOR 1, 0 ADF. 0 at load, 1
// from the first install of either selector.
extern SINT32 vor1_adf_select;
