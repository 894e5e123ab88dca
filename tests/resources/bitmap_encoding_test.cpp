// From drawn pixels to bitmap files: the colour key survives flattening and
// the 8-bit palette, and nothing else turns into it.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstring>

#include "resource_files.h"
#include "tools/artgen/core/bitmap_file.h"

namespace {

using artgen::Image;
using artgen::Pixel;

// A premultiplied ARGB32 buffer, as Cairo hands it over.
struct Argb {
    int width;
    int height;
    std::vector<std::uint32_t> words;
    void set(int x, int y, int a, int r, int g, int b) {
        words[static_cast<std::size_t>(y) * width + x] =
            static_cast<std::uint32_t>(a) << 24 | static_cast<std::uint32_t>(r * a / 255) << 16 |
            static_cast<std::uint32_t>(g * a / 255) << 8 | static_cast<std::uint32_t>(b * a / 255);
    }
    Image flatten() const {
        return artgen::flatten_argb32(reinterpret_cast<const unsigned char*>(words.data()), width, height, 4 * width);
    }
};

Argb blank(int w, int h) { return {w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w) * h, 0)}; }

Rgb rgb(Pixel p) { return {p.r, p.g, p.b}; }

TEST(ColourKey, TransparentAndBlackPixelsBecomeTheKeyAndNothingElseDoes) {
    Argb a = blank(6, 1);
    a.set(0, 0, 0, 200, 50, 50);     // fully transparent
    a.set(1, 0, 255, 0, 0, 0);       // drawn pure black: the transparent colour
    a.set(2, 0, 100, 255, 255, 255); // faint: below half opacity
    a.set(3, 0, 200, 3, 0, 0);       // a dark anti-aliased edge
    a.set(4, 0, 255, 1, 1, 1);       // near-black
    a.set(5, 0, 255, 10, 200, 30);
    const Image img = a.flatten();
    EXPECT_EQ(img.at(0, 0), artgen::KEY);
    EXPECT_EQ(img.at(1, 0), artgen::KEY);
    EXPECT_EQ(img.at(2, 0), artgen::KEY);
    EXPECT_NE(img.at(3, 0), artgen::KEY);
    EXPECT_EQ(img.at(4, 0), (Pixel{1, 1, 1}));
    EXPECT_EQ(img.at(5, 0), (Pixel{10, 200, 30}));
}

TEST(ColourKey, HalfTransparentEdgesBlendTowardTheFaceColour) {
    Argb a = blank(1, 1);
    a.set(0, 0, 128, 255, 255, 255);
    const Pixel p = a.flatten().at(0, 0);
    // Half of white over the dial-face near-black.
    EXPECT_NEAR(p.r, 128 + artgen::EDGE_BACKDROP.r / 2, 2);
    EXPECT_EQ(p.r, p.g);
    EXPECT_EQ(p.g, p.b);
}

// Many colours, key areas, pure and near black, and dark colours that a
// palette could average to black.
Image busy_image() {
    Argb a = blank(96, 80);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 96; ++x) {
            a.set(x, y, 255, x * 8 / 3, y * 4, (x + y) * 8 / 5);
        }
    }
    for (int y = 64; y < 80; ++y) {
        for (int x = 0; x < 96; ++x) {
            const int k = (x + y) % 6;
            if (k == 0) {
                a.set(x, y, 0, 0, 0, 0);
            } else if (k == 1) {
                a.set(x, y, 255, 0, 0, 0);
            } else {
                a.set(x, y, 255, k == 2 ? 1 : 0, k == 3 ? 1 : 0, k >= 4 ? 1 : 0);
            }
        }
    }
    return a.flatten();
}

TEST(Palette, KeepsTheKeyExactAndNeverMakesAColourIntoIt) {
    const Image img = busy_image();
    const artgen::Indexed indexed = artgen::quantise(img);
    const std::vector<std::uint8_t> file = artgen::encode_bmp8(indexed, img.width, img.height);
    DecodedBitmap bmp;
    std::string error;
    ASSERT_TRUE(decode_bitmap(file, bmp, error)) << error;
    EXPECT_EQ(bmp.bits, 8);
    EXPECT_LE(bmp.palette.size(), 256u);
    ASSERT_EQ(bmp.pixels.size(), img.pixels.size());
    long error_sum = 0;
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        if (img.pixels[i] == artgen::KEY) {
            ASSERT_EQ(bmp.pixels[i], (Rgb{0, 0, 0})) << "pixel " << i;
        } else {
            ASSERT_NE(bmp.pixels[i], (Rgb{0, 0, 0})) << "pixel " << i;
            error_sum += std::abs(bmp.pixels[i].r - img.pixels[i].r) + std::abs(bmp.pixels[i].g - img.pixels[i].g) +
                         std::abs(bmp.pixels[i].b - img.pixels[i].b);
        }
    }
    // Smooth gradients of six thousand colours in 255 entries: a few levels off on average.
    EXPECT_LT(static_cast<double>(error_sum) / (3.0 * static_cast<double>(img.pixels.size())), 4.0);
}

TEST(Palette, DarkColoursNeverAverageToTheKey) {
    Argb a = blank(3, 1);
    a.set(0, 0, 255, 1, 0, 0);
    a.set(1, 0, 255, 0, 1, 0);
    a.set(2, 0, 255, 0, 0, 1);
    const artgen::Indexed indexed = artgen::quantise(a.flatten(), 2);  // the key and one colour
    ASSERT_EQ(indexed.palette.size(), 2u);
    EXPECT_NE(indexed.palette[1], artgen::KEY);
    EXPECT_EQ(indexed.index, (std::vector<std::uint8_t>{1, 1, 1}));
}

TEST(Palette, IsExactWhenTheImageHasFewColours) {
    Argb a = blank(7, 5);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            a.set(x, y, (x + y) % 4 == 0 ? 0 : 255, 30 * x, 40 * y, 90);
        }
    }
    const Image img = a.flatten();
    const artgen::Indexed indexed = artgen::quantise(img);
    DecodedBitmap bmp;
    std::string error;
    ASSERT_TRUE(decode_bitmap(artgen::encode_bmp8(indexed, 7, 5), bmp, error)) << error;
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        EXPECT_EQ(bmp.pixels[i], rgb(img.pixels[i])) << i;
    }
    EXPECT_EQ(bmp.palette[0], (Rgb{0, 0, 0}));
}

TEST(Bitmap24, RoundTripsBottomUpWithPaddedRows) {
    Argb a = blank(5, 3);  // 15-byte rows padded to 16
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            a.set(x, y, 255, 10 + x, 100 + y, 200);
        }
    }
    const Image img = a.flatten();
    const std::vector<std::uint8_t> file = artgen::encode_bmp24(img);
    EXPECT_EQ(file.size(), 54u + 16 * 3);
    // The first stored row is the bottom one.
    EXPECT_EQ(file[54 + 1], 102);
    DecodedBitmap bmp;
    std::string error;
    ASSERT_TRUE(decode_bitmap(file, bmp, error)) << error;
    EXPECT_EQ(bmp.bits, 24);
    for (std::size_t i = 0; i < img.pixels.size(); ++i) {
        EXPECT_EQ(bmp.pixels[i], rgb(img.pixels[i])) << i;
    }
}

}  // namespace
