#include "sound_fixture.h"

#include <fstream>
#include <iterator>

std::uint32_t wave_data_bytes(std::uint32_t id) {
    std::ifstream in(std::string(VANTOR_SOUNDS_DIR) + "/" + std::to_string(id) + ".wav", std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8 | b[at + 2] << 16 | b[at + 3] << 24);
    };
    for (std::size_t at = 12; at + 8 <= b.size(); at += 8 + u32(at + 4) + (u32(at + 4) & 1)) {
        if (std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + 4)) ==
            "data") {
            return u32(at + 4);
        }
    }
    ADD_FAILURE() << "no data chunk in " << id << ".wav";
    return 0;
}

std::uint32_t wave_of_buffer(std::uint32_t bytes) {
    static const std::map<std::uint32_t, std::uint32_t> ids = [] {
        std::map<std::uint32_t, std::uint32_t> m;
        for (std::uint32_t id : {10u, 1280u, 1290u, 1300u, 1310u, 1320u, 1330u, 1340u, 1350u, 1360u, 1370u, 1380u,
                                 1390u, 1400u}) {
            m[wave_data_bytes(id)] = id;
        }
        return m;
    }();
    const auto it = ids.find(bytes);
    return it == ids.end() ? 0 : it->second;
}

std::vector<std::uint32_t> played_waves() {
    std::vector<std::uint32_t> out;
    for (const std::string& line : calls_starting("Play ")) {
        out.push_back(wave_of_buffer(static_cast<std::uint32_t>(std::stoul(line.substr(5)))));
    }
    return out;
}
