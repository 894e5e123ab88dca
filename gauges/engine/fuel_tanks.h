// The two-tank fuel quantity system: tank levels, their weight, and the tank
// selection that the selector switch writes and the fuel dial reads.
#pragma once

#include "frame/host_types.h"

constexpr UINT32 LEFT_TANK_TOKEN = 291;   // fraction of capacity x 8388608
constexpr UINT32 RIGHT_TANK_TOKEN = 297;

enum TANK_SELECTION : SINT32 {
    TANKS_BOTH = 0,
    TANK_LEFT = 1,
    TANK_RIGHT = 2,
};

// Module-wide, 0 at load; written by Fuel_Qty_Switch, not reset at install.
extern SINT32 fuel_tank_selection;

// A level (or a sum of levels) in pounds: 531 lbs is a full tank.
inline FLOAT64 tank_pounds(FLOAT64 level) {
    return level * 531.0 / 8388608.0;
}
