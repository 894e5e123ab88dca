// The 16 WAVE sounds: RIFF layout, format records and sizes the sound engine
// and its users rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "resource_files.h"

namespace {

constexpr std::uint16_t PCM = 1;
constexpr std::uint16_t MS_ADPCM = 2;

struct Expected {
    std::uint16_t tag;
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
    std::size_t fmt_size;
    std::size_t data_bytes;  // 0: any
    std::size_t min_total;   // 0: any
    std::size_t max_total;
};

std::map<std::uint32_t, Expected> expected_sounds() {
    std::map<std::uint32_t, Expected> e = {
        {10, {PCM, 1, 22050, 16, 16, 3828, 3872, 3872}},
        {20, {PCM, 1, 22050, 8, 16, 10304, 10380, 10380}},
        {30, {MS_ADPCM, 2, 22050, 4, 50, 1024, 1192, 1192}},
        {1280, {PCM, 1, 11025, 8, 16, 11322, 11366, 11366}},
    };
    for (std::uint32_t id = 1290; id <= 1400; id += 10) {
        e[id] = {PCM, 1, 11025, 8, 16, 0, 3317, 10270};
    }
    return e;
}

std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

struct Wave {
    std::vector<std::string> chunks;
    std::vector<std::uint8_t> fmt;
    std::vector<std::uint8_t> data;
};

// Walks the RIFF chunks; false with the reason on any inconsistency.
bool parse(const std::vector<std::uint8_t>& raw, Wave& w, std::string& error) {
    if (raw.size() < 12 || std::string(raw.begin(), raw.begin() + 4) != "RIFF" ||
        std::string(raw.begin() + 8, raw.begin() + 12) != "WAVE") {
        error = "not a RIFF/WAVE file";
        return false;
    }
    if (u32(raw, 4) + 8 != raw.size()) {
        error = "RIFF size does not match the file length";
        return false;
    }
    for (std::size_t pos = 12; pos < raw.size();) {
        if (pos + 8 > raw.size()) {
            error = "truncated chunk header";
            return false;
        }
        const std::string id(raw.begin() + static_cast<std::ptrdiff_t>(pos),
                             raw.begin() + static_cast<std::ptrdiff_t>(pos + 4));
        const std::size_t size = u32(raw, pos + 4);
        if (pos + 8 + size > raw.size()) {
            error = "chunk '" + id + "' runs past the end";
            return false;
        }
        std::vector<std::uint8_t> body(raw.begin() + static_cast<std::ptrdiff_t>(pos + 8),
                                       raw.begin() + static_cast<std::ptrdiff_t>(pos + 8 + size));
        w.chunks.push_back(id);
        if (id == "fmt ") {
            w.fmt = std::move(body);
        } else if (id == "data") {
            w.data = std::move(body);
        }
        pos += 8 + size + (size & 1);
    }
    if (w.fmt.size() < 16) {
        error = "no 'fmt ' chunk of at least 16 bytes";
        return false;
    }
    return true;
}

// Largest distance from silence as a fraction of full scale.
double peak(const Wave& w, int bits) {
    double p = 0;
    if (bits == 8) {
        for (std::uint8_t s : w.data) {
            p = std::max(p, std::abs(s - 128) / 128.0);
        }
    } else {
        for (std::size_t i = 0; i + 1 < w.data.size(); i += 2) {
            p = std::max(p, std::abs(static_cast<std::int16_t>(u16(w.data, i))) / 32768.0);
        }
    }
    return p;
}

TEST(Sounds, TheSixteenIdsAndNoOthers) {
    std::vector<std::uint32_t> want;
    for (const auto& [id, e] : expected_sounds()) {
        want.push_back(id);
    }
    EXPECT_EQ(sound_ids(), want);
}

TEST(Sounds, FormatsAndSizesAreThoseTheGaugesExpect) {
    for (const auto& [id, e] : expected_sounds()) {
        SCOPED_TRACE(id);
        const std::vector<std::uint8_t> raw = file_bytes(std::string(VANTOR_SOUNDS_DIR) + "/" + std::to_string(id) + ".wav");
        Wave w;
        std::string error;
        ASSERT_TRUE(parse(raw, w, error)) << error;
        const std::uint32_t channels = u16(w.fmt, 2);
        const std::uint32_t rate = u32(w.fmt, 4);
        const std::uint32_t average = u32(w.fmt, 8);
        const std::uint32_t align = u16(w.fmt, 12);
        const std::uint32_t bits = u16(w.fmt, 14);
        EXPECT_EQ(u16(w.fmt, 0), e.tag);
        EXPECT_EQ(channels, e.channels);
        EXPECT_EQ(rate, e.rate);
        EXPECT_EQ(bits, e.bits);
        EXPECT_EQ(w.fmt.size(), e.fmt_size);
        if (e.data_bytes != 0) {
            EXPECT_EQ(w.data.size(), e.data_bytes);
        }
        if (e.min_total != 0) {
            EXPECT_GE(raw.size(), e.min_total);
            EXPECT_LE(raw.size(), e.max_total);
        }
        // 'fmt ' and 'data', with the extra chunks such files carry.
        const std::map<std::uint32_t, std::vector<std::string>> extra_chunks = {
            {20, {"fmt ", "LIST", "data"}}, {30, {"fmt ", "fact", "data", "LIST"}}};
        const auto chunks = extra_chunks.find(id);
        EXPECT_EQ(w.chunks, chunks != extra_chunks.end() ? chunks->second : (std::vector<std::string>{"fmt ", "data"}));
        if (e.tag == PCM) {
            EXPECT_EQ(align, channels * bits / 8);
            EXPECT_EQ(average, rate * align);
            EXPECT_GE(peak(w, static_cast<int>(bits)), 0.1) << "near-silent";
        } else {
            // The Microsoft ADPCM extension: its size, samples per block and
            // the seven standard coefficient pairs.
            ASSERT_GE(w.fmt.size(), 22u + 4 * 7);
            EXPECT_EQ(u16(w.fmt, 16), w.fmt.size() - 18);
            EXPECT_EQ(u16(w.fmt, 18), (align - 7 * channels) * 8 / (bits * channels) + 2);
            ASSERT_EQ(u16(w.fmt, 20), 7u);
            const std::int16_t coefficients[7][2] = {{256, 0}, {512, -256}, {0, 0},     {192, 64},
                                                     {240, 0}, {460, -208}, {392, -232}};
            for (std::size_t i = 0; i < 7; ++i) {
                EXPECT_EQ(static_cast<std::int16_t>(u16(w.fmt, 22 + 4 * i)), coefficients[i][0]) << i;
                EXPECT_EQ(static_cast<std::int16_t>(u16(w.fmt, 24 + 4 * i)), coefficients[i][1]) << i;
            }
            ASSERT_NE(align, 0u);
            EXPECT_EQ(w.data.size() % align, 0u);
        }
    }
}

}  // namespace
