// Where the module's sounds go. Natively the platform library's buffers play
// into its mixer, which the host advances by one frame's worth of samples
// each frame (so a sound plays for as long as it lasts in panel time) and can
// record into a WAVE file. On Windows the system plays them; the host only
// provides the main window the module's sound engine looks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace host {

// The mix: mono, 16-bit, at this rate; 1225 samples a frame at 18 frames
// per second.
constexpr unsigned AUDIO_RATE = 22050;

class AudioOutput {
public:
    AudioOutput();
    ~AudioOutput();
    AudioOutput(const AudioOutput&) = delete;
    AudioOutput& operator=(const AudioOutput&) = delete;

    // One frame of sound passes: the only place where the mixer advances.
    void frame();
    // Called with each frame's mixed samples (a viewer plays them).
    using Listener = std::function<void(const std::int16_t* samples, std::size_t count)>;
    void set_listener(Listener listener) { listener_ = std::move(listener); }
    // Keep the mixed samples from now on.
    void start_recording() { recording_ = true; }
    const std::vector<std::int16_t>& recorded() const { return samples_; }
    // Writes what was recorded as a PCM WAVE file; throws HostError.
    void write_wave(const std::string& path) const;

private:
    bool recording_ = false;
    std::vector<std::int16_t> samples_;
    Listener listener_;
    void* window_ = nullptr;
};

}  // namespace host
