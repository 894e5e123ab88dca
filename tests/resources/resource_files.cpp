#include "resource_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::uint32_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) { return u16(b, at) | u16(b, at + 2) << 16; }

}  // namespace

std::vector<TableRow> table_rows() {
    std::vector<TableRow> rows;
    std::ifstream in(VANTOR_TABLE_PATH);
    EXPECT_TRUE(in) << VANTOR_TABLE_PATH;
    std::string line;
    std::getline(in, line);  // column names
    while (std::getline(in, line)) {
        if (line.empty()) {
            continue;
        }
        std::vector<std::string> f;
        std::stringstream s(line);
        for (std::string field; std::getline(s, field, '\t');) {
            f.push_back(field);
        }
        if (f.size() < 6) {
            ADD_FAILURE() << "short row: " << line;
            continue;
        }
        rows.push_back({static_cast<std::uint32_t>(std::stoul(f[0])), std::stoi(f[1]), std::stoi(f[2]),
                        f[3].empty() ? 24 : std::stoi(f[3]), f[5]});
    }
    return rows;
}

std::vector<std::uint8_t> file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << "cannot open " << path;
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), {});
}

std::vector<std::uint32_t> sound_ids() {
    std::vector<std::uint32_t> ids;
    for (const auto& entry : std::filesystem::directory_iterator(VANTOR_SOUNDS_DIR)) {
        if (entry.path().extension() == ".wav") {
            ids.push_back(static_cast<std::uint32_t>(std::stoul(entry.path().stem().string())));
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

bool decode_bitmap(const std::vector<std::uint8_t>& b, DecodedBitmap& out, std::string& error) {
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') {
        error = "no BITMAPFILEHEADER";
        return false;
    }
    if (u32(b, 2) != b.size()) {
        error = "file size field " + std::to_string(u32(b, 2)) + " != " + std::to_string(b.size());
        return false;
    }
    const std::uint32_t offset = u32(b, 10);
    const std::int32_t width = static_cast<std::int32_t>(u32(b, 18));
    const std::int32_t height = static_cast<std::int32_t>(u32(b, 22));
    const std::uint32_t bits = u16(b, 28);
    if (u32(b, 14) != 40 || u16(b, 26) != 1 || u32(b, 30) != 0) {
        error = "not a plain BITMAPINFOHEADER with BI_RGB";
        return false;
    }
    if (width <= 0 || height <= 0) {
        error = "not a bottom-up bitmap of positive size";
        return false;
    }
    if (bits != 8 && bits != 24) {
        error = "bit count " + std::to_string(bits);
        return false;
    }
    std::uint32_t colours = 0;
    if (bits == 8) {
        colours = u32(b, 46) == 0 ? 256 : u32(b, 46);
        if (colours > 256) {
            error = "palette of " + std::to_string(colours);
            return false;
        }
    }
    const std::size_t row = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
    if (offset != 54 + 4 * colours || offset + row * static_cast<std::size_t>(height) != b.size()) {
        error = "pixel data offset or size inconsistent";
        return false;
    }
    out = DecodedBitmap{width, height, static_cast<int>(bits), {}, {}, {}};
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t at = 54 + 4 * i;
        out.palette.push_back({b[at + 2], b[at + 1], b[at]});
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t line = offset + row * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (bits == 24) {
                const std::size_t at = line + 3 * static_cast<std::size_t>(x);
                out.pixels.push_back({b[at + 2], b[at + 1], b[at]});
            } else {
                const std::uint8_t i = b[line + static_cast<std::size_t>(x)];
                if (i >= colours) {
                    error = "palette index " + std::to_string(i) + " past the palette";
                    return false;
                }
                out.index.push_back(i);
                out.pixels.push_back(out.palette[i]);
            }
        }
    }
    return true;
}
