#include "sound/ms_adpcm.h"

#include <cstdint>

#include "sound/wave_reader.h"

namespace {

constexpr UINT32 TAG_MS_ADPCM = 2;
constexpr UINT32 RECORD_BYTES = 18;
constexpr UINT32 HEADER_BYTES_PER_CHANNEL = 7;

constexpr SINT32 MAX_DELTA = 0x7FFFFF;
constexpr SINT32 ADAPTATION[16] = {230, 230, 230, 230, 307, 409, 512, 614, 768, 614, 512, 409, 307, 230, 230, 230};

struct Channel {
    SINT32 coefficient1;
    SINT32 coefficient2;
    SINT32 delta;
    SINT32 sample1;
    SINT32 sample2;
};

SINT32 signed16(UINT32 value) { return static_cast<SINT32>(value) - (value >= 0x8000 ? 0x10000 : 0); }

void put_sample(ByteSink* sink, SINT32 sample) {
    const UINT32 bits = static_cast<UINT32>(sample) & 0xFFFF;
    sink_put(sink, static_cast<unsigned char>(bits & 0xFF));
    sink_put(sink, static_cast<unsigned char>(bits >> 8));
}

SINT32 next_sample(Channel& c, UINT32 nibble) {
    const SINT32 error = static_cast<SINT32>(nibble) - (nibble >= 8 ? 16 : 0);
    std::int64_t predicted =
        (static_cast<std::int64_t>(c.sample1) * c.coefficient1 + static_cast<std::int64_t>(c.sample2) * c.coefficient2) >>
        8;
    predicted += static_cast<std::int64_t>(error) * c.delta;
    predicted = predicted < -32768 ? -32768 : predicted > 32767 ? 32767 : predicted;
    c.sample2 = c.sample1;
    c.sample1 = static_cast<SINT32>(predicted);
    // Bounded above so that hostile data cannot overflow the step.
    const std::int64_t delta = (static_cast<std::int64_t>(ADAPTATION[nibble]) * c.delta) >> 8;
    c.delta = static_cast<SINT32>(delta < 16 ? 16 : delta > MAX_DELTA ? MAX_DELTA : delta);
    return c.sample1;
}

// Frames a block of `bytes` holds, within the format's samples per block.
UINT32 frames_in_block(const MsAdpcmFormat& f, UINT32 bytes) {
    const UINT32 header = HEADER_BYTES_PER_CHANNEL * f.channels;
    if (bytes < header) {
        return 0;
    }
    const UINT32 frames = 2 + (bytes - header) * 2 / f.channels;
    return frames < f.samples_per_block ? frames : f.samples_per_block;
}

}  // namespace

void sink_put(ByteSink* sink, unsigned char byte) {
    UINT32 at = sink->written;
    for (int i = 0; i < 2; ++i) {
        if (sink->part[i] != nullptr && at < sink->part_bytes[i]) {
            sink->part[i][at] = byte;
            break;
        }
        at -= sink->part[i] != nullptr && at >= sink->part_bytes[i] ? sink->part_bytes[i] : 0;
    }
    ++sink->written;
}

bool ms_adpcm_format(const unsigned char* record, UINT32 record_bytes, MsAdpcmFormat* f) {
    if (record == nullptr || f == nullptr || record_bytes < RECORD_BYTES + 4 || read_u16(record) != TAG_MS_ADPCM) {
        return false;
    }
    const UINT32 extra = read_u16(record + 16);
    f->channels = read_u16(record + 2);
    f->sample_rate = read_u32(record + 4);
    f->block_align = read_u16(record + 12);
    f->samples_per_block = read_u16(record + 18);
    f->coefficient_count = read_u16(record + 20);
    const UINT32 bits = read_u16(record + 14);
    if (extra > record_bytes - RECORD_BYTES || (f->channels != 1 && f->channels != 2) || bits != 4 ||
        f->sample_rate == 0 || f->coefficient_count == 0 || f->coefficient_count > MS_ADPCM_MAX_COEFFICIENTS ||
        4 + 4 * f->coefficient_count > extra) {
        return false;
    }
    const UINT32 header = HEADER_BYTES_PER_CHANNEL * f->channels;
    if (f->block_align < header || f->samples_per_block < 2 ||
        f->samples_per_block > 2 + (f->block_align - header) * 2 / f->channels) {
        return false;
    }
    for (UINT32 i = 0; i < f->coefficient_count; ++i) {
        f->coefficients[i][0] = signed16(read_u16(record + 22 + 4 * i));
        f->coefficients[i][1] = signed16(read_u16(record + 24 + 4 * i));
    }
    return true;
}

UINT32 ms_adpcm_decoded_bytes(const MsAdpcmFormat& f, UINT32 data_bytes) {
    const UINT32 blocks = data_bytes / f.block_align;
    const UINT32 frames = blocks * f.samples_per_block + frames_in_block(f, data_bytes % f.block_align);
    const UINT32 frame_bytes = 2 * f.channels;
    return frames > 0xFFFFFFFFu / frame_bytes ? 0 : frames * frame_bytes;
}

bool ms_adpcm_decode(const MsAdpcmFormat& f, const unsigned char* data, UINT32 data_bytes, ByteSink* sink) {
    for (UINT32 start = 0; start < data_bytes; start += f.block_align) {
        const UINT32 bytes = data_bytes - start < f.block_align ? data_bytes - start : f.block_align;
        const UINT32 frames = frames_in_block(f, bytes);
        if (frames == 0) {
            break;
        }
        const unsigned char* p = data + start;
        const UINT32 n = f.channels;
        Channel channel[2] = {};
        for (UINT32 c = 0; c < n; ++c) {
            const UINT32 predictor = p[c];
            if (predictor >= f.coefficient_count) {
                return false;
            }
            channel[c].coefficient1 = f.coefficients[predictor][0];
            channel[c].coefficient2 = f.coefficients[predictor][1];
            channel[c].delta = signed16(read_u16(p + n + 2 * c));
            channel[c].sample1 = signed16(read_u16(p + 3 * n + 2 * c));
            channel[c].sample2 = signed16(read_u16(p + 5 * n + 2 * c));
        }
        // The header's older sample comes first.
        for (UINT32 c = 0; c < n; ++c) {
            put_sample(sink, channel[c].sample2);
        }
        for (UINT32 c = 0; c < n; ++c) {
            put_sample(sink, channel[c].sample1);
        }
        // Then nibbles, high first, channels interleaved.
        const unsigned char* nibbles = p + HEADER_BYTES_PER_CHANNEL * n;
        for (UINT32 i = 0; i < (frames - 2) * n; ++i) {
            const UINT32 byte = nibbles[i / 2];
            const UINT32 nibble = i % 2 == 0 ? byte >> 4 : byte & 0xF;
            put_sample(sink, next_sample(channel[i % n], nibble));
        }
    }
    return true;
}
