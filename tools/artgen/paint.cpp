#include "tools/artgen/paint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace artgen::paint {

void set(cairo_t* cr, Rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

Rgb mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace {

std::uint32_t hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

double noise01(int x, int y, unsigned seed) {
    return (hash(static_cast<std::uint32_t>(x) * 73856093U ^ static_cast<std::uint32_t>(y) * 19349663U ^
                 seed * 83492791U) &
            0xffff) /
           65535.0;
}

}  // namespace

void panel(cairo_t* cr, double x, double y, double w, double h, unsigned seed) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    set(cr, PANEL);
    cairo_fill(cr);
    // Crinkle: a fine grain of slightly lighter and darker specks.
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    int x1 = static_cast<int>(std::ceil(x + w)), y1 = static_cast<int>(std::ceil(y + h));
    for (int py = y0; py < y1; ++py) {
        for (int px = x0; px < x1; ++px) {
            double n = noise01(px, py, seed);
            if (n > 0.80) {
                cairo_rectangle(cr, px, py, 1, 1);
                cairo_set_source_rgba(cr, 0.20, 0.20, 0.21, (n - 0.80) * 3.0);
                cairo_fill(cr);
            } else if (n < 0.18) {
                cairo_rectangle(cr, px, py, 1, 1);
                cairo_set_source_rgba(cr, 0.045, 0.045, 0.05, 0.8);
                cairo_fill(cr);
            }
        }
    }
    cairo_restore(cr);
}

void panel_fill(cairo_t* cr, const BitmapInfo& b) { panel(cr, 0, 0, b.width, b.height, b.id); }

void bezel(cairo_t* cr, double cx, double cy, double r, double rim) {
    cairo_save(cr);
    // Outer case edge, a dark ring with a soft light from the upper left.
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.32, 0.32, 0.33);
    cairo_pattern_add_color_stop_rgb(p, 0.5, 0.12, 0.12, 0.12);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.05, 0.05, 0.05);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_arc_negative(cr, cx, cy, r - rim, 2 * PI, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Inner lip, lit from the lower right.
    p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.04, 0.04, 0.04);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.30, 0.30, 0.31);
    cairo_set_line_width(cr, std::max(1.0, rim * 0.22));
    cairo_arc(cr, cx, cy, r - rim + rim * 0.11, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    cairo_set_line_width(cr, 1.0);
    cairo_arc(cr, cx, cy, r - 0.5, 0, 2 * PI);
    cairo_set_source_rgba(cr, 0.03, 0.03, 0.03, 1.0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void screw(cairo_t* cr, double x, double y, double r, double angle) {
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.55, 0.55, 0.56);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.16, 0.16, 0.17);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    cairo_set_line_width(cr, std::max(1.0, r * 0.3));
    cairo_move_to(cr, -r * 0.85, 0);
    cairo_line_to(cr, r * 0.85, 0);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.05);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void corner_screws(cairo_t* cr, double w, double h, double inset, double r) {
    screw(cr, inset, inset, r, 35);
    screw(cr, w - inset, inset, r, 110);
    screw(cr, inset, h - inset, r, 75);
    screw(cr, w - inset, h - inset, r, 160);
}

void font(cairo_t* cr, Font f, double size) {
    const char* family = "DejaVu Sans";
    cairo_font_weight_t weight = CAIRO_FONT_WEIGHT_NORMAL;
    switch (f) {
    case Font::Sans: break;
    case Font::SansBold: weight = CAIRO_FONT_WEIGHT_BOLD; break;
    case Font::Condensed: family = "DejaVu Sans Condensed"; break;
    case Font::CondensedBold:
        family = "DejaVu Sans Condensed";
        weight = CAIRO_FONT_WEIGHT_BOLD;
        break;
    case Font::Serif: family = "DejaVu Serif"; break;
    }
    cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, weight);
    cairo_set_font_size(cr, size);
}

void text_centered(cairo_t* cr, double x, double y, const char* text, double size, Rgb c, Font f) {
    text_rotated(cr, x, y, 0, text, size, c, f);
}

void text_rotated(cairo_t* cr, double x, double y, double angle, const char* text, double size, Rgb c, Font f) {
    cairo_save(cr);
    font(cr, f, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rad(angle));
    // Centre on the ink box horizontally, on the cap height vertically.
    cairo_move_to(cr, -(e.x_bearing + e.width / 2), size * 0.36);
    set(cr, c);
    cairo_show_text(cr, text);
    cairo_new_path(cr);  // no current point left for the next path
    cairo_restore(cr);
}

void text_arc(cairo_t* cr, double cx, double cy, double r, double angle, const char* text, double size, Rgb c,
              Font f) {
    cairo_save(cr);
    font(cr, f, size);
    // Lay the characters one by one along the circle, reading clockwise.
    cairo_text_extents_t e;
    cairo_text_extents(cr, text, &e);
    double total = e.x_advance / r;  // radians
    double a = rad(angle) - total / 2;
    char ch[2] = {0, 0};
    for (const char* p = text; *p; ++p) {
        ch[0] = *p;
        cairo_text_extents_t ce;
        cairo_text_extents(cr, ch, &ce);
        double mid = a + ce.x_advance / (2 * r);
        cairo_save(cr);
        cairo_translate(cr, cx + r * std::cos(mid), cy + r * std::sin(mid));
        cairo_rotate(cr, mid + PI / 2);
        cairo_move_to(cr, -ce.x_advance / 2, size * 0.36);
        set(cr, c);
        cairo_show_text(cr, ch);
        cairo_new_path(cr);
        cairo_restore(cr);
        a += ce.x_advance / r;
    }
    cairo_restore(cr);
}

void tick(cairo_t* cr, double cx, double cy, double angle, double r0, double r1, double width, Rgb c) {
    double a = rad(angle);
    cairo_save(cr);
    cairo_move_to(cr, cx + r0 * std::cos(a), cy + r0 * std::sin(a));
    cairo_line_to(cr, cx + r1 * std::cos(a), cy + r1 * std::sin(a));
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    set(cr, c);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void knurled_knob(cairo_t* cr, double cx, double cy, double r, double angle, Rgb body, bool index) {
    cairo_save(cr);
    // Knurled skirt: alternating light and dark teeth.
    int teeth = std::max(12, static_cast<int>(r * 1.6));
    for (int i = 0; i < teeth; ++i) {
        double a0 = 2 * PI * i / teeth, a1 = 2 * PI * (i + 0.5) / teeth;
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a0, a1);
        cairo_close_path(cr);
        double light = 0.5 + 0.5 * std::cos(a0 + PI * 0.75);
        set(cr, mix(body, Rgb{0.45, 0.45, 0.45}, 0.15 + 0.35 * light));
        cairo_fill(cr);
        cairo_move_to(cr, cx, cy);
        cairo_arc(cr, cx, cy, r, a1, a0 + 2 * PI / teeth);
        cairo_close_path(cr);
        set(cr, mix(body, Rgb{0.02, 0.02, 0.02}, 0.3));
        cairo_fill(cr);
    }
    // Domed top.
    double top = r * 0.78;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - top * 0.35, cy - top * 0.35, top * 0.1, cx, cy, top);
    Rgb hi = mix(body, Rgb{0.6, 0.6, 0.6}, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0.0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1.0, body.r, body.g, body.b);
    cairo_arc(cr, cx, cy, top, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (index) {
        tick(cr, cx, cy, angle, top * 0.25, top * 0.95, std::max(1.5, r * 0.12), INK);
    }
    cairo_restore(cr);
}

void toggle_lever(cairo_t* cr, double bx, double by, double tx, double ty, double width) {
    cairo_save(cr);
    // Hex nut.
    double nut = width * 1.35;
    cairo_new_path(cr);
    for (int i = 0; i < 6; ++i) {
        double a = PI / 6 + i * PI / 3;
        cairo_line_to(cr, bx + nut * std::cos(a), by + nut * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(bx - nut, by - nut, bx + nut, by + nut);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.75, 0.76);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.25, 0.26);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_arc(cr, bx, by, width * 0.7, 0, 2 * PI);
    set(cr, Rgb{0.12, 0.12, 0.12});
    cairo_fill(cr);
    // Tapered lever, chrome.
    double dx = tx - bx, dy = ty - by;
    double len = std::hypot(dx, dy);
    if (len > 0.5) {
        double nx = -dy / len, ny = dx / len;
        double w0 = width * 0.45, w1 = width * 0.32;
        cairo_move_to(cr, bx + nx * w0, by + ny * w0);
        cairo_line_to(cr, tx + nx * w1, ty + ny * w1);
        cairo_line_to(cr, tx - nx * w1, ty - ny * w1);
        cairo_line_to(cr, bx - nx * w0, by - ny * w0);
        cairo_close_path(cr);
        p = cairo_pattern_create_linear(bx + nx * w0, by + ny * w0, bx - nx * w0, by - ny * w0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.35, 0.35, 0.36);
        cairo_pattern_add_color_stop_rgb(p, 0.4, 0.92, 0.92, 0.93);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.30, 0.30, 0.31);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // Ball tip.
    double br = width * 0.55;
    p = cairo_pattern_create_radial(tx - br * 0.4, ty - br * 0.4, br * 0.1, tx, ty, br);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.98, 0.98, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.40, 0.40, 0.42);
    cairo_arc(cr, tx, ty, br, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void lamp(cairo_t* cr, double cx, double cy, double r, Rgb colour, double level, bool bezel_ring) {
    cairo_save(cr);
    double lens = r;
    if (bezel_ring) {
        cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.80, 0.80, 0.81);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.22, 0.23);
        cairo_arc(cr, cx, cy, r, 0, 2 * PI);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        lens = r * 0.74;
        cairo_arc(cr, cx, cy, lens + std::max(0.8, r * 0.06), 0, 2 * PI);
        set(cr, Rgb{0.08, 0.08, 0.08});
        cairo_fill(cr);
    }
    Rgb dark = mix(colour, Rgb{0.06, 0.06, 0.06}, 0.72);
    double lit = std::min(level, 1.0);
    double extra = std::max(0.0, level - 1.0);
    Rgb body = mix(dark, colour, lit);
    Rgb core = mix(body, Rgb{1.0, 1.0, 0.92}, lit * (0.35 + 0.45 * std::min(extra, 1.0)));
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - lens * 0.25, cy - lens * 0.25, lens * 0.05, cx, cy, lens);
    cairo_pattern_add_color_stop_rgb(p, 0, core.r, core.g, core.b);
    cairo_pattern_add_color_stop_rgb(p, 0.6, body.r, body.g, body.b);
    Rgb edge = mix(body, Rgb{0.05, 0.05, 0.05}, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, edge.r, edge.g, edge.b);
    cairo_arc(cr, cx, cy, lens, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Facets of the lens: faint concentric rings.
    cairo_set_line_width(cr, std::max(0.6, lens * 0.05));
    for (double k = 0.35; k < 0.95; k += 0.3) {
        cairo_arc(cr, cx, cy, lens * k, 0, 2 * PI);
        cairo_set_source_rgba(cr, 1, 1, 1, 0.07 + 0.05 * lit);
        cairo_stroke(cr);
    }
    // Specular glint.
    cairo_arc(cr, cx - lens * 0.35, cy - lens * 0.38, lens * 0.18, 0, 2 * PI);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
}

void plate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb c) {
    cairo_save(cr);
    rounded_rect(cr, x, y, w, h, radius);
    set(cr, c);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_set_source_rgb(cr, 0.26, 0.26, 0.27);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void glass_glint(cairo_t* cr, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_set_line_width(cr, r * 0.05);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, cx, cy, r * 0.9, rad(200), rad(240));
    cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------

Scale::Scale(const NONLINEARITY* points, unsigned count, PIXPOINT pivot) {
    double unwrapped = 0;
    for (unsigned i = 0; i < count; ++i) {
        double dx = points[i].point.x - pivot.x, dy = points[i].point.y - pivot.y;
        double raw = std::atan2(dy, dx) * 180.0 / PI;
        if (i == 0) {
            unwrapped = raw;
        } else {
            bool same = points[i].point.x == points[i - 1].point.x && points[i].point.y == points[i - 1].point.y;
            double prev = points_.back().angle;
            double delta = std::fmod(raw - prev, 360.0);
            if (delta < 0) delta += 360.0;
            if (same || delta > 359.999) delta = 0;
            unwrapped = prev + delta;
        }
        points_.push_back({points[i].value, unwrapped, std::hypot(dx, dy)});
    }
}

bool Scale::angle_of(double value, double& angle) const {
    for (std::size_t i = 0; i + 1 < points_.size(); ++i) {
        double v0 = points_[i].value, v1 = points_[i + 1].value;
        if (v0 == v1) continue;
        double lo = std::min(v0, v1), hi = std::max(v0, v1);
        if (value < lo || value > hi) continue;
        double t = (value - v0) / (v1 - v0);
        angle = points_[i].angle + t * (points_[i + 1].angle - points_[i].angle);
        return true;
    }
    return false;
}

double Scale::angle_extrapolated(double value) const {
    double a = 0;
    if (angle_of(value, a) || points_.size() < 2) return a;
    // Beyond the ends: the rate of the nearest pair with distinct values.
    const Point& f0 = points_[0];
    const Point& f1 = points_[1];
    const Point& l0 = points_[points_.size() - 2];
    const Point& l1 = points_.back();
    bool rising = l1.value >= f0.value;
    bool before = rising ? value < f0.value : value > f0.value;
    const Point& a0 = before ? f0 : l0;
    const Point& a1 = before ? f1 : l1;
    if (a1.value == a0.value) return before ? f0.angle : l1.angle;
    double rate = (a1.angle - a0.angle) / (a1.value - a0.value);
    return (before ? f0.angle : l1.angle) + (value - (before ? f0.value : l1.value)) * rate;
}

bool Scale::is_stop(std::size_t i) const {
    auto same = [&](std::size_t a, std::size_t b) { return points_[a].angle == points_[b].angle; };
    if (i > 0 && same(i, i - 1) && i == points_.size() - 1) return true;
    if (i + 1 < points_.size() && same(i, i + 1) && i == 0) return true;
    return false;
}

double Scale::mean_radius() const {
    double sum = 0;
    for (const Point& p : points_) sum += p.radius;
    return points_.empty() ? 0 : sum / points_.size();
}

const ELEMENT_NEEDLE* find_needle(const ModuleView& module, std::uint32_t background_id, std::uint32_t needle_bitmap) {
    const GAUGEHDR* g = module.gauge_with_background(background_id);
    if (!g) return nullptr;
    for (const ELEMENT_NEEDLE* n : module.needles_of(g)) {
        if (n && n->header.bitmap_id == needle_bitmap && n->calibration && n->calibration_count >= 2) return n;
    }
    return nullptr;
}

}  // namespace artgen::paint
