// Needles, hands, pointers and the knobs that turn as needles. Each bitmap
// points along its own +x from its pivot; the hub sits exactly on the pivot.
#include <algorithm>
#include <cmath>

#include "tools/artgen/paint.h"

namespace artgen::needles {

using namespace paint;

namespace {

enum class Style {
    Lance,      // tapered pointer with a counterweight tail
    Bar,        // slim bar from the pivot
    Hold,       // slim coloured pointer (hold needles, bugs)
    Hand,       // clock / altimeter hand with a leaf
    Wide,       // ten-thousands pointer: thin shaft, wedge at the rim
    Knob,       // knurled knob with a white index along +x
    OuterRing,  // outer ring of a concentric knob
    Disc,       // millibar disc with an index
    RmiSingle,  // single-bar bearing pointer
    RmiDouble,  // double-bar bearing pointer
    Course,     // course arrow
    DhBug,      // decision-height index at the rim
    Line,       // hairline (deviation bars), may pivot outside the bitmap
    Wheel,      // large trim wheel knob with spokes
    HeadingBug, // desired-heading pointer with a bug at its tip
};

struct NeedleShape {
    std::uint32_t id;
    double px, py;  // pivot inside the bitmap
    Style style;
    Rgb colour;
};

constexpr NeedleShape SHAPES[] = {
    {300, 95, 13, Style::RmiSingle, Rgb{0.95, 0.85, 0.30}},
    {310, 94, 18, Style::RmiDouble, CREAM},
    {380, 0, 4, Style::Bar, CREAM},
    {410, 0, 4, Style::Bar, CREAM},
    {440, 49, 18, Style::Lance, CREAM},
    {470, 50, 13, Style::Lance, CREAM},
    {1010, 0, 3, Style::Bar, CREAM},
    {1040, 16, 3, Style::Bar, CREAM},
    {1070, 0, 12, Style::Lance, CREAM},
    {1080, 0, 10, Style::DhBug, Rgb{1.0, 0.55, 0.10}},
    {1090, 25, 25, Style::Knob, BAKELITE},
    {1230, 10, 4, Style::Bar, CREAM},
    {1260, 0, 4, Style::Bar, CREAM},
    {1430, 49, 18, Style::Lance, CREAM},
    {1460, 33, 11, Style::Lance, CREAM},
    {1470, 33, 11, Style::Hold, Rgb{1.0, 0.60, 0.12}},
    {2030, 7, 10, Style::Hand, CREAM},
    {2040, 0, 7, Style::Hand, CREAM},
    {2050, 62, 65, Style::Wide, CREAM},
    {2060, 25, 25, Style::Disc, BAKELITE},
    {2110, 50, 13, Style::Lance, CREAM},
    {2140, 22, 13, Style::Lance, CREAM},
    {2200, 18, 4, Style::Bar, CREAM},
    {2230, 34, 12, Style::Lance, CREAM},
    {2330, 27, 27, Style::Knob, BAKELITE},
    {2340, 1, 7, Style::HeadingBug, Rgb{1.0, 0.55, 0.10}},
    {2470, 44, 14, Style::Lance, CREAM},
    {3010, 25, 25, Style::Knob, BAKELITE},
    {3020, 25, 25, Style::Knob, BAKELITE},
    {3100, 25, 25, Style::Knob, BAKELITE},
    {3110, 25, 25, Style::Knob, BAKELITE},
    {3260, 14, 14, Style::OuterRing, BAKELITE},
    {3270, 8, 8, Style::Knob, BAKELITE},
    {3330, -7, 2, Style::Line, CREAM},
    {3380, 39, 12, Style::Course, CREAM},
    {3390, 0, 2, Style::Line, CREAM},
    {3410, 37, 37, Style::Knob, BAKELITE},
    {3430, 53, 7, Style::Hold, Rgb{0.90, 0.20, 0.15}},
    {3440, 12, 11, Style::Hand, CREAM},
    {3450, 12, 11, Style::Hand, CREAM},
    {4100, 29, 9, Style::Lance, CREAM},
    {4220, 0, 2, Style::Line, CREAM},
    {4240, 47, 47, Style::Wheel, BAKELITE},
    {4290, 28, 28, Style::Lance, CREAM},
};

void hub(cairo_t* cr, double x, double y, double r) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.42, 0.42, 0.43);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.10, 0.10);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, x, y, std::max(0.8, r * 0.3), 0, 2 * PI);
    set(cr, Rgb{0.55, 0.55, 0.56});
    cairo_fill(cr);
}

void outline(cairo_t* cr) {
    // A thin dark edge keeps a light needle readable over light markings.
    cairo_set_line_width(cr, 0.8);
    cairo_set_source_rgba(cr, 0.06, 0.06, 0.06, 0.9);
    cairo_stroke(cr);
}

void lance(cairo_t* cr, double px, double py, double tip, double tail, double half, Rgb c) {
    double w = std::min(half * 0.45, 3.2);
    cairo_move_to(cr, px + tip, py);
    cairo_line_to(cr, px + tip * 0.82, py - w);
    cairo_line_to(cr, px + w * 1.2, py - w * 1.1);
    cairo_line_to(cr, px - tail * 0.7, py - w * 1.4);
    cairo_line_to(cr, px - tail, py - w * 1.6);
    cairo_line_to(cr, px - tail, py + w * 1.6);
    cairo_line_to(cr, px - tail * 0.7, py + w * 1.4);
    cairo_line_to(cr, px + w * 1.2, py + w * 1.1);
    cairo_line_to(cr, px + tip * 0.82, py + w);
    cairo_close_path(cr);
    set(cr, c);
    cairo_fill_preserve(cr);
    outline(cr);
    // Dark counterweight half of the tail.
    if (tail > 4) {
        cairo_rectangle(cr, px - tail, py - w * 1.6, tail * 0.45, w * 3.2);
        set(cr, Rgb{0.16, 0.16, 0.16});
        cairo_fill(cr);
    }
    hub(cr, px, py, std::min(half - 0.5, std::max(3.5, w * 2.6)));
}

void draw(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    const NeedleShape* s = nullptr;
    for (const NeedleShape& n : SHAPES) {
        if (n.id == b.id) s = &n;
    }
    if (!s) return;
    double W = b.width, H = b.height, px = s->px, py = s->py;
    double tip = W - px - 1.5, tail = std::max(0.0, px - 1.5);
    double half = std::min(py, H - py);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (s->style) {
    case Style::Lance: lance(cr, px, py, tip, tail, half, s->colour); break;
    case Style::Bar: {
        double w = std::max(1.2, half * 0.55);
        cairo_move_to(cr, px - tail, py - w);
        cairo_line_to(cr, px + tip - w * 2, py - w);
        cairo_line_to(cr, px + tip, py);
        cairo_line_to(cr, px + tip - w * 2, py + w);
        cairo_line_to(cr, px - tail, py + w);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill(cr);
        hub(cr, px, py, half - 0.3);
        break;
    }
    case Style::Hold: {
        double w = std::max(1.0, std::min(half * 0.3, 2.0));
        cairo_move_to(cr, px - tail, py - w);
        cairo_line_to(cr, px + tip - 6, py - w);
        cairo_line_to(cr, px + tip, py);
        cairo_line_to(cr, px + tip - 6, py + w);
        cairo_line_to(cr, px - tail, py + w);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill(cr);
        hub(cr, px, py, std::min(half - 0.5, 4.5));
        break;
    }
    case Style::Hand: {
        // Leaf-shaped hand, widest a third of the way out.
        double w = half * 0.62;
        double wide = px + tip * 0.35;
        cairo_move_to(cr, px - tail, py - 1.5);
        cairo_line_to(cr, px, py - 2);
        cairo_line_to(cr, wide, py - w);
        cairo_line_to(cr, px + tip, py);
        cairo_line_to(cr, wide, py + w);
        cairo_line_to(cr, px, py + 2);
        cairo_line_to(cr, px - tail, py + 1.5);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill_preserve(cr);
        outline(cr);
        hub(cr, px, py, std::max(3.0, std::min(half - 1, 6.0)));
        break;
    }
    case Style::Wide: {
        // Thin shaft to a broad wedge that shows past the other hands.
        double r0 = tip - 16;
        cairo_move_to(cr, px, py - 1.2);
        cairo_line_to(cr, px + r0, py - 1.2);
        cairo_line_to(cr, px + r0, py + 1.2);
        cairo_line_to(cr, px, py + 1.2);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill(cr);
        cairo_move_to(cr, px + r0, py - 7);
        cairo_line_to(cr, px + tip, py);
        cairo_line_to(cr, px + r0, py + 7);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill_preserve(cr);
        outline(cr);
        hub(cr, px, py, 4);
        break;
    }
    case Style::Knob: knurled_knob(cr, px, py, std::min({px, py, W - px, H - py}) - 0.5, 0); break;
    case Style::OuterRing: {
        double r = std::min(px, py) - 0.5;
        knurled_knob(cr, px, py, r, 0, BAKELITE, false);
        tick(cr, px, py, 0, r * 0.62, r * 0.95, 2, INK);
        break;
    }
    case Style::Disc: {
        double r = std::min(px, py) - 0.5;
        knurled_knob(cr, px, py, r, 0, BAKELITE, false);
        tick(cr, px, py, 0, r * 0.45, r * 0.92, 2.4, INK);
        text_centered(cr, px - r * 0.15, py, "MB", r * 0.34, DIM, Font::CondensedBold);
        break;
    }
    case Style::RmiSingle:
    case Style::RmiDouble: {
        bool twin = s->style == Style::RmiDouble;
        double head = half * 0.9;
        set(cr, s->colour);
        cairo_set_line_width(cr, 2.2);
        double gap = twin ? half * 0.28 : 0;
        for (int side = twin ? -1 : 0; side <= (twin ? 1 : 0); side += 2) {
            double y = py + side * gap;
            cairo_move_to(cr, px - tail + 4, y);
            cairo_line_to(cr, px + tip - head * 1.4, y);
            cairo_stroke(cr);
            if (!twin) break;
        }
        // Arrow head at the tip, open tail feathers.
        cairo_move_to(cr, px + tip, py);
        cairo_line_to(cr, px + tip - head * 1.6, py - head * 0.8);
        cairo_line_to(cr, px + tip - head * 1.6, py + head * 0.8);
        cairo_close_path(cr);
        cairo_fill_preserve(cr);
        outline(cr);
        set(cr, s->colour);
        cairo_set_line_width(cr, 2.0);
        cairo_move_to(cr, px - tail, py - head * 0.6);
        cairo_line_to(cr, px - tail + head, py);
        cairo_line_to(cr, px - tail, py + head * 0.6);
        cairo_stroke(cr);
        hub(cr, px, py, std::min(half - 1, 6.0));
        break;
    }
    case Style::Course: {
        double w = 3;
        cairo_move_to(cr, px - tail, py - w);
        cairo_line_to(cr, px + tip - 14, py - w);
        cairo_line_to(cr, px + tip - 16, py - half + 1);
        cairo_line_to(cr, px + tip, py);
        cairo_line_to(cr, px + tip - 16, py + half - 1);
        cairo_line_to(cr, px + tip - 14, py + w);
        cairo_line_to(cr, px - tail, py + w);
        cairo_close_path(cr);
        set(cr, Rgb{0.95, 0.80, 0.25});
        cairo_fill_preserve(cr);
        outline(cr);
        hub(cr, px, py, 7);
        break;
    }
    case Style::DhBug: {
        // Only the index shows, at the rim: a triangle pointing inwards.
        cairo_move_to(cr, W - 16, py);
        cairo_line_to(cr, W - 1, py - half + 1);
        cairo_line_to(cr, W - 1, py + half - 1);
        cairo_close_path(cr);
        set(cr, s->colour);
        cairo_fill_preserve(cr);
        outline(cr);
        break;
    }
    case Style::Line: {
        double x0 = std::max(0.0, px), w = std::max(1.0, half - 0.5);
        cairo_rectangle(cr, x0, py - w, W - x0 - 1, 2 * w);
        set(cr, s->colour);
        cairo_fill(cr);
        if (px >= 0) hub(cr, px, py, half);
        break;
    }
    case Style::Wheel: {
        double r = std::min(px, py) - 0.5;
        knurled_knob(cr, px, py, r, 0, BAKELITE, false);
        for (int k = 0; k < 3; ++k) {
            double a = k * 120;
            tick(cr, px, py, a, r * 0.2, r * 0.72, r * 0.14, Rgb{0.20, 0.19, 0.18});
        }
        cairo_arc(cr, px, py, r * 0.2, 0, 2 * PI);
        set(cr, CHROME);
        cairo_fill(cr);
        tick(cr, px, py, 0, r * 0.75, r * 0.96, 3, INK);
        break;
    }
    case Style::HeadingBug: {
        cairo_rectangle(cr, px, py - 1, tip - 10, 2);
        set(cr, s->colour);
        cairo_fill(cr);
        cairo_move_to(cr, px + tip - 12, py - half + 1);
        cairo_line_to(cr, px + tip, py - half + 1);
        cairo_line_to(cr, px + tip, py + half - 1);
        cairo_line_to(cr, px + tip - 12, py + half - 1);
        cairo_line_to(cr, px + tip - 6, py);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    }
    }
}

}  // namespace

ARTGEN_DRAWING(300, 310, draw);
ARTGEN_DRAWING(380, 380, draw);
ARTGEN_DRAWING(410, 410, draw);
ARTGEN_DRAWING(440, 440, draw);
ARTGEN_DRAWING(470, 470, draw);
ARTGEN_DRAWING(1010, 1010, draw);
ARTGEN_DRAWING(1040, 1040, draw);
ARTGEN_DRAWING(1070, 1090, draw);
ARTGEN_DRAWING(1230, 1230, draw);
ARTGEN_DRAWING(1260, 1260, draw);
ARTGEN_DRAWING(1430, 1430, draw);
ARTGEN_DRAWING(1460, 1470, draw);
ARTGEN_DRAWING(2030, 2060, draw);
ARTGEN_DRAWING(2110, 2110, draw);
ARTGEN_DRAWING(2140, 2140, draw);
ARTGEN_DRAWING(2200, 2200, draw);
ARTGEN_DRAWING(2230, 2230, draw);
ARTGEN_DRAWING(2330, 2340, draw);
ARTGEN_DRAWING(2470, 2470, draw);
ARTGEN_DRAWING(3010, 3020, draw);
ARTGEN_DRAWING(3100, 3110, draw);
ARTGEN_DRAWING(3260, 3270, draw);
ARTGEN_DRAWING(3330, 3330, draw);
ARTGEN_DRAWING(3380, 3390, draw);
ARTGEN_DRAWING(3410, 3410, draw);
ARTGEN_DRAWING(3430, 3450, draw);
ARTGEN_DRAWING(4100, 4100, draw);
ARTGEN_DRAWING(4220, 4220, draw);
ARTGEN_DRAWING(4240, 4240, draw);
ARTGEN_DRAWING(4290, 4290, draw);

}  // namespace artgen::needles
