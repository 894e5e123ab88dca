// Drawing rules on small synthetic bitmaps: needle rotation and pivot,
// scaling, colour key without dark halos, icons, windows, lighting and the
// redraw cache.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "host/render/bitmap_store.h"
#include "host/render/fonts.h"
#include "host/render/gauge_renderer.h"
#include "host/render/lighting.h"

using namespace host;
using namespace host::render;
namespace fs = std::filesystem;

namespace {

using Painter = std::function<std::uint32_t(int x, int y)>;  // 0xRRGGBB

void write_bmp(const fs::path& path, int w, int h, const Painter& paint) {
    const std::uint32_t row = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    std::vector<unsigned char> b(54 + row * h, 0);
    auto put = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B', b[1] = 'M';
    put(2, static_cast<std::uint32_t>(b.size()));
    put(10, 54);
    put(14, 40);
    put(18, static_cast<std::uint32_t>(w));
    put(22, static_cast<std::uint32_t>(h));
    b[26] = 1, b[28] = 24;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = paint(x, y);
            unsigned char* p = &b[54 + static_cast<std::size_t>(h - 1 - y) * row + 3 * x];
            p[0] = c & 0xFF, p[1] = (c >> 8) & 0xFF, p[2] = (c >> 16) & 0xFF;
        }
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), static_cast<long>(b.size()));
}

std::uint32_t at(cairo_surface_t* s, int x, int y) {
    cairo_surface_flush(s);
    return reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(s) +
                                                  static_cast<std::size_t>(y) * cairo_image_surface_get_stride(s))[x];
}
int alpha(std::uint32_t p) { return static_cast<int>(p >> 24); }
int red(std::uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
int green(std::uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }

class Drawing : public ::testing::Test {
protected:
    // 100: grey 40x40 background; 200: 20x4 white needle bar (pivot at its
    // left end); 300/301: red and green 8x8 icons; 400: 10x40 strip, top
    // half red, bottom half green; 401: its 10x10 window; 500: white square
    // with a black (key) border.
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("render_drawing_" + std::to_string(::getpid()));
        fs::create_directories(folder_);
        write_bmp(folder_ / "100.bmp", 40, 40, [](int, int) { return 0x808080u; });
        write_bmp(folder_ / "200.bmp", 20, 4, [](int, int) { return 0xFFFFFFu; });
        write_bmp(folder_ / "300.bmp", 8, 8, [](int, int) { return 0xFF0000u; });
        write_bmp(folder_ / "301.bmp", 8, 8, [](int, int) { return 0x00FF00u; });
        write_bmp(folder_ / "400.bmp", 10, 40, [](int, int y) { return y < 20 ? 0xFF0000u : 0x00FF00u; });
        write_bmp(folder_ / "401.bmp", 10, 10, [](int, int) { return 0xFFFFFFu; });
        write_bmp(folder_ / "500.bmp", 20, 20, [](int x, int y) {
            return (x < 5 || y < 5 || x >= 15 || y >= 15) ? 0u : 0xFFFFFFu;
        });
        store_ = std::make_unique<BitmapStore>(folder_.string());
        background_.element_type = ELEMENT_TYPE_STATIC_IMAGE;
        needle_.header.element_type = ELEMENT_TYPE_NEEDLE;
        needle_.header.offset = {0, 2};
    }
    void TearDown() override { fs::remove_all(folder_); }

    ElementState background() {
        ElementState s;
        s.element = &background_;
        s.kind = ELEMENT_TYPE_STATIC_IMAGE;
        s.bitmap_id = 100;
        s.image_flags = 0x3;
        return s;
    }
    ElementState needle(double angle) {
        ElementState s;
        s.element = &needle_.header;
        s.kind = ELEMENT_TYPE_NEEDLE;
        s.bitmap_id = 200;
        s.position = {20, 20};
        s.image_flags = 0x83;
        s.angle = angle;
        return s;
    }
    ElementState icon(int index) {
        ElementState s;
        s.element = &background_;
        s.kind = ELEMENT_TYPE_ICON;
        s.bitmap_id = 300;
        s.position = {2, 2};
        s.image_flags = 0x3;
        s.icon = index;
        s.drawn = index >= 0;
        return s;
    }

    fs::path folder_;
    std::unique_ptr<BitmapStore> store_;
    FontBook fonts_;
    ELEMENT_HEADER background_{};
    ELEMENT_NEEDLE needle_{};
    Lighting day_;
};

TEST_F(Drawing, NeedleTurnsClockwiseAboutItsOffsetPointAndScalesWithTheGauge) {
    GaugeRenderer r(*store_, fonts_);
    // 90 degrees clockwise from +x points down the screen.
    r.render({background(), needle(90)}, gauge_size(40, 40, std::nullopt, std::nullopt), day_);
    EXPECT_EQ(at(r.frame(), 20, 35), 0xFFFFFFFFu);  // 15 px below the pivot
    EXPECT_EQ(at(r.frame(), 35, 20), 0xFF808080u);  // nothing to the right
    EXPECT_EQ(at(r.frame(), 20, 5), 0xFF808080u);   // nor above
    // At twice the size everything doubles: the bar ends 40 px from the pivot.
    GaugeRenderer big(*store_, fonts_);
    big.render({background(), needle(270)}, gauge_size(40, 40, 80, std::nullopt), day_);
    ASSERT_EQ(cairo_image_surface_get_height(big.frame()), 80);
    EXPECT_EQ(at(big.frame(), 40, 10), 0xFFFFFFFFu);  // 30 px above the scaled pivot (40, 40)
    EXPECT_EQ(at(big.frame(), 40, 70), 0xFF808080u);
}

TEST_F(Drawing, IconIndexPicksConsecutiveBitmapsAndMinusOneDrawsNothing) {
    GaugeRenderer r(*store_, fonts_);
    const GaugeSize size = gauge_size(40, 40, std::nullopt, std::nullopt);
    r.render({background(), icon(1)}, size, day_);
    EXPECT_EQ(at(r.frame(), 5, 5), 0xFF00FF00u);  // bitmap 301
    r.render({background(), icon(0)}, size, day_);
    EXPECT_EQ(at(r.frame(), 5, 5), 0xFFFF0000u);
    r.render({background(), icon(-1)}, size, day_);
    EXPECT_EQ(at(r.frame(), 5, 5), 0xFF808080u);
}

TEST_F(Drawing, MovingImageIsSeenOnlyThroughItsWindow) {
    ELEMENT_MOVING_IMAGE strip{};
    strip.header.element_type = ELEMENT_TYPE_MOVING_IMAGE;
    ElementState s;
    s.element = &strip.header;
    s.kind = ELEMENT_TYPE_MOVING_IMAGE;
    s.bitmap_id = 400;
    s.position = {15, 15};
    s.image_flags = 0x4083;  // a lit readout: drawn as it is by day
    s.shift_y = 25;  // the window's top at y 25 of the strip: green
    GaugeRenderer r(*store_, fonts_);
    r.render({background(), s}, gauge_size(40, 40, std::nullopt, std::nullopt), day_);
    EXPECT_EQ(at(r.frame(), 20, 20), 0xFF00FF00u);  // inside the window
    EXPECT_EQ(at(r.frame(), 20, 12), 0xFF808080u);  // above it the strip is hidden
    EXPECT_EQ(at(r.frame(), 20, 27), 0xFF808080u);  // and below
}

TEST_F(Drawing, ColourKeyIsTransparentAndScaledEdgesHaveNoDarkHalo) {
    ElementState square = background();
    square.bitmap_id = 500;
    square.image_flags = 0x3;
    GaugeRenderer r(*store_, fonts_);
    r.render({square}, gauge_size(20, 20, 53, std::nullopt), day_);
    cairo_surface_t* f = r.frame();
    EXPECT_EQ(alpha(at(f, 2, 2)), 0);  // key: transparent
    // Every partly covered pixel is white once un-premultiplied: the key's
    // black never bleeds into the edge.
    int edge_pixels = 0;
    for (int y = 0; y < 53; ++y) {
        for (int x = 0; x < 53; ++x) {
            const std::uint32_t p = at(f, x, y);
            if (alpha(p) == 0) continue;
            if (alpha(p) < 255) ++edge_pixels;
            EXPECT_GE(red(p) * 255 / alpha(p), 250) << "at " << x << "," << y;
        }
    }
    EXPECT_GT(edge_pixels, 0);
    // Without the key bits black is drawn.
    square.image_flags = 0x80;
    GaugeRenderer opaque(*store_, fonts_);
    opaque.render({square}, gauge_size(20, 20, std::nullopt, std::nullopt), day_);
    EXPECT_EQ(at(opaque.frame(), 2, 2), 0xFF000000u);
}

TEST(Lighting, PanelLightsLightEveryPartOfAGaugeLuminousOnesGlowAndSelfLitOnesKeepTheirLight) {
    Lighting day{1.0, false};
    EXPECT_EQ(day.element(0x3), Light{});
    EXPECT_EQ(day.element(0x4003), Light{});
    Lighting night{0.0, true};
    EXPECT_LT(night.ambient().g, 0.5);  // the panel's paint stays dim
    EXPECT_GT(night.element(0x3).g, 0.6);  // reference marks on a cover are lit
    EXPECT_GT(night.element(0x4003).g, night.element(0x3).g + 0.2);
    EXPECT_LT(night.element(0x4003).saturation, 0.8);  // no day colours by night
    Lighting dark{0.0, false};
    EXPECT_GT(dark.element(0x4083).g, dark.element(0x83).g);
    EXPECT_LT(dark.element(0x4083).g, night.element(0x4083).g);  // the panel lights add to the glow
    // Lamps and displays (0x4) make their own light.
    EXPECT_EQ(night.element(0x7), Light{});
    EXPECT_EQ(dark.element(0x7), Light{});
    // Radio digits: lit (0x4083) and switched off (0x83) by night.
    EXPECT_GT(night.element(0x4083).r, night.element(0x83).r + 0.25);
    EXPECT_DOUBLE_EQ(Lighting::daylight_at(12 * 3600), 1.0);
    EXPECT_DOUBLE_EQ(Lighting::daylight_at(23 * 3600), 0.0);
    EXPECT_DOUBLE_EQ(Lighting::daylight_at(6 * 3600), 0.5);
    EXPECT_DOUBLE_EQ(Lighting::daylight_at(19 * 3600 + 86400), 0.5);
}

TEST_F(Drawing, OnlyElementsFromTheFirstChangedOneAreRedrawn) {
    GaugeRenderer r(*store_, fonts_);
    const GaugeSize size = gauge_size(40, 40, std::nullopt, std::nullopt);
    ElementState cover = icon(0);
    EXPECT_TRUE(r.render({background(), needle(0), cover}, size, day_));
    EXPECT_EQ(r.elements_drawn(), 3);
    EXPECT_FALSE(r.render({background(), needle(0), cover}, size, day_));  // nothing changed
    EXPECT_EQ(r.elements_drawn(), 3);
    EXPECT_TRUE(r.render({background(), needle(45), cover}, size, day_));
    EXPECT_EQ(r.elements_drawn(), 3 + 1 /* background into the base */ + 2);
    EXPECT_EQ(r.base_count(), 1u);
    EXPECT_TRUE(r.render({background(), needle(90), cover}, size, day_));
    EXPECT_EQ(r.elements_drawn(), 6 + 2);  // the needle and the cover only
    EXPECT_EQ(at(r.frame(), 20, 35), 0xFFFFFFFFu);
    // The same frame as drawn from scratch.
    GaugeRenderer fresh(*store_, fonts_);
    fresh.render({background(), needle(90), cover}, size, day_);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) ASSERT_EQ(at(r.frame(), x, y), at(fresh.frame(), x, y)) << x << "," << y;
    }
    // A change below the base rebuilds it.
    ElementState lit = background();
    lit.image_flags = 0x4003;
    EXPECT_TRUE(r.render({lit, needle(90), cover}, size, Lighting{0.0, true}));
    EXPECT_EQ(r.base_rebuilds(), 1);
}

TEST(Fonts, ModuleFacesMapToMetricCompatibleAndFourteenSegmentFacesAndFallbacksAreTold) {
    FontBook fonts;
    const ResolvedFont& arial = fonts.resolve("Arial", 400);
    EXPECT_EQ(arial.family, "Liberation Sans");
    EXPECT_FALSE(arial.fallback);
    const ResolvedFont& quartz = fonts.resolve("Quartz", 400);
    EXPECT_NE(quartz.family.find("DSEG14"), std::string::npos) << quartz.family;
    EXPECT_FALSE(quartz.fallback);
    EXPECT_TRUE(fonts.fallbacks().empty());
    const ResolvedFont& unknown = fonts.resolve("No Such Face 123", 400);
    EXPECT_TRUE(unknown.fallback);
    EXPECT_NE(unknown.face, nullptr);
    ASSERT_EQ(fonts.fallbacks().size(), 1u);
    EXPECT_NE(fonts.fallbacks()[0].find("\"No Such Face 123\": No Such Face 123 is not installed"), std::string::npos)
        << fonts.fallbacks()[0];
    EXPECT_EQ(cp1252_to_utf8("12\xB0"), "12\xC2\xB0");
    EXPECT_EQ(cp1252_to_utf8("\x80"), "\xE2\x82\xAC");
}

}  // namespace
