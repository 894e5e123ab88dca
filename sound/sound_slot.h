// A gauge's sound: the module handle its sounds come from, the host window,
// its own audio device and one click buffer. Slots live in module-wide
// storage, so every placement of a gauge shares its gauge's slot.
#pragma once

#include "frame/host_types.h"
#include "sound/sound_engine.h"

// The module's WAVE resources that gauges play.
constexpr WORD WAVE_SWITCH_CLICK = 10;
constexpr WORD WAVE_RADIO_CLICK = 30;

struct SoundSlot {
    HMODULE module;
    HWND window;
    LPDIRECTSOUND device;
    LPDIRECTSOUNDBUFFER buffer;
};

// At pre-install: keep the module handle (the notification's extra
// argument), find the host window, create the device and load `wave_id`.
// Each step runs even when an earlier one failed. A slot still filled by an
// earlier install of the gauge is released first.
void sound_slot_install(SoundSlot* slot, WORD_PTR module_handle, WORD wave_id);

// Plays the click once; nothing when the slot is empty.
void sound_slot_play(SoundSlot* slot);

// At kill: releases the buffer, then the device.
void sound_slot_release(SoundSlot* slot);

// The slot's part of a gauge callback: pre-install fills it with `wave_id`,
// kill empties it; every other notification leaves it alone.
void sound_slot_service(SoundSlot* slot, UINT32 service_id, WORD_PTR extra, WORD wave_id);

// The module handle of a notification's extra argument.
inline HMODULE sound_module_handle(WORD_PTR extra) { return reinterpret_cast<HMODULE>(extra); }
