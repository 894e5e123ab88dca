#include "host/audio_output.h"

#include <cmath>
#include <fstream>

#include "host/host_error.h"
#include "host/simulation.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include "platform/vantor_platform.h"
#endif

namespace host {
namespace {

constexpr std::size_t SAMPLES_PER_FRAME = static_cast<std::size_t>(AUDIO_RATE / FRAMES_PER_SECOND);
static_assert(SAMPLES_PER_FRAME * 18 == AUDIO_RATE);

// The window classes the module's sound engine searches for the host's main
// window: the simulator names it one of these.
constexpr const char* WINDOW_CLASSES[] = {"FS98MAIN", "MSCFSMAIN"};

void put16(std::ofstream& out, std::uint32_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8 & 0xFF)};
    out.write(b, 2);
}
void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

#if defined(_WIN32)

AudioOutput::AudioOutput() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const char* name : WINDOW_CLASSES) {
        WNDCLASSA c = {};
        c.lpfnWndProc = DefWindowProcA;
        c.hInstance = instance;
        c.lpszClassName = name;
        RegisterClassA(&c);
    }
    // Hidden; found by class. Where no window can be made the module's
    // sound engine gets none, and decides what that means.
    window_ = CreateWindowExA(0, WINDOW_CLASSES[0], "panel host", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr, nullptr,
                              instance, nullptr);
}

AudioOutput::~AudioOutput() {
    if (window_ != nullptr) {
        DestroyWindow(static_cast<HWND>(window_));
    }
}

void AudioOutput::frame() {}

#else

AudioOutput::AudioOutput() {
    // A handle of our own stands for the main window.
    window_ = this;
    for (const char* name : WINDOW_CLASSES) {
        vantor_platform_set_window(name, static_cast<HWND>(window_));
    }
}

AudioOutput::~AudioOutput() {
    for (const char* name : WINDOW_CLASSES) {
        vantor_platform_set_window(name, nullptr);
    }
}

void AudioOutput::frame() {
    if (!recording_ && !listener_) {
        vantor_platform_mix(nullptr, SAMPLES_PER_FRAME, AUDIO_RATE);
        return;
    }
    std::int16_t mixed[SAMPLES_PER_FRAME] = {};
    vantor_platform_mix(mixed, SAMPLES_PER_FRAME, AUDIO_RATE);
    if (recording_) samples_.insert(samples_.end(), mixed, mixed + SAMPLES_PER_FRAME);
    if (listener_) listener_(mixed, SAMPLES_PER_FRAME);
}

#endif

void AudioOutput::write_wave(const std::string& path) const {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    const auto data_bytes = static_cast<std::uint32_t>(samples_.size() * 2);
    out.write("RIFF", 4);
    put32(out, 36 + data_bytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, 1);  // mono
    put32(out, AUDIO_RATE);
    put32(out, AUDIO_RATE * 2);
    put16(out, 2);
    put16(out, 16);
    out.write("data", 4);
    put32(out, data_bytes);
    for (std::int16_t s : samples_) {
        put16(out, static_cast<std::uint16_t>(s));
    }
    if (!out.flush()) {
        throw HostError("cannot write " + path);
    }
}

}  // namespace host
