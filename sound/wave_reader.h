// Reading a WAVE sound from the bytes of a resource that may be malformed:
// every chunk is checked against the bytes that hold it.
#pragma once

#include "frame/host_types.h"

// The largest format record the engine accepts: the 18-byte record and its
// extra bytes (Microsoft ADPCM has 32).
constexpr UINT32 WAVE_FORMAT_RECORD_MAX = 128;

struct WaveSound {
    // The format record as the audio API takes it: the 16 bytes of the
    // format chunk, the extra size, then the extra bytes.
    alignas(4) unsigned char format[WAVE_FORMAT_RECORD_MAX];
    UINT32 format_bytes;
    const unsigned char* data;
    UINT32 data_bytes;
};

// A RIFF form of type 'WAVE' holding a 'fmt ' chunk and, after it, a 'data'
// chunk; other chunks are skipped. False when a chunk runs past the form or
// the resource, the format chunk is shorter than 16 bytes, its extra size
// runs past the chunk or the record exceeds the maximum, or the data chunk
// is missing or empty.
bool wave_read(const unsigned char* bytes, UINT32 size, WaveSound* sound);

// Little-endian fields of a byte record.
inline UINT32 read_u16(const unsigned char* p) { return static_cast<UINT32>(p[0] | p[1] << 8); }
inline UINT32 read_u32(const unsigned char* p) { return read_u16(p) | read_u16(p + 2) << 16; }

// Fields of a format record.
inline UINT32 wave_format_tag(const WaveSound& s) { return read_u16(s.format); }
inline UINT32 wave_channels(const WaveSound& s) { return read_u16(s.format + 2); }
