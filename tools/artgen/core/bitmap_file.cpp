#include "tools/artgen/core/bitmap_file.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

namespace artgen {

namespace {

std::uint32_t key_of(Pixel p) { return static_cast<std::uint32_t>(p.r) << 16 | p.g << 8 | p.b; }

Pixel pixel_of(std::uint32_t key) {
    return {static_cast<std::uint8_t>(key >> 16), static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key)};
}

std::uint8_t channel(const Pixel& p, int c) { return c == 0 ? p.r : c == 1 ? p.g : p.b; }

struct Colour {
    Pixel pixel;
    std::uint32_t count;
};

// A box of the median cut: a run of `colours`, with the pixel-weighted
// squared error of its colours around their mean.
struct Box {
    std::size_t begin;
    std::size_t end;
    int widest_channel = 0;  // the channel with the largest error
    double error = 0;
};

void measure(Box& box, const std::vector<Colour>& colours) {
    std::array<double, 3> sum = {0, 0, 0};
    std::array<double, 3> squares = {0, 0, 0};
    double n = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            const double v = channel(colours[i].pixel, c);
            sum[c] += v * colours[i].count;
            squares[c] += v * v * colours[i].count;
        }
        n += colours[i].count;
    }
    box.error = 0;
    double widest = -1;
    for (int c = 0; c < 3; ++c) {
        const double e = squares[c] - sum[c] * sum[c] / n;
        box.error += e;
        if (e > widest) {
            widest = e;
            box.widest_channel = c;
        }
    }
}

Pixel mean(const Box& box, const std::vector<Colour>& colours) {
    std::array<std::uint64_t, 3> sum = {0, 0, 0};
    std::uint64_t n = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int c = 0; c < 3; ++c) {
            sum[c] += static_cast<std::uint64_t>(channel(colours[i].pixel, c)) * colours[i].count;
        }
        n += colours[i].count;
    }
    Pixel p{static_cast<std::uint8_t>((sum[0] + n / 2) / n), static_cast<std::uint8_t>((sum[1] + n / 2) / n),
            static_cast<std::uint8_t>((sum[2] + n / 2) / n)};
    // Dark colours may average to the key; keep them just above it.
    return p == KEY ? Pixel{1, 1, 1} : p;
}

// Median cut over the non-key colours: split the box with the largest error
// at the pixel-weighted median of its widest channel until there are `wanted`
// boxes or no box can be split.
std::vector<Pixel> median_cut(std::vector<Colour> colours, std::size_t wanted) {
    std::vector<Box> boxes;
    Box all{0, colours.size()};
    measure(all, colours);
    boxes.push_back(all);
    while (boxes.size() < wanted) {
        std::size_t pick = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin > 1 && boxes[i].error > 1e-6 &&
                (pick == boxes.size() || boxes[i].error > boxes[pick].error)) {
                pick = i;
            }
        }
        if (pick == boxes.size()) {
            break;
        }
        Box box = boxes[pick];
        const int c = box.widest_channel;
        std::stable_sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
                         colours.begin() + static_cast<std::ptrdiff_t>(box.end),
                         [c](const Colour& a, const Colour& b) { return channel(a.pixel, c) < channel(b.pixel, c); });
        std::uint64_t total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) {
            total += colours[i].count;
        }
        // The pixel-weighted median, moved to the nearest place where the
        // channel's value changes (there is one: the channel's error is not zero).
        std::uint64_t running = 0;
        std::size_t median = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            running += colours[i].count;
            median = i + 1;
            if (2 * running >= total) {
                break;
            }
        }
        std::size_t split = 0;
        std::size_t best = 0;
        for (std::size_t i = box.begin + 1; i < box.end; ++i) {
            if (channel(colours[i - 1].pixel, c) != channel(colours[i].pixel, c)) {
                const std::size_t distance = i > median ? i - median : median - i;
                if (split == 0 || distance < best) {
                    split = i;
                    best = distance;
                }
            }
        }
        if (split == 0) {
            boxes[pick].error = 0;  // nothing to split along: leave it whole
            continue;
        }
        Box low{box.begin, split};
        Box high{split, box.end};
        measure(low, colours);
        measure(high, colours);
        boxes[pick] = low;
        boxes.push_back(high);
    }
    std::vector<Pixel> palette;
    for (const Box& box : boxes) {
        palette.push_back(mean(box, colours));
    }
    return palette;
}

void put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    put16(out, at, v & 0xFFFF);
    put16(out, at + 2, v >> 16);
}

constexpr std::size_t FILE_HEADER = 14;
constexpr std::size_t INFO_HEADER = 40;
constexpr std::uint32_t PIXELS_PER_METRE = 2835;  // 72 dpi

// File and info headers; the caller fills the palette and the rows.
std::vector<std::uint8_t> bmp_headers(int width, int height, int bits, std::size_t palette_entries) {
    const std::size_t row = (static_cast<std::size_t>(width) * bits / 8 + 3) & ~std::size_t{3};
    const std::size_t offset = FILE_HEADER + INFO_HEADER + 4 * palette_entries;
    const std::size_t image = row * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> out(offset + image, 0);
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, static_cast<std::uint32_t>(out.size()));
    put32(out, 10, static_cast<std::uint32_t>(offset));
    put32(out, 14, INFO_HEADER);
    put32(out, 18, static_cast<std::uint32_t>(width));
    put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
    put16(out, 26, 1);
    put16(out, 28, static_cast<std::uint32_t>(bits));
    put32(out, 30, 0);  // BI_RGB
    put32(out, 34, static_cast<std::uint32_t>(image));
    put32(out, 38, PIXELS_PER_METRE);
    put32(out, 42, PIXELS_PER_METRE);
    put32(out, 46, static_cast<std::uint32_t>(palette_entries));
    put32(out, 50, 0);
    return out;
}

}  // namespace

Image flatten_argb32(const unsigned char* data, int width, int height, int stride) {
    Image image{width, height, {}};
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = data + static_cast<std::ptrdiff_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            std::uint32_t argb = 0;
            std::memcpy(&argb, row + 4 * x, 4);
            const int a = static_cast<int>(argb >> 24);
            const int r = static_cast<int>(argb >> 16 & 0xFF);
            const int g = static_cast<int>(argb >> 8 & 0xFF);
            const int b = static_cast<int>(argb & 0xFF);
            Pixel& out = image.pixels[static_cast<std::size_t>(y) * width + x];
            if (a < KEY_ALPHA_BELOW || (r | g | b) == 0) {
                out = KEY;
                continue;
            }
            // Premultiplied colour over the backdrop: c + backdrop * (1 - a).
            auto over = [a](int c, int backdrop) {
                return static_cast<std::uint8_t>(std::min(255, c + (backdrop * (255 - a) + 127) / 255));
            };
            out = {over(r, EDGE_BACKDROP.r), over(g, EDGE_BACKDROP.g), over(b, EDGE_BACKDROP.b)};
        }
    }
    return image;
}

Indexed quantise(const Image& image, int max_colours) {
    std::map<std::uint32_t, std::uint32_t> histogram;
    for (const Pixel& p : image.pixels) {
        if (!(p == KEY)) {
            ++histogram[key_of(p)];
        }
    }
    Indexed out;
    out.palette.push_back(KEY);
    const std::size_t room = static_cast<std::size_t>(std::max(1, max_colours - 1));
    if (histogram.size() <= room) {
        for (const auto& [key, count] : histogram) {
            out.palette.push_back(pixel_of(key));
        }
    } else {
        std::vector<Colour> colours;
        for (const auto& [key, count] : histogram) {
            colours.push_back({pixel_of(key), count});
        }
        for (const Pixel& p : median_cut(std::move(colours), room)) {
            out.palette.push_back(p);
        }
    }
    // Each colour to its nearest palette entry other than the key.
    std::map<std::uint32_t, std::uint8_t> nearest;
    for (const auto& [key, count] : histogram) {
        const Pixel p = pixel_of(key);
        std::size_t best = 1;
        int best_distance = -1;
        for (std::size_t i = 1; i < out.palette.size(); ++i) {
            const int dr = p.r - out.palette[i].r;
            const int dg = p.g - out.palette[i].g;
            const int db = p.b - out.palette[i].b;
            const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (best_distance < 0 || d < best_distance) {
                best_distance = d;
                best = i;
            }
        }
        nearest[key] = static_cast<std::uint8_t>(best);
    }
    out.index.reserve(image.pixels.size());
    for (const Pixel& p : image.pixels) {
        out.index.push_back(p == KEY ? 0 : nearest[key_of(p)]);
    }
    return out;
}

Image expand(const Indexed& indexed, int width, int height) {
    Image image{width, height, {}};
    image.pixels.reserve(indexed.index.size());
    for (std::uint8_t i : indexed.index) {
        image.pixels.push_back(indexed.palette[i]);
    }
    return image;
}

std::vector<std::uint8_t> encode_bmp24(const Image& image) {
    std::vector<std::uint8_t> out = bmp_headers(image.width, image.height, 24, 0);
    const std::size_t row = (static_cast<std::size_t>(image.width) * 3 + 3) & ~std::size_t{3};
    const std::size_t base = FILE_HEADER + INFO_HEADER;
    for (int y = 0; y < image.height; ++y) {
        std::uint8_t* line = out.data() + base + row * static_cast<std::size_t>(image.height - 1 - y);
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = image.at(x, y);
            line[3 * x] = p.b;
            line[3 * x + 1] = p.g;
            line[3 * x + 2] = p.r;
        }
    }
    return out;
}

std::vector<std::uint8_t> encode_bmp8(const Indexed& indexed, int width, int height) {
    std::vector<std::uint8_t> out = bmp_headers(width, height, 8, indexed.palette.size());
    std::size_t at = FILE_HEADER + INFO_HEADER;
    for (const Pixel& p : indexed.palette) {
        out[at++] = p.b;
        out[at++] = p.g;
        out[at++] = p.r;
        out[at++] = 0;
    }
    const std::size_t row = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    for (int y = 0; y < height; ++y) {
        std::uint8_t* line = out.data() + at + row * static_cast<std::size_t>(height - 1 - y);
        std::memcpy(line, indexed.index.data() + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width));
    }
    return out;
}

}  // namespace artgen
