// Microsoft ADPCM (format tag 2) decoded to 16-bit PCM, because the audio
// output's secondary buffers take only PCM.
#pragma once

#include "frame/host_types.h"

constexpr UINT32 MS_ADPCM_MAX_COEFFICIENTS = 256;

struct MsAdpcmFormat {
    UINT32 channels;
    UINT32 sample_rate;
    UINT32 block_align;
    UINT32 samples_per_block;
    UINT32 coefficient_count;
    SINT32 coefficients[MS_ADPCM_MAX_COEFFICIENTS][2];
};

// Reads a format record (18 bytes and its extra bytes); false unless it is a
// consistent Microsoft ADPCM record of one or two channels.
bool ms_adpcm_format(const unsigned char* record, UINT32 record_bytes, MsAdpcmFormat* format);

// Bytes of 16-bit PCM that `data_bytes` of encoded blocks decode to (a short
// last block decodes as far as it goes); 0 when nothing decodes.
UINT32 ms_adpcm_decoded_bytes(const MsAdpcmFormat& format, UINT32 data_bytes);

// Where decoded bytes go: a region of up to two parts, as a locked audio
// buffer is; bytes beyond both parts are dropped.
struct ByteSink {
    unsigned char* part[2];
    UINT32 part_bytes[2];
    UINT32 written;
};

// Decodes the blocks into the sink; false when a block names a predictor
// the format does not have.
bool ms_adpcm_decode(const MsAdpcmFormat& format, const unsigned char* data, UINT32 data_bytes, ByteSink* sink);

// Puts one byte into the sink.
void sink_put(ByteSink* sink, unsigned char byte);
