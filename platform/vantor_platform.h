// Host-side configuration of the native platform layer (not used by the module).
#pragma once

#include "platform/win32.h"

#if !defined(_WIN32)

extern "C" {

// Serves the resources of `module` (a dlopen handle) from `folder`
// (<folder>/bitmap/<id>.bmp, <folder>/WAVE/<id>.wav) instead of the folder
// beside the module file; a null folder restores the default. The setting
// follows the module's file, so it survives a reload. FALSE for a handle
// that is not a loaded object.
VANTOR_PLATFORM_API BOOL vantor_platform_set_resource_folder(HMODULE module, const char* folder);

}  // extern "C"

#endif
