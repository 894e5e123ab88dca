// The module's sound engine: WAVE resources of the module played through the
// system's audio output. One module-wide flag says whether sound is
// available; the first failure of any operation clears it for the rest of
// the module's life, and from then on every load, play, status query and
// volume change returns 0 without reaching the audio output.
#pragma once

#include "platform/audio_api.h"

// The host's main window, or null: its class depends on the program's file
// name (see the source).
HWND sound_find_host_window();

// Creates a device on the default output for `window` into `*device`
// (null on failure). Runs whatever the flag says. 1 or 0.
int sound_create_device(HWND window, LPDIRECTSOUND* device);

// Loads the module's WAVE resource `id` into a new buffer of `*device`
// (`*buffer`, null on failure), ready to play from its start. Returns the
// buffer's size in bytes, or 0.
DWORD sound_load_resource(HWND window, LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, WORD id, HMODULE module);

// Plays the buffer once from its current position (flags 0). 1 or 0.
int sound_play(LPDIRECTSOUNDBUFFER* buffer, DWORD flags);
// 1 while the buffer plays, else 0.
int sound_is_playing(LPDIRECTSOUNDBUFFER* buffer);
// Volume in hundredths of a decibel, 0 full. 1 or 0.
int sound_set_volume(LPDIRECTSOUNDBUFFER* buffer, LONG volume);

// Release the object in the slot, if any, and empty the slot.
void sound_release_buffer(LPDIRECTSOUNDBUFFER* buffer);
void sound_release_device(LPDIRECTSOUND* device);
