#include "sound/wave_reader.h"

#include <cstring>

namespace {

constexpr UINT32 CHUNK_HEADER = 8;
constexpr UINT32 FORMAT_CHUNK_MIN = 16;
constexpr UINT32 FORMAT_RECORD = 18;

bool is_id(const unsigned char* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

// The first chunk `id` at or after `*at` inside [*at, end); moves `*at` past
// it (and its pad byte). False when it is missing or a chunk runs past `end`.
bool find_chunk(const unsigned char* bytes, UINT32* at, UINT32 end, const char* id, UINT32* body, UINT32* size) {
    while (end - *at >= CHUNK_HEADER) {
        const UINT32 length = read_u32(bytes + *at + 4);
        const UINT32 start = *at + CHUNK_HEADER;
        if (length > end - start) {
            return false;
        }
        const UINT32 padded = length + (length & 1);
        *at = padded > end - start ? end : start + padded;
        if (is_id(bytes + start - CHUNK_HEADER, id)) {
            *body = start;
            *size = length;
            return true;
        }
    }
    return false;
}

}  // namespace

bool wave_read(const unsigned char* bytes, UINT32 size, WaveSound* sound) {
    if (bytes == nullptr || sound == nullptr || size < 12 || !is_id(bytes, "RIFF") || !is_id(bytes + 8, "WAVE")) {
        return false;
    }
    const UINT32 form = read_u32(bytes + 4);
    if (form < 4 || form > size - CHUNK_HEADER) {
        return false;
    }
    const UINT32 end = CHUNK_HEADER + form;
    UINT32 at = 12;
    UINT32 format = 0;
    UINT32 format_size = 0;
    if (!find_chunk(bytes, &at, end, "fmt ", &format, &format_size) || format_size < FORMAT_CHUNK_MIN) {
        return false;
    }
    UINT32 extra = 0;
    if (format_size >= FORMAT_RECORD) {
        extra = read_u16(bytes + format + 16);
        if (extra > format_size - FORMAT_RECORD || FORMAT_RECORD + extra > WAVE_FORMAT_RECORD_MAX) {
            return false;
        }
    }
    UINT32 data = 0;
    UINT32 data_size = 0;
    if (!find_chunk(bytes, &at, end, "data", &data, &data_size) || data_size == 0) {
        return false;
    }
    std::memset(sound->format, 0, sizeof sound->format);
    std::memcpy(sound->format, bytes + format, FORMAT_CHUNK_MIN);
    sound->format[16] = static_cast<unsigned char>(extra & 0xFF);
    sound->format[17] = static_cast<unsigned char>(extra >> 8);
    if (extra > 0) {
        std::memcpy(sound->format + FORMAT_RECORD, bytes + format + FORMAT_RECORD, extra);
    }
    sound->format_bytes = FORMAT_RECORD + extra;
    sound->data = bytes + data;
    sound->data_bytes = data_size;
    return true;
}
