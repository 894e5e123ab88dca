// Any bytes as a WAVE resource: the engine's RIFF reader, and the Microsoft
// ADPCM decoder for what it accepts, into a locked region of two parts.
#include <cstdint>
#include <vector>

#include "sound/ms_adpcm.h"
#include "sound/wave_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 1u << 20) return 0;
    const std::vector<unsigned char> bytes(data, data + size);  // exactly the resource's size
    WaveSound wave;
    if (!wave_read(bytes.data(), static_cast<UINT32>(bytes.size()), &wave)) return 0;
    MsAdpcmFormat format;
    if (!ms_adpcm_format(wave.format, wave.format_bytes, &format)) return 0;
    const UINT32 decoded = ms_adpcm_decoded_bytes(format, wave.data_bytes);
    if (decoded == 0 || decoded > 64u << 20) return 0;
    std::vector<unsigned char> out(decoded);
    const UINT32 split = decoded / 3;
    ByteSink sink = {{out.data(), out.data() + split}, {split, decoded - split}, 0};
    ms_adpcm_decode(format, wave.data, wave.data_bytes, &sink);
    return 0;
}
