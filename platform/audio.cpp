// The audio output natively: devices and secondary buffers as the module
// uses them, played into a mixer that the host advances; and the window and
// program-file lookups the module makes to find the host's window.
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/call_log.h"
#include "platform/vantor_platform.h"

namespace {

class Device;

class Buffer final : public IDirectSoundBuffer {
public:
    Buffer(Device* device, const WAVEFORMATEX& format, DWORD bytes)
        : device_(device), format_(format), bytes_(bytes, format.wBitsPerSample == 8 ? 0x80 : 0) {}

    DWORD Release() override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD part1_bytes, LPVOID* part2, LPDWORD part2_bytes,
                 DWORD flags) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD position) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT Unlock(LPVOID part1, DWORD part1_bytes, LPVOID part2, DWORD part2_bytes) override;

    // Adds `samples` output samples at `rate` into `out` (may be null).
    void mix(std::int16_t* out, std::size_t samples, unsigned rate);
    void detach() { device_ = nullptr; }
    // Buffers are told apart in the log by their size.
    std::string name() const { return std::to_string(bytes_.size()) + " bytes"; }

private:
    double sample_at(std::size_t frame) const;

    Device* device_;
    WAVEFORMATEX format_;
    std::vector<unsigned char> bytes_;
    double position_ = 0.0;  // in the buffer's frames
    LONG volume_ = 0;
    bool playing_ = false;
    bool locked_ = false;
    void* locked_part1_ = nullptr;
};

class Device final : public IDirectSound {
public:
    DWORD Release() override;
    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC description, LPDIRECTSOUNDBUFFER* buffer, void* outer) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;

    std::set<Buffer*> buffers;

private:
    bool cooperative_ = false;
};

struct Audio {
    std::recursive_mutex lock;
    std::set<Device*> devices;
    std::set<Buffer*> buffers;
    std::string program_file;  // empty: the real one
    std::map<std::string, HWND> windows;
};

Audio& audio() {
    static Audio a;
    return a;
}

using Guard = std::lock_guard<std::recursive_mutex>;

std::string hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", value);
    return text;
}

std::string result(HRESULT hr) { return hr == DS_OK ? "0" : hex(static_cast<std::uint32_t>(hr)); }

// A failure the host planned for this call, or DS_OK.
HRESULT planned(const char* function, HRESULT failure) {
    return platform::planned_failure(function) ? failure : DS_OK;
}

// --- Buffer -----------------------------------------------------------------

DWORD Buffer::Release() {
    Guard guard(audio().lock);
    platform::log_call("Release buffer " + name());
    if (device_ != nullptr) {
        device_->buffers.erase(this);
    }
    audio().buffers.erase(this);
    delete this;
    return 0;
}

HRESULT Buffer::GetStatus(LPDWORD status) {
    Guard guard(audio().lock);
    HRESULT hr = status == nullptr ? DSERR_INVALIDPARAM : planned("GetStatus", DSERR_BUFFERLOST);
    if (hr == DS_OK) {
        *status = playing_ ? DSBSTATUS_PLAYING : 0;
    }
    platform::log_call("GetStatus " + name() + " -> " + result(hr) + (hr == DS_OK && playing_ ? " playing" : ""));
    return hr;
}

HRESULT Buffer::Lock(DWORD offset, DWORD bytes, LPVOID* part1, LPDWORD part1_bytes, LPVOID* part2,
                     LPDWORD part2_bytes, DWORD flags) {
    Guard guard(audio().lock);
    const DWORD size = static_cast<DWORD>(bytes_.size());
    HRESULT hr = DS_OK;
    if (part1 == nullptr || part1_bytes == nullptr || offset >= size || bytes == 0 || bytes > size || locked_) {
        hr = DSERR_INVALIDPARAM;
    } else {
        hr = planned("Lock", DSERR_BUFFERLOST);
    }
    if (hr == DS_OK) {
        // A region that runs past the end continues at the start: two parts.
        const DWORD first = std::min(bytes, size - offset);
        *part1 = bytes_.data() + offset;
        *part1_bytes = first;
        if (part2 != nullptr && part2_bytes != nullptr) {
            *part2 = first < bytes ? bytes_.data() : nullptr;
            *part2_bytes = bytes - first;
        }
        locked_ = true;
        locked_part1_ = *part1;
    }
    platform::log_call("Lock " + std::to_string(offset) + " " + std::to_string(bytes) + " " + hex(flags) + " -> " +
                       result(hr));
    return hr;
}

HRESULT Buffer::Play(DWORD reserved, DWORD priority, DWORD flags) {
    Guard guard(audio().lock);
    HRESULT hr = reserved != 0 ? DSERR_INVALIDPARAM : planned("Play", DSERR_BUFFERLOST);
    if (hr == DS_OK) {
        playing_ = true;
    }
    platform::log_call("Play " + name() + " " + std::to_string(priority) + " " + hex(flags) + " -> " + result(hr));
    return hr;
}

HRESULT Buffer::SetCurrentPosition(DWORD position) {
    Guard guard(audio().lock);
    HRESULT hr = position >= bytes_.size() ? DSERR_INVALIDPARAM : planned("SetCurrentPosition", DSERR_BUFFERLOST);
    if (hr == DS_OK) {
        position_ = position / format_.nBlockAlign;
    }
    platform::log_call("SetCurrentPosition " + std::to_string(position) + " -> " + result(hr));
    return hr;
}

HRESULT Buffer::SetVolume(LONG volume) {
    Guard guard(audio().lock);
    HRESULT hr = volume > DSBVOLUME_MAX || volume < DSBVOLUME_MIN ? DSERR_INVALIDPARAM
                                                                  : planned("SetVolume", DSERR_BUFFERLOST);
    if (hr == DS_OK) {
        volume_ = volume;
    }
    platform::log_call("SetVolume " + name() + " " + std::to_string(volume) + " -> " + result(hr));
    return hr;
}

HRESULT Buffer::Unlock(LPVOID part1, DWORD part1_bytes, LPVOID part2, DWORD part2_bytes) {
    Guard guard(audio().lock);
    HRESULT hr = !locked_ || part1 != locked_part1_ ? DSERR_INVALIDPARAM : planned("Unlock", DSERR_INVALIDCALL);
    if (hr == DS_OK) {
        locked_ = false;
    }
    platform::log_call("Unlock " + std::to_string(part1_bytes) + " " + std::to_string(part2 != nullptr ? part2_bytes : 0) +
                       " -> " + result(hr));
    return hr;
}

double Buffer::sample_at(std::size_t frame) const {
    const std::size_t at = frame * format_.nBlockAlign;
    double sum = 0.0;
    for (WORD c = 0; c < format_.nChannels; ++c) {
        if (format_.wBitsPerSample == 8) {
            sum += (bytes_[at + c] - 128) / 128.0;
        } else {
            const std::size_t i = at + 2u * c;
            sum += static_cast<std::int16_t>(bytes_[i] | bytes_[i + 1] << 8) / 32768.0;
        }
    }
    return sum / format_.nChannels;
}

void Buffer::mix(std::int16_t* out, std::size_t samples, unsigned rate) {
    if (!playing_ || locked_ || rate == 0) {
        return;
    }
    const std::size_t frames = bytes_.size() / format_.nBlockAlign;
    const double step = static_cast<double>(format_.nSamplesPerSec) / rate;
    const double gain = std::pow(10.0, volume_ / 2000.0);
    for (std::size_t i = 0; i < samples; ++i) {
        const auto frame = static_cast<std::size_t>(position_);
        if (frame >= frames) {
            playing_ = false;
            position_ = 0.0;
            return;
        }
        if (out != nullptr) {
            const double mixed = out[i] + sample_at(frame) * gain * 32767.0;
            out[i] = static_cast<std::int16_t>(std::clamp(std::lround(mixed), -32768L, 32767L));
        }
        position_ += step;
    }
    if (static_cast<std::size_t>(position_) >= frames) {
        playing_ = false;
        position_ = 0.0;
    }
}

// --- Device -----------------------------------------------------------------

DWORD Device::Release() {
    Guard guard(audio().lock);
    platform::log_call("Release device");
    // Buffers outlive their device until released, as on the real API.
    for (Buffer* b : buffers) {
        b->detach();
    }
    audio().devices.erase(this);
    delete this;
    return 0;
}

// Only PCM, 8 or 16 bits, one or two channels, with a consistent record.
bool playable(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nSamplesPerSec >= 100 &&
           f.nSamplesPerSec <= 200000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 &&
           f.nAvgBytesPerSec == f.nSamplesPerSec * f.nBlockAlign;
}

HRESULT Device::CreateSoundBuffer(LPCDSBUFFERDESC d, LPDIRECTSOUNDBUFFER* buffer, void* outer) try {
    Guard guard(audio().lock);
    std::string line = "CreateSoundBuffer";
    HRESULT hr = DS_OK;
    if (d == nullptr || buffer == nullptr || outer != nullptr || d->dwSize != sizeof(DSBUFFERDESC) ||
        d->lpwfxFormat == nullptr || d->dwBufferBytes < 4 || d->dwBufferBytes > 0x0FFFFFFF) {
        hr = DSERR_INVALIDPARAM;
    } else {
        const WAVEFORMATEX& f = *d->lpwfxFormat;
        line += " " + hex(d->dwFlags) + " " + std::to_string(d->dwBufferBytes) + " tag " + std::to_string(f.wFormatTag) +
                " " + std::to_string(f.nChannels) + "ch " + std::to_string(f.nSamplesPerSec) + " Hz " +
                std::to_string(f.wBitsPerSample) + " bits";
        if (!cooperative_) {
            hr = DSERR_INVALIDCALL;
        } else if (!playable(f)) {
            hr = DSERR_BADFORMAT;
        } else if (d->dwBufferBytes % f.nBlockAlign != 0) {
            hr = DSERR_INVALIDPARAM;
        } else {
            hr = planned("CreateSoundBuffer", DSERR_OUTOFMEMORY);
        }
        if (hr == DS_OK) {
            Buffer* b = new Buffer(this, f, d->dwBufferBytes);
            buffers.insert(b);
            audio().buffers.insert(b);
            *buffer = b;
        }
    }
    if (hr != DS_OK && buffer != nullptr) {
        *buffer = nullptr;
    }
    platform::log_call(line + " -> " + result(hr));
    return hr;
} catch (...) {
    return DSERR_OUTOFMEMORY;
}

HRESULT Device::SetCooperativeLevel(HWND window, DWORD level) {
    Guard guard(audio().lock);
    HRESULT hr = window == nullptr || level < 1 || level > 4 ? DSERR_INVALIDPARAM
                                                            : planned("SetCooperativeLevel", DSERR_ALLOCATED);
    if (hr == DS_OK) {
        cooperative_ = true;
    }
    platform::log_call("SetCooperativeLevel " + std::to_string(level) + (window == nullptr ? " no window" : "") +
                       " -> " + result(hr));
    return hr;
}

}  // namespace

extern "C" {

HRESULT WINAPI DirectSoundCreate(const GUID* device, LPDIRECTSOUND* created, void* outer) {
    try {
        Guard guard(audio().lock);
        HRESULT hr = created == nullptr || outer != nullptr ? DSERR_INVALIDPARAM
                     : device != nullptr                     ? DSERR_NODRIVER
                                                             : planned("DirectSoundCreate", DSERR_NODRIVER);
        if (hr == DS_OK) {
            Device* d = new Device;
            audio().devices.insert(d);
            *created = d;
        } else if (created != nullptr) {
            *created = nullptr;
        }
        platform::log_call("DirectSoundCreate -> " + result(hr));
        return hr;
    } catch (...) {
        return DSERR_OUTOFMEMORY;
    }
}

HWND WINAPI FindWindowA(LPCSTR class_name, LPCSTR) {
    try {
        Guard guard(audio().lock);
        const std::string name = class_name != nullptr && !IS_INTRESOURCE(class_name) ? class_name : "";
        const auto it = audio().windows.find(name);
        HWND found = it == audio().windows.end() ? nullptr : it->second;
        platform::log_call("FindWindowA " + name + (found == nullptr ? " -> none" : " -> found"));
        return found;
    } catch (...) {
        return nullptr;
    }
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, char* file, DWORD size) {
    try {
        std::string path;
        {
            Guard guard(audio().lock);
            path = audio().program_file;
        }
        if (module != nullptr || file == nullptr || size == 0) {
            return 0;
        }
        if (path.empty()) {
            char buffer[4096];
            const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
            path.assign(buffer, n > 0 ? static_cast<std::size_t>(n) : 0);
        }
        // As on Windows: truncated to the buffer, always terminated.
        const std::size_t n = std::min<std::size_t>(path.size(), size - 1);
        std::memcpy(file, path.data(), n);
        file[n] = '\0';
        return static_cast<DWORD>(n);
    } catch (...) {
        return 0;
    }
}

void vantor_platform_set_program_file(const char* path) {
    try {
        Guard guard(audio().lock);
        audio().program_file = path != nullptr ? path : "";
    } catch (...) {
    }
}

void vantor_platform_set_window(const char* class_name, HWND window) {
    if (class_name == nullptr) {
        return;
    }
    try {
        Guard guard(audio().lock);
        if (window == nullptr) {
            audio().windows.erase(class_name);
        } else {
            audio().windows[class_name] = window;
        }
    } catch (...) {
    }
}

unsigned vantor_platform_live_devices(void) {
    Guard guard(audio().lock);
    return static_cast<unsigned>(audio().devices.size());
}

unsigned vantor_platform_live_buffers(void) {
    Guard guard(audio().lock);
    return static_cast<unsigned>(audio().buffers.size());
}

void vantor_platform_mix(std::int16_t* out, std::size_t samples, unsigned rate) {
    Guard guard(audio().lock);
    for (Buffer* b : audio().buffers) {
        b->mix(out, samples, rate);
    }
}

}  // extern "C"
