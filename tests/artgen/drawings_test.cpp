// The drawing functions on their own: needle geometry, scales that follow the
// calibration table, digit wheels aligned with their windows, and the colour
// rules of overlays and backgrounds over every bitmap of the table.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tools/artgen/art.h"

namespace artgen {

// A registry of this test's own, filled by the drawings' registrations.
namespace {
std::vector<Drawing>& registry() {
    static std::vector<Drawing> list;
    return list;
}
}  // namespace

void register_drawing(Drawing d) { registry().push_back(d); }

const Drawing* find_drawing(std::uint32_t id) {
    for (const Drawing& d : registry()) {
        if (d.first_id <= id && id <= d.last_id) return &d;
    }
    return nullptr;
}

}  // namespace artgen

namespace {

using artgen::BitmapInfo;
using artgen::ModuleView;

// One gauge with the needles given to it, as the module's records would hold them.
class FakeModule : public ModuleView {
public:
    void add_needle(std::uint32_t background, std::uint32_t bitmap, PIXPOINT position, PIXPOINT pivot,
                    std::vector<NONLINEARITY> table) {
        tables_.push_back(std::move(table));
        ELEMENT_NEEDLE n{};
        n.header.element_type = ELEMENT_TYPE_NEEDLE;
        n.header.bitmap_id = bitmap;
        n.header.position = position;
        n.header.offset = pivot;
        needles_.push_back(n);
        background_ = background;
    }
    const GAUGEHDR* gauge_with_background(std::uint32_t id) const override {
        return !needles_.empty() && id == background_ ? &gauge_ : nullptr;
    }
    std::vector<const ELEMENT_NEEDLE*> needles_of(const GAUGEHDR* g) const override {
        std::vector<const ELEMENT_NEEDLE*> out;
        if (g != &gauge_) return out;
        for (std::size_t i = 0; i < needles_.size(); ++i) {
            ELEMENT_NEEDLE& n = const_cast<ELEMENT_NEEDLE&>(needles_[i]);
            n.calibration = const_cast<NONLINEARITY*>(tables_[i].data());
            n.calibration_count = static_cast<UINT32>(tables_[i].size());
            out.push_back(&needles_[i]);
        }
        return out;
    }
    std::vector<const ELEMENT_HEADER*> elements_of(const GAUGEHDR*) const override { return {}; }

private:
    GAUGEHDR gauge_{};
    std::uint32_t background_ = 0;
    std::vector<ELEMENT_NEEDLE> needles_;
    std::vector<std::vector<NONLINEARITY>> tables_;
};

NONLINEARITY point(int x, int y, double value) {
    NONLINEARITY p{};
    p.point = {x, y};
    p.value = value;
    return p;
}

struct Pixel {
    int a, r, g, b;  // straight (not premultiplied) colour
    bool white() const { return a == 255 && r > 200 && g > 200 && b > 200; }
    // Light marking, also where a thin line only partly covers the pixel.
    bool light() const { return a == 255 && r > 110 && g > 110 && b > 100 && std::abs(r - b) < 40; }
};

class Image {
public:
    Image(std::uint32_t id, int w, int h, const ModuleView& module, const std::string& kind = "") {
        info_.id = id;
        info_.width = w;
        info_.height = h;
        info_.kind = kind;
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cairo_t* cr = cairo_create(surface_);
        const artgen::Drawing* d = artgen::find_drawing(id);
        drawn_ = d != nullptr;
        if (d) d->draw(cr, info_, module);
        cairo_destroy(cr);
        cairo_surface_flush(surface_);
    }
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;
    ~Image() { cairo_surface_destroy(surface_); }

    bool drawn() const { return drawn_; }
    int width() const { return info_.width; }
    int height() const { return info_.height; }
    Pixel at(int x, int y) const {
        const unsigned char* data = cairo_image_surface_get_data(surface_);
        int stride = cairo_image_surface_get_stride(surface_);
        std::uint32_t v = *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x);
        int a = v >> 24;
        auto un = [a](int c) { return a ? c * 255 / a : 0; };
        return {a, un((v >> 16) & 0xff), un((v >> 8) & 0xff), un(v & 0xff)};
    }
    bool rows_equal(int y0, int y1, int rows) const {
        for (int r = 0; r < rows; ++r) {
            for (int x = 0; x < width(); ++x) {
                Pixel p = at(x, y0 + r), q = at(x, y1 + r);
                if (p.a != q.a || p.r != q.r || p.g != q.g || p.b != q.b) return false;
            }
        }
        return true;
    }
    bool ink_in_rows(int y0, int y1) const {
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < width(); ++x) {
                if (at(x, y).white()) return true;
            }
        }
        return false;
    }

private:
    BitmapInfo info_;
    cairo_surface_t* surface_;
    bool drawn_ = false;
};

const FakeModule& no_needles() {
    static FakeModule m;
    return m;
}

// --- Needles -----------------------------------------------------------------

struct NeedleCase {
    std::uint32_t id;
    int w, h, px, py;
};

TEST(ArtgenNeedles, HubOnThePivotAndTipAlongPlusX) {
    const NeedleCase cases[] = {
        {440, 168, 36, 49, 18}, {470, 165, 26, 50, 13},  {1010, 85, 6, 0, 3},    {2110, 165, 26, 50, 13},
        {2470, 161, 28, 44, 14}, {3440, 116, 22, 12, 11}, {3380, 116, 24, 39, 12}, {300, 190, 26, 95, 13},
        {1460, 100, 22, 33, 11}, {2140, 134, 26, 22, 13}, {4290, 110, 42, 28, 28}, {2030, 130, 21, 7, 10},
    };
    for (const NeedleCase& c : cases) {
        SCOPED_TRACE(c.id);
        Image img(c.id, c.w, c.h, no_needles(), "needle");
        ASSERT_TRUE(img.drawn());
        EXPECT_EQ(img.at(c.px, c.py).a, 255) << "pivot pixel must be opaque";
        // The needle reaches the far right on the pivot row...
        int right = -1;
        for (int x = c.w - 1; x >= 0; --x) {
            if (img.at(x, c.py).a > 128) {
                right = x;
                break;
            }
        }
        EXPECT_GE(right, c.w - 6);
        // ...and the tail, if any, is shorter than the tip.
        int left = c.w;
        for (int x = 0; x < c.w; ++x) {
            if (img.at(x, c.py).a > 128) {
                left = x;
                break;
            }
        }
        EXPECT_LT(c.px - left, right - c.px);
        // The bitmap corners stay transparent: a needle is a shape, not a plate.
        EXPECT_EQ(img.at(c.w - 1, 0).a, 0);
        EXPECT_EQ(img.at(c.w - 1, c.h - 1).a, 0);
    }
}

// --- Dial faces ----------------------------------------------------------------

// White ink on the ray from the pivot at `angle` degrees between radii r0 and r1.
bool ink_on_ray(const Image& img, double px, double py, double angle, double r0, double r1) {
    double a = angle * 3.14159265358979323846 / 180.0;
    for (double r = r0; r <= r1; r += 0.5) {
        int x = static_cast<int>(std::lround(px + r * std::cos(a)));
        int y = static_cast<int>(std::lround(py + r * std::sin(a)));
        if (img.at(x, y).white()) return true;
    }
    return false;
}

double direction(int x, int y, double px, double py) {
    return std::atan2(y - py, x - px) * 180.0 / 3.14159265358979323846;
}

std::vector<NONLINEARITY> airspeed_table() {
    return {point(148, 32, -1), point(148, 32, 0),    point(180, 37, 40),  point(191, 51, 50), point(249, 89, 80),
            point(260, 150, 100), point(150, 260, 200), point(114, 51, 400), point(114, 51, 450)};
}

TEST(ArtgenDialFaces, MajorTickAtEveryCalibrationPoint) {
    FakeModule m;
    m.add_needle(430, 440, {150, 150}, {49, 18}, airspeed_table());
    Image img(430, 300, 300, m, "static");
    for (const NONLINEARITY& p : airspeed_table()) {
        SCOPED_TRACE(p.value);
        EXPECT_TRUE(ink_on_ray(img, 150, 150, direction(p.point.x, p.point.y, 150, 150), 95, 118));
    }
}

TEST(ArtgenDialFaces, ScaleFollowsTheTableNotAFixedLayout) {
    // Without a needle the face has a plain arc, open at the bottom.
    Image plain(430, 300, 300, no_needles(), "static");
    EXPECT_FALSE(ink_on_ray(plain, 150, 150, 90, 95, 118));

    // 200 kt at the bottom: a tick there.
    FakeModule standard;
    standard.add_needle(430, 440, {150, 150}, {49, 18}, airspeed_table());
    Image a(430, 300, 300, standard, "static");
    EXPECT_TRUE(ink_on_ray(a, 150, 150, 90, 95, 118));

    // Move the 200 kt point to the lower right: the tick moves with it and
    // the bottom, now between 225 and 250 kt, carries no tick.
    std::vector<NONLINEARITY> moved = airspeed_table();
    moved[6] = point(220, 230, 200);
    FakeModule shifted;
    shifted.add_needle(430, 440, {150, 150}, {49, 18}, moved);
    Image b(430, 300, 300, shifted, "static");
    EXPECT_TRUE(ink_on_ray(b, 150, 150, direction(220, 230, 150, 150), 100, 118));
    EXPECT_FALSE(ink_on_ray(b, 150, 150, 90, 100, 118));
}

TEST(ArtgenDialFaces, OffCentrePivotPutsTheScaleAroundThePivot) {
    // Oil temperature turns about (141, 101): -70 C at (81, 162), 150 C at (81, 43).
    auto r = [](double c) { return c * 1.8 + 491.67; };
    FakeModule m;
    m.add_needle(1000, 1010, {141, 101}, {0, 3},
                 {point(81, 162, r(-80)), point(81, 162, r(-70)), point(81, 43, r(150)), point(81, 43, r(160))});
    Image img(1000, 200, 200, m, "static");
    EXPECT_TRUE(ink_on_ray(img, 141, 101, direction(81, 162, 141, 101), 70, 88));
    EXPECT_TRUE(ink_on_ray(img, 141, 101, direction(81, 43, 141, 101), 70, 88));
    // Interpolated ticks between the ends: one every 10 C, 23 in all.
    int runs = 0;
    bool in_run = false;
    double a0 = direction(81, 162, 141, 101), a1 = direction(81, 43, 141, 101) + 360;
    for (double a = a0 - 1; a <= a1 + 1; a += 0.1) {
        double rad = a * 3.14159265358979323846 / 180.0;
        bool white = img.at(static_cast<int>(std::lround(141 + 82 * std::cos(rad))),
                            static_cast<int>(std::lround(101 + 82 * std::sin(rad))))
                         .light();
        if (white && !in_run) ++runs;
        in_run = white;
    }
    EXPECT_GE(runs, 20);
    EXPECT_LE(runs, 30);
    EXPECT_FALSE(ink_on_ray(img, 141, 101, 0, 40, 55)) << "no scale on the far side of the pivot";
}

// --- Digit wheels ----------------------------------------------------------------

TEST(ArtgenDigitWheels, CellsLineUpWithTheWindowHeight) {
    struct StripCase {
        std::uint32_t id;
        int w, h, cell;
    };
    const StripCase strips[] = {{3030, 13, 275, 25}, {3040, 13, 50, 25},  {3120, 13, 275, 25}, {3130, 13, 100, 25},
                                {3150, 13, 275, 25}, {3210, 13, 275, 25}, {2430, 18, 209, 19}};
    for (const StripCase& s : strips) {
        SCOPED_TRACE(s.id);
        Image img(s.id, s.w, s.h, no_needles(), "moving");
        ASSERT_TRUE(img.drawn());
        int cells = s.h / s.cell;
        ASSERT_EQ(cells * s.cell, s.h);
        for (int k = 0; k < cells; ++k) {
            int y = k * s.cell;
            EXPECT_TRUE(img.ink_in_rows(y + s.cell / 2 - 2, y + s.cell / 2 + 3)) << "cell " << k;
            // Nothing of a digit reaches the cell's first and last rows.
            EXPECT_FALSE(img.ink_in_rows(y, y + 1)) << "cell " << k;
            EXPECT_FALSE(img.ink_in_rows(y + s.cell - 1, y + s.cell)) << "cell " << k;
            if (k > 0) EXPECT_FALSE(img.rows_equal(y, y - s.cell, s.cell)) << "cells " << k - 1 << " and " << k;
        }
        // An eleven-cell wheel ends with a second 0, drawn like the first.
        if (cells == 11) EXPECT_TRUE(img.rows_equal(0, 10 * s.cell, s.cell));
    }
    // The two-cell tens wheel and the fixed digits show the same faces as the full wheel.
    Image full(3030, 13, 275, no_needles());
    Image tens(3040, 13, 50, no_needles());
    Image one(3050, 13, 25, no_needles());
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 13; ++x) {
            ASSERT_EQ(full.at(x, y).r, tens.at(x, y).r);
            if (y >= 25) ASSERT_EQ(full.at(x, y).r, one.at(x, y - 25).r);
        }
    }
}

// --- Every bitmap of the table ------------------------------------------------------

struct Row {
    std::uint32_t id;
    int w, h;
    std::string kind, role;
};

std::vector<Row> read_table() {
    std::vector<Row> rows;
    std::ifstream f(VANTOR_BITMAP_TABLE);
    std::string line;
    std::getline(f, line);
    while (std::getline(f, line)) {
        std::vector<std::string> cells;
        std::stringstream ss(line);
        std::string cell;
        while (std::getline(ss, cell, '\t')) cells.push_back(cell);
        if (cells.size() < 7) continue;
        rows.push_back({static_cast<std::uint32_t>(std::stoul(cells[0])), std::stoi(cells[1]), std::stoi(cells[2]),
                        cells[4], cells[6]});
    }
    return rows;
}

TEST(ArtgenTable, EveryBitmapIsDrawnWithTheColourRules) {
    std::vector<Row> rows = read_table();
    ASSERT_EQ(rows.size(), 261u);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.id);
        Image img(row.id, row.w, row.h, no_needles(), row.kind);
        ASSERT_TRUE(img.drawn());
        bool background = (row.kind == "static" || row.kind == "face" || row.kind == "icon") &&
                          row.role.rfind("background", 0) == 0;
        int black = 0, see_through = 0, visible = 0;
        const double cx = row.w / 2.0, cy = row.h / 2.0, r = std::min(row.w, row.h) / 2.0 - 1.5;
        for (int y = 0; y < row.h; ++y) {
            for (int x = 0; x < row.w; ++x) {
                Pixel p = img.at(x, y);
                if (p.a >= 128 && p.r == 0 && p.g == 0 && p.b == 0) ++black;
                // Round cases leave the corners to the panel they sit on.
                if (p.a < 255 && std::hypot(x + 0.5 - cx, y + 0.5 - cy) < r) ++see_through;
                if (p.a > 0) ++visible;
            }
        }
        EXPECT_EQ(black, 0) << "pure black is the transparent key";
        if (row.role.find("out of view") == std::string::npos) EXPECT_GT(visible, 0);
        if (background) EXPECT_EQ(see_through, 0) << "backgrounds are opaque within their case";
    }
}

// The DME's display window (10..106 x 6..36) holds only what its strings
// draw: the faceplate prints nothing there.
TEST(ArtgenTable, DmeFaceLeavesItsDisplayWindowEmpty) {
    Image img(2370, 119, 59, no_needles(), "static");
    int marks = 0;
    for (int y = 8; y < 35; ++y) {
        for (int x = 12; x < 105; ++x) marks += img.at(x, y).light();
    }
    EXPECT_EQ(marks, 0);
}

TEST(ArtgenTable, CoversLeaveTheGlassClear) {
    for (std::uint32_t id : {450u, 480u, 2070u, 2290u, 2360u, 3460u, 1240u}) {
        SCOPED_TRACE(id);
        int size = id == 1240 ? 200 : 300;
        Image img(id, size, size, no_needles(), "static");
        EXPECT_EQ(img.at(size / 2 + 20, size / 2 + 20).a, 0);
        EXPECT_EQ(img.at(size / 2, 2).a, 255) << "the case's rim";
        EXPECT_EQ(img.at(1, 1).a, 0) << "the panel shows around the case";
    }
}

}  // namespace
