// What the host mixes from a scenario (`panelhost run --audio`): each sound
// of the module found where the scenario starts it, and nothing else.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t RATE = 22050;
constexpr std::size_t SAMPLES_PER_FRAME = RATE / 18;

struct Wave {
    unsigned rate = 0;
    unsigned bits = 0;
    std::vector<double> samples;  // -1..1, mono
};

std::uint32_t u32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
}

// A mono PCM file of 8 or 16 bits.
Wave read_wave(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    Wave w;
    for (std::size_t at = 12; at + 8 <= b.size(); at += 8 + u32(b, at + 4) + (u32(b, at + 4) & 1)) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4));
        const std::size_t body = at + 8;
        if (id == "fmt ") {
            w.rate = u32(b, body + 4);
            w.bits = b[body + 14];
        } else if (id == "data") {
            const std::size_t end = std::min<std::size_t>(b.size(), body + u32(b, at + 4));
            for (std::size_t i = body; i < end; i += w.bits / 8) {
                w.samples.push_back(w.bits == 8 ? (b[i] - 128) / 128.0
                                                : static_cast<std::int16_t>(b[i] | b[i + 1] << 8) / 32768.0);
            }
        }
    }
    return w;
}

// How closely the recording at `start` follows the sound (1: the same shape).
double correlation(const Wave& recording, std::size_t start, const Wave& sound) {
    const double step = static_cast<double>(sound.rate) / RATE;
    double xy = 0, xx = 0, yy = 0;
    for (std::size_t i = 0; start + i < recording.samples.size(); ++i) {
        const auto j = static_cast<std::size_t>(i * step);
        if (j >= sound.samples.size()) break;
        const double x = recording.samples[start + i];
        const double y = sound.samples[j];
        xy += x * y;
        xx += x * x;
        yy += y * y;
    }
    return xx > 0 && yy > 0 ? xy / std::sqrt(xx * yy) : 0.0;
}

// Where sound starts after at least `gap` seconds of silence.
std::vector<double> onsets(const Wave& recording, double gap = 0.3) {
    std::vector<double> out;
    std::size_t quiet = static_cast<std::size_t>(gap * RATE);
    for (std::size_t i = 0; i < recording.samples.size(); ++i) {
        if (std::abs(recording.samples[i]) > 0.01) {
            if (quiet >= gap * RATE) out.push_back(static_cast<double>(i) / RATE);
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return out;
}

struct Heard {
    double seconds;
    unsigned wave_id;
};

class SoundOutputTest : public ::testing::Test {
protected:
    fs::path out = fs::temp_directory_path() / ("vantor_mix_" + std::to_string(::getpid()) + ".wav");
    ~SoundOutputTest() override { fs::remove(out); }

    Wave mix(const std::string& scenario) {
        const std::string command = std::string(VANTOR_PANELHOST) + " run --panel " + VANTOR_EXAMPLES +
                                    "/panel.cfg --scenario " + scenario + " --audio " + out.string() + " >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return read_wave(out);
    }
    // Each sound starts at its frame, and no other sound is heard.
    void expect_heard(const Wave& recording, const std::vector<Heard>& expected) {
        ASSERT_EQ(recording.rate, RATE);
        std::vector<double> times;
        for (const Heard& h : expected) {
            const Wave sound = read_wave(fs::path(VANTOR_SOUNDS_DIR) / (std::to_string(h.wave_id) + ".wav"));
            const auto start = static_cast<std::size_t>(std::lround(h.seconds * 18)) * SAMPLES_PER_FRAME;
            EXPECT_GT(correlation(recording, start, sound), 0.99) << h.wave_id << " at " << h.seconds << " s";
            times.push_back(h.seconds);
        }
        const std::vector<double> heard = onsets(recording);
        ASSERT_EQ(heard.size(), times.size());
        for (std::size_t i = 0; i < heard.size(); ++i) {
            EXPECT_NEAR(heard[i], times[i], 0.06) << "sound " << i;
        }
    }
};

TEST_F(SoundOutputTest, ApproachSpeaksItsCalloutsInOrderAsTheHeightsPass) {
    // The switch turned on at the start and the RMI's selector at 2 s; then
    // the heights the scenario sets pass 2500, 1000, 500, 400 and 300 ft, the
    // decision height (200 ft) and 100 ft; the lower ones pass together with
    // 100 ft.
    expect_heard(mix(std::string(VANTOR_EXAMPLES) + "/approach.scenario"),
                 {{0, 10}, {2, 10}, {10, 1280}, {38, 1290}, {48, 1300}, {50, 1310}, {52, 1320}, {54, 1400}, {56, 1340}});
}

TEST_F(SoundOutputTest, EverySwitchClickIsHeard) {
    expect_heard(mix(std::string(VANTOR_TEST_DATA) + "/clicks.scenario"), {{0, 10}, {1, 10}, {2.5, 10}});
}

}  // namespace
