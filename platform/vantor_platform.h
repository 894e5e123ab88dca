// Host-side configuration of the native platform layer (not used by the module).
#pragma once

#include "platform/audio_api.h"

#if !defined(_WIN32)

#include <cstddef>
#include <cstdint>

extern "C" {

// Serves the resources of `module` (a dlopen handle) from `folder`
// (<folder>/bitmap/<id>.bmp, <folder>/WAVE/<id>.wav) instead of the folder
// beside the module file; a null folder restores the default. The setting
// follows the module's file, so it survives a reload. FALSE for a handle
// that is not a loaded object.
VANTOR_PLATFORM_API BOOL vantor_platform_set_resource_folder(HMODULE module, const char* folder);

// The file GetModuleFileNameA(null) reports; null restores the program's own.
VANTOR_PLATFORM_API void vantor_platform_set_program_file(const char* path);
// FindWindowA(class_name) answers `window`; a null window removes the class.
VANTOR_PLATFORM_API void vantor_platform_set_window(const char* class_name, HWND window);

// Fault injection: the `nth` call (1 = the next one) of the named function
// from now on fails as the system reports such a failure. Names are the
// functions' own ("DirectSoundCreate", "Lock", "FindResourceA", ...).
VANTOR_PLATFORM_API void vantor_platform_fail_call(const char* function, unsigned nth);
VANTOR_PLATFORM_API void vantor_platform_clear_failures(void);

// Every audio, window and resource call since the last clear, one line each
// ("Play 0 0 0 -> 0"). Returns the log's length; copies at most
// capacity - 1 bytes and a terminating zero.
VANTOR_PLATFORM_API std::size_t vantor_platform_call_log(char* out, std::size_t capacity);
VANTOR_PLATFORM_API void vantor_platform_clear_call_log(void);

// Audio objects not yet released.
VANTOR_PLATFORM_API unsigned vantor_platform_live_devices(void);
VANTOR_PLATFORM_API unsigned vantor_platform_live_buffers(void);

// Advances every playing buffer by `samples` at `rate` samples per second
// and adds their sound, at each buffer's volume, into mono 16-bit `out`
// (null: advance only). A buffer that reaches its end stops and rewinds.
VANTOR_PLATFORM_API void vantor_platform_mix(std::int16_t* out, std::size_t samples, unsigned rate);

}  // extern "C"

#endif
