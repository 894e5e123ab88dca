// What the resource tests read: the bitmap table's first columns, whole
// files, and Windows bitmap files decoded independently of the generator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TableRow {
    std::uint32_t id;
    int width;
    int height;
    int depth;  // 24 where the table leaves it empty
    std::string gauges;  // the gauges that name it, comma-separated
};

// The rows of resources/bitmaps.tsv (id, w, h, depth, gauge); fails the test
// on a malformed row.
std::vector<TableRow> table_rows();

std::vector<std::uint8_t> file_bytes(const std::string& path);

// The module's sound ids, from the files of resources/sounds.
std::vector<std::uint32_t> sound_ids();

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

struct DecodedBitmap {
    int width = 0;
    int height = 0;
    int bits = 0;
    std::vector<Rgb> palette;      // 8-bit only
    std::vector<std::uint8_t> index;  // 8-bit only, top-down
    std::vector<Rgb> pixels;       // top-down
};

// Decodes a bottom-up BI_RGB bitmap file of 8 or 24 bits; false with the
// reason otherwise (any inconsistency of sizes and offsets included).
bool decode_bitmap(const std::vector<std::uint8_t>& file, DecodedBitmap& out, std::string& error);
