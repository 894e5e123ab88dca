// The audio output and window services the sound engine calls. On Windows
// these are the system's own; elsewhere the same names are declared here and
// served by the vantor_platform library, which plays into the host's mixer.
#pragma once

#include "platform/win32.h"

#if defined(_WIN32)

#include <mmreg.h>
#include <dsound.h>

#else

#include <cstdint>

typedef std::int32_t HRESULT;
typedef std::int32_t LONG;
typedef DWORD* LPDWORD;

struct GUID {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

#pragma pack(push, 1)
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;  // extra format bytes that follow the record
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMATEX) == 18);

#define WAVE_FORMAT_PCM 1
#define WAVE_FORMAT_ADPCM 2

struct DSBUFFERDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    WAVEFORMATEX* lpwfxFormat;
    GUID guid3DAlgorithm;
};
typedef const DSBUFFERDESC* LPCDSBUFFERDESC;

#define DS_OK 0
#define MAKE_DSHRESULT(code) static_cast<HRESULT>(0x88780000u | (code))
#define DSERR_ALLOCATED MAKE_DSHRESULT(10)
#define DSERR_INVALIDPARAM static_cast<HRESULT>(0x80070057u)
#define DSERR_BADFORMAT MAKE_DSHRESULT(100)
#define DSERR_NODRIVER MAKE_DSHRESULT(120)
#define DSERR_INVALIDCALL MAKE_DSHRESULT(50)
#define DSERR_OUTOFMEMORY static_cast<HRESULT>(0x8007000Eu)
#define DSERR_BUFFERLOST MAKE_DSHRESULT(150)

#define DSSCL_NORMAL 1
#define DSBCAPS_CTRLFREQUENCY 0x20
#define DSBCAPS_CTRLPAN 0x40
#define DSBCAPS_CTRLVOLUME 0x80
#define DSBCAPS_GLOBALFOCUS 0x8000
#define DSBSTATUS_PLAYING 0x1
#define DSBVOLUME_MAX 0
#define DSBVOLUME_MIN (-10000)

// The methods the module calls, in the system's order.
struct IDirectSoundBuffer {
    virtual DWORD Release() = 0;
    virtual HRESULT GetStatus(LPDWORD status) = 0;
    virtual HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD part1_bytes, LPVOID* part2,
                         LPDWORD part2_bytes, DWORD flags) = 0;
    virtual HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) = 0;
    virtual HRESULT SetCurrentPosition(DWORD position) = 0;
    virtual HRESULT SetVolume(LONG volume) = 0;
    virtual HRESULT Unlock(LPVOID part1, DWORD part1_bytes, LPVOID part2, DWORD part2_bytes) = 0;

protected:
    ~IDirectSoundBuffer() = default;
};
typedef IDirectSoundBuffer* LPDIRECTSOUNDBUFFER;

struct IDirectSound {
    virtual DWORD Release() = 0;
    virtual HRESULT CreateSoundBuffer(LPCDSBUFFERDESC description, LPDIRECTSOUNDBUFFER* buffer, void* outer) = 0;
    virtual HRESULT SetCooperativeLevel(HWND window, DWORD level) = 0;

protected:
    ~IDirectSound() = default;
};
typedef IDirectSound* LPDIRECTSOUND;

#define FAILED(hr) (static_cast<HRESULT>(hr) < 0)
#define SUCCEEDED(hr) (static_cast<HRESULT>(hr) >= 0)

extern "C" {

// The default output device when `device` is null.
VANTOR_PLATFORM_API HRESULT WINAPI DirectSoundCreate(const GUID* device, LPDIRECTSOUND* created, void* outer);
// A top-level window of the class (any title when `title` is null).
VANTOR_PLATFORM_API HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR title);
// Natively only the program's own file (module null) is known.
VANTOR_PLATFORM_API DWORD WINAPI GetModuleFileNameA(HMODULE module, char* file, DWORD size);

}  // extern "C"

#endif
