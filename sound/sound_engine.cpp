#include "sound/sound_engine.h"

#include <cstring>

#include "sound/ms_adpcm.h"
#include "sound/wave_reader.h"

namespace {

// Module-wide: sound is on from load until the first failure.
bool sound_available = true;

constexpr DWORD BUFFER_FLAGS = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME | DSBCAPS_GLOBALFOCUS;
constexpr DWORD PATH_BYTES = 260;

int sound_off() {
    sound_available = false;
    return 0;
}

// The program's file name without folder and extension, as `_splitpath`
// gives it.
void program_name(const char* path, char* name, DWORD size) {
    const char* start = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':') {
            start = p + 1;
        }
    }
    const char* end = std::strrchr(start, '.');
    if (end == nullptr) {
        end = start + std::strlen(start);
    }
    DWORD n = 0;
    for (; start + n < end && n + 1 < size; ++n) {
        name[n] = start[n];
    }
    name[n] = '\0';
}

// Where the sound's bytes go: the decoded PCM for Microsoft ADPCM, the data
// as it is otherwise.
struct Source {
    const WaveSound* wave;
    bool adpcm;
    MsAdpcmFormat adpcm_format;
    WAVEFORMATEX pcm_format;
    DWORD bytes;
};

// The format the buffer is created with, and its size; false when the
// sound cannot be decoded.
bool prepare(const WaveSound& wave, Source* source) {
    source->wave = &wave;
    source->adpcm = wave_format_tag(wave) == WAVE_FORMAT_ADPCM;
    if (!source->adpcm) {
        source->bytes = wave.data_bytes;
        return true;
    }
    if (!ms_adpcm_format(wave.format, wave.format_bytes, &source->adpcm_format)) {
        return false;
    }
    const MsAdpcmFormat& a = source->adpcm_format;
    source->bytes = ms_adpcm_decoded_bytes(a, wave.data_bytes);
    WAVEFORMATEX& f = source->pcm_format;
    std::memset(&f, 0, sizeof f);
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = static_cast<WORD>(a.channels);
    f.nSamplesPerSec = a.sample_rate;
    f.wBitsPerSample = 16;
    f.nBlockAlign = static_cast<WORD>(2 * a.channels);
    f.nAvgBytesPerSec = a.sample_rate * f.nBlockAlign;
    return source->bytes > 0;
}

WAVEFORMATEX* buffer_format(Source& source, WaveSound& wave) {
    return source.adpcm ? &source.pcm_format : reinterpret_cast<WAVEFORMATEX*>(wave.format);
}

// Fills the locked parts, never more than each part holds.
bool fill(const Source& source, ByteSink* sink) {
    if (source.adpcm) {
        return ms_adpcm_decode(source.adpcm_format, source.wave->data, source.wave->data_bytes, sink);
    }
    for (int i = 0; i < 2; ++i) {
        const DWORD left = source.bytes - sink->written;
        const DWORD n = sink->part_bytes[i] < left ? sink->part_bytes[i] : left;
        if (sink->part[i] != nullptr && n > 0) {
            std::memcpy(sink->part[i], source.wave->data + sink->written, n);
            sink->written += n;
        }
    }
    return true;
}

// A new buffer holding the sound at position 0, or null; `*bytes` is its size.
LPDIRECTSOUNDBUFFER create_buffer(LPDIRECTSOUND device, WaveSound& wave, DWORD* bytes) {
    Source source = {};
    if (!prepare(wave, &source)) {
        return nullptr;
    }
    *bytes = source.bytes;
    DSBUFFERDESC description;
    std::memset(&description, 0, sizeof description);
    description.dwSize = sizeof description;
    description.dwFlags = BUFFER_FLAGS;
    description.dwBufferBytes = source.bytes;
    description.lpwfxFormat = buffer_format(source, wave);
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (FAILED(device->CreateSoundBuffer(&description, &buffer, nullptr)) || buffer == nullptr) {
        return nullptr;
    }
    LPVOID part1 = nullptr;
    LPVOID part2 = nullptr;
    DWORD part1_bytes = 0;
    DWORD part2_bytes = 0;
    if (FAILED(buffer->Lock(0, source.bytes, &part1, &part1_bytes, &part2, &part2_bytes, 0))) {
        buffer->Release();
        return nullptr;
    }
    ByteSink sink = {{static_cast<unsigned char*>(part1), static_cast<unsigned char*>(part2)},
                     {part1 != nullptr ? part1_bytes : 0, part2 != nullptr ? part2_bytes : 0},
                     0};
    const bool filled = fill(source, &sink);
    if (FAILED(buffer->Unlock(part1, part1_bytes, part2, part2_bytes)) || !filled ||
        FAILED(buffer->SetCurrentPosition(0))) {
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

}  // namespace

HWND sound_find_host_window() {
    char path[PATH_BYTES] = {};
    char name[PATH_BYTES] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, PATH_BYTES);
    path[n < PATH_BYTES ? n : PATH_BYTES - 1] = '\0';
    program_name(path, name, PATH_BYTES);
    // Names shorter than four characters have no fourth one to test.
    const bool newer_host = (std::strlen(name) >= 4 && name[3] == '2') || name[0] == 'C';
    return FindWindowA(newer_host ? "MSCFSMAIN" : "FS98MAIN", nullptr);
}

int sound_create_device(HWND window, LPDIRECTSOUND* device) {
    *device = nullptr;
    LPDIRECTSOUND created = nullptr;
    if (FAILED(DirectSoundCreate(nullptr, &created, nullptr)) || created == nullptr) {
        return sound_off();
    }
    if (FAILED(created->SetCooperativeLevel(window, DSSCL_NORMAL))) {
        created->Release();
        return sound_off();
    }
    *device = created;
    return 1;
}

DWORD sound_load_resource(HWND, LPDIRECTSOUND* device, LPDIRECTSOUNDBUFFER* buffer, WORD id, HMODULE module) {
    if (!sound_available) {
        return 0;
    }
    *buffer = nullptr;
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), "WAVE");
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    const DWORD size = bytes != nullptr ? SizeofResource(module, found) : 0;
    WaveSound wave;
    LPDIRECTSOUNDBUFFER created = nullptr;
    DWORD buffer_bytes = 0;
    if (size > 0 && wave_read(static_cast<const unsigned char*>(bytes), size, &wave) && device != nullptr &&
        *device != nullptr) {
        created = create_buffer(*device, wave, &buffer_bytes);
    }
    if (loaded != nullptr) {
        FreeResource(loaded);
    }
    if (created == nullptr) {
        return static_cast<DWORD>(sound_off());
    }
    *buffer = created;
    return buffer_bytes;
}

int sound_play(LPDIRECTSOUNDBUFFER* buffer, DWORD flags) {
    if (!sound_available || *buffer == nullptr) {
        return 0;
    }
    if (FAILED((*buffer)->Play(0, 0, flags))) {
        sound_release_buffer(buffer);
        return sound_off();
    }
    return 1;
}

int sound_is_playing(LPDIRECTSOUNDBUFFER* buffer) {
    if (!sound_available || *buffer == nullptr) {
        return 0;
    }
    DWORD status = 0;
    if (FAILED((*buffer)->GetStatus(&status))) {
        sound_release_buffer(buffer);
        return sound_off();
    }
    return (status & DSBSTATUS_PLAYING) != 0 ? 1 : 0;
}

int sound_set_volume(LPDIRECTSOUNDBUFFER* buffer, LONG volume) {
    if (!sound_available || *buffer == nullptr) {
        return 0;
    }
    if (FAILED((*buffer)->SetVolume(volume))) {
        sound_release_buffer(buffer);
        return sound_off();
    }
    return 1;
}

void sound_release_buffer(LPDIRECTSOUNDBUFFER* buffer) {
    if (*buffer != nullptr) {
        (*buffer)->Release();
        *buffer = nullptr;
    }
}

void sound_release_device(LPDIRECTSOUND* device) {
    if (*device != nullptr) {
        (*device)->Release();
        *device = nullptr;
    }
}
