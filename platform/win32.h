// The Win32 subset the module calls. On Windows this is <windows.h>; elsewhere
// the same names are declared here and served by the vantor_platform library.
#pragma once

#if defined(_WIN32)

#include <windows.h>

#else

#include <cstdint>

#if defined(VANTOR_PLATFORM_BUILD)
#define VANTOR_PLATFORM_API __attribute__((visibility("default")))
#else
#define VANTOR_PLATFORM_API
#endif

#define WINAPI

typedef int BOOL;
typedef std::uint32_t DWORD;
typedef std::uint16_t WORD;
typedef const char* LPCSTR;
typedef void* LPVOID;

// Distinct handle types, as Windows declares them with STRICT.
typedef struct HINSTANCE__* HMODULE;
typedef struct HRSRC__* HRSRC;
typedef void* HGLOBAL;
typedef struct HWND__* HWND;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define MAKEINTRESOURCEA(id) (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id))))
#define IS_INTRESOURCE(name) ((reinterpret_cast<std::uintptr_t>(name) >> 16) == 0)
#define RT_BITMAP MAKEINTRESOURCEA(2)

extern "C" {

// Natively `module` is the dlopen handle of the module. A bitmap resource is
// the bitmap file without its 14-byte file header; any other type is the
// whole file. Failures return null or 0.
VANTOR_PLATFORM_API HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
VANTOR_PLATFORM_API HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
VANTOR_PLATFORM_API LPVOID WINAPI LockResource(HGLOBAL loaded);
VANTOR_PLATFORM_API DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
VANTOR_PLATFORM_API BOOL WINAPI FreeResource(HGLOBAL loaded);

}  // extern "C"

#endif
