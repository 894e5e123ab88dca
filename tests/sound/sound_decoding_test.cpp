// The engine's Microsoft ADPCM decoder against sox's: the module's radio
// click and sounds that sox encodes here, decoded into one region or two.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "sound/ms_adpcm.h"
#include "sound/wave_reader.h"

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> read_file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

std::vector<std::int16_t> samples_of(const std::vector<unsigned char>& bytes) {
    std::vector<std::int16_t> out(bytes.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<std::int16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
    }
    return out;
}

struct Decoded {
    bool ok = false;
    std::vector<std::int16_t> samples;
};

// Decodes with the engine's code, the output split after `split` bytes.
Decoded decode(const std::vector<unsigned char>& file, std::size_t split = 0) {
    Decoded d;
    WaveSound wave;
    MsAdpcmFormat format;
    if (!wave_read(file.data(), static_cast<UINT32>(file.size()), &wave) ||
        !ms_adpcm_format(wave.format, wave.format_bytes, &format)) {
        return d;
    }
    std::vector<unsigned char> out(ms_adpcm_decoded_bytes(format, wave.data_bytes));
    if (split == 0 || split > out.size()) split = out.size();
    std::vector<unsigned char> second(out.size() - split);
    ByteSink sink = {{out.data(), second.data()}, {static_cast<UINT32>(split), static_cast<UINT32>(second.size())}, 0};
    d.ok = ms_adpcm_decode(format, wave.data, wave.data_bytes, &sink);
    std::copy(second.begin(), second.end(), out.begin() + static_cast<std::ptrdiff_t>(split));
    d.samples = samples_of(out);
    return d;
}

class AdpcmTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("vantor_adpcm_" + std::to_string(::getpid()));
    AdpcmTest() { fs::create_directories(dir); }
    ~AdpcmTest() override { fs::remove_all(dir); }

    std::vector<std::int16_t> sox_decode(const fs::path& adpcm) {
        const fs::path raw = dir / "sox.raw";
        EXPECT_TRUE(run("sox '" + adpcm.string() + "' -t raw -e signed -b 16 -L '" + raw.string() + "'"));
        return samples_of(read_file(raw));
    }
    void expect_same_as_sox(const fs::path& adpcm) {
        SCOPED_TRACE(adpcm.filename().string());
        const std::vector<unsigned char> file = read_file(adpcm);
        const std::vector<std::int16_t> reference = sox_decode(adpcm);
        ASSERT_FALSE(reference.empty());
        for (std::size_t split : {std::size_t{0}, std::size_t{1}, std::size_t{333}}) {
            const Decoded ours = decode(file, split);
            ASSERT_TRUE(ours.ok);
            // sox stops at the sample count its 'fact' chunk gives; the rest
            // of the last block is padding.
            ASSERT_GE(ours.samples.size(), reference.size());
            ASSERT_LT(ours.samples.size() - reference.size(), 4096u);
            EXPECT_TRUE(std::equal(reference.begin(), reference.end(), ours.samples.begin())) << "split " << split;
        }
    }
};

TEST_F(AdpcmTest, RadioClickDecodesAsSoxDecodesIt) {
    expect_same_as_sox(fs::path(VANTOR_SOUNDS_DIR) / "30.wav");
}

TEST_F(AdpcmTest, SoundsSoxEncodesDecodeAsSoxDecodesThem) {
    if (!run("sox --version >/dev/null")) GTEST_SKIP() << "sox is not installed (scripts/setup.sh installs it)";
    struct Row {
        const char* name;
        const char* synth;
    };
    const Row rows[] = {
        {"mono_8k_noise", "-r 8000 -c 1 -b 16 -n %s synth 0.37 pinknoise gain -6"},
        {"stereo_odd", "-r 44100 -c 2 -b 16 -n %s synth 12345s sine 300:3000 square 55 gain -1"},
        {"loud_square", "-r 22050 -c 1 -b 16 -n %s synth 0.2 square 100 gain 6"},
    };
    for (const Row& row : rows) {
        const fs::path pcm = dir / (std::string(row.name) + "_pcm.wav");
        const fs::path adpcm = dir / (std::string(row.name) + ".wav");
        char synth[256];
        std::snprintf(synth, sizeof synth, row.synth, ("'" + pcm.string() + "'").c_str());
        ASSERT_TRUE(run(std::string("sox -R ") + synth));
        ASSERT_TRUE(run("sox -R '" + pcm.string() + "' -e ms-adpcm '" + adpcm.string() + "'"));
        expect_same_as_sox(adpcm);
    }
}

TEST(AdpcmFormat, InconsistentRecordsAndBlocksAreRefused) {
    const std::vector<unsigned char> click = read_file(fs::path(VANTOR_SOUNDS_DIR) / "30.wav");
    WaveSound wave;
    ASSERT_TRUE(wave_read(click.data(), static_cast<UINT32>(click.size()), &wave));
    MsAdpcmFormat format;
    ASSERT_TRUE(ms_adpcm_format(wave.format, wave.format_bytes, &format));
    EXPECT_EQ(format.channels, 2u);
    EXPECT_EQ(ms_adpcm_decoded_bytes(format, wave.data_bytes), 1012u * 4);

    struct Patch {
        const char* what;
        std::size_t at;
        unsigned char value;
    };
    const Patch patches[] = {
        {"three channels", 2, 3}, {"8 bits", 14, 8}, {"no coefficients", 20, 0},
        {"more coefficients than the extra bytes hold", 20, 9}, {"block too small for its header", 12, 10},
        {"more samples per block than a block holds", 19, 0x10},
    };
    for (const Patch& p : patches) {
        unsigned char record[WAVE_FORMAT_RECORD_MAX];
        std::copy(wave.format, wave.format + wave.format_bytes, record);
        record[p.at] = p.value;
        if (p.at == 12) record[13] = 0;
        EXPECT_FALSE(ms_adpcm_format(record, wave.format_bytes, &format)) << p.what;
    }
    EXPECT_FALSE(ms_adpcm_format(wave.format, 20, &format)) << "record cut short";

    ASSERT_TRUE(ms_adpcm_format(wave.format, wave.format_bytes, &format));
    std::vector<unsigned char> data(wave.data, wave.data + wave.data_bytes);
    data[0] = 7;  // the left channel's predictor: the format has 7 (0..6)
    std::vector<unsigned char> out(ms_adpcm_decoded_bytes(format, wave.data_bytes));
    ByteSink sink = {{out.data(), nullptr}, {static_cast<UINT32>(out.size()), 0}, 0};
    EXPECT_FALSE(ms_adpcm_decode(format, data.data(), static_cast<UINT32>(data.size()), &sink));
    EXPECT_EQ(ms_adpcm_decoded_bytes(format, 13), 0u) << "less than a block header decodes to nothing";

    // The largest step with the steepest growth, block after block: the step
    // stays bounded and the samples within 16 bits (the sanitizer build
    // checks the arithmetic).
    std::vector<unsigned char> steep(wave.data_bytes, 0x88);
    for (int c = 0; c < 2; ++c) {
        steep[static_cast<std::size_t>(c)] = 0;
        steep[static_cast<std::size_t>(2 + 2 * c)] = 0xFF;
        steep[static_cast<std::size_t>(3 + 2 * c)] = 0x7F;
    }
    std::vector<unsigned char> loud(ms_adpcm_decoded_bytes(format, wave.data_bytes));
    ByteSink loud_sink = {{loud.data(), nullptr}, {static_cast<UINT32>(loud.size()), 0}, 0};
    EXPECT_TRUE(ms_adpcm_decode(format, steep.data(), static_cast<UINT32>(steep.size()), &loud_sink));
    EXPECT_EQ(loud_sink.written, loud.size());
}

}  // namespace
