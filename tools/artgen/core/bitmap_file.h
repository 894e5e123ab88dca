// From a drawn Cairo image to the bytes of a Windows bitmap file: the
// colour-key flattening, the 8-bit palette and the BMP encoding.
#pragma once

#include <cstdint>
#include <vector>

namespace artgen {

struct Pixel {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Pixel, Pixel) = default;
};

constexpr Pixel KEY{0, 0, 0};
// What a partly transparent edge pixel is composited onto: the dial-face
// near-black, so edges blend into the faces they are drawn over and never
// become the key.
constexpr Pixel EDGE_BACKDROP{0x14, 0x14, 0x14};
// Pixels less opaque than this become the key; the others are composited.
constexpr int KEY_ALPHA_BELOW = 128;

// Top-down rows of opaque pixels; KEY marks the transparent ones.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Pixel> pixels;
    Pixel at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Flattens premultiplied ARGB32 pixels (Cairo's format, native-endian words)
// to the colour-keyed image a resource holds: a pixel whose colour is pure
// black or whose alpha is below KEY_ALPHA_BELOW becomes KEY; any other pixel
// is composited onto EDGE_BACKDROP and is never KEY.
Image flatten_argb32(const unsigned char* data, int width, int height, int stride);

// An 8-bit version of an image: at most `max_colours` palette entries, entry 0
// always KEY and the only KEY entry, so KEY pixels stay KEY and no other
// pixel becomes KEY. Exact when the image has few enough colours, median cut
// otherwise; the result depends only on the image.
struct Indexed {
    std::vector<Pixel> palette;
    std::vector<std::uint8_t> index;  // one per pixel, top-down
};
Indexed quantise(const Image& image, int max_colours = 256);

// The image as seen through its palette.
Image expand(const Indexed& indexed, int width, int height);

// Windows bitmap files (BITMAPFILEHEADER + BITMAPINFOHEADER, BI_RGB,
// bottom-up rows padded to 4 bytes).
std::vector<std::uint8_t> encode_bmp24(const Image& image);
std::vector<std::uint8_t> encode_bmp8(const Indexed& indexed, int width, int height);

}  // namespace artgen
