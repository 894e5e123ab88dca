// Mechanics shared by the cockpit switches: the tooltip words "on" and
// "off", and the click of a two-position switch.
#pragma once

#include "frame/host_types.h"
#include "sound/sound_slot.h"

// The module's tooltip words for a two-state control.
extern const char SWITCH_WORD_ON[];
extern const char SWITCH_WORD_OFF[];

// "on" when the token's value is greater than 0.0, otherwise "off".
const char* on_off_word(UINT32 token);

// The records every two-position switch shares: base plate, lever icons
// (0 down = off, 1 up = on) and the whole bitmap as its click area.
constexpr UINT32 TOGGLE_BASE_BITMAP = 4020;
constexpr UINT32 TOGGLE_LEVER_BITMAP = 4030;
constexpr UINT32 TOGGLE_LEVER_COUNT = 2;
constexpr PIXBOX TOGGLE_CLICK_AREA = {0, 0, 45, 45};

// A click on a two-position switch: the switch's toggle event with value 0,
// then the click sound.
void two_position_switch_click(UINT32 toggle_event, SoundSlot* slot);
