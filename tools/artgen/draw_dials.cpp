// Single-needle dials: faces laid out from the needle's calibration table,
// and the glass-and-bezel covers drawn over their needles.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "tools/artgen/dial_face.h"

namespace artgen::dial {

using namespace paint;

namespace {

constexpr double RIM = 0.085;

struct Placed {
    double x, y, half_w;
};

bool collides(const std::vector<Placed>& placed, double x, double y, double half_w, double size) {
    for (const Placed& p : placed) {
        if (std::fabs(p.x - x) < p.half_w + half_w + size * 0.25 && std::fabs(p.y - y) < size * 0.95) return true;
    }
    return false;
}

void format_value(char* out, std::size_t n, double v) {
    if (std::fabs(v - std::round(v)) < 1e-6) {
        std::snprintf(out, n, "%d", static_cast<int>(std::lround(v)));
    } else {
        std::snprintf(out, n, "%.1f", v);
    }
}

// Places the titles at the face centre's side away from the scale.
void titles(cairo_t* cr, double cx, double cy, double R, const FaceLayout& s) {
    double size = std::max(7.0, R * 0.085);
    double y = cy + R * s.title_dy;
    cx += R * s.title_dx;
    text_centered(cr, cx, y, s.title, size, INK, Font::CondensedBold);
    double next = y + size * 1.15;
    if (s.title2) {
        text_centered(cr, cx, next, s.title2, size, INK, Font::CondensedBold);
        next += size * 1.15;
    }
    if (s.unit) text_centered(cr, cx, next + size * 0.1, s.unit, size * 0.8, DIM, Font::Condensed);
}

}  // namespace

// The corners outside the round case stay clear (the colour key): the
// panel the gauge is placed on shows there, under the panel's own light.
double case_and_face(cairo_t* cr, const BitmapInfo& b) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    double R = std::min(b.width, b.height) / 2.0 - 0.5;
    double inner = R * (1 - RIM);
    cairo_arc(cr, cx, cy, inner, 0, 2 * PI);
    set(cr, FACE);
    cairo_fill(cr);
    bezel(cr, cx, cy, R, R * RIM + 1);
    return inner;
}

void draw_cover(cairo_t* cr, const BitmapInfo& b) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    double R = std::min(b.width, b.height) / 2.0 - 0.5;
    // Clear around the case, like the face below it, and over the glass.
    bezel(cr, cx, cy, R, R * RIM + 1);
    glass_glint(cr, cx, cy, R * (1 - RIM));
}

void draw_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& module, const FaceLayout& s) {
    double inner = case_and_face(cr, b);
    double cx = b.width / 2.0, cy = b.height / 2.0;
    const ELEMENT_NEEDLE* n = find_needle(module, s.face_id, s.needle_id);
    if (!n) {
        // No table yet: a plain scale arc, the titles and nothing to mislead.
        cairo_set_line_width(cr, std::max(1.5, inner * 0.02));
        cairo_arc(cr, cx, cy, inner * 0.82, rad(135), rad(405));
        set(cr, INK);
        cairo_stroke(cr);
        titles(cr, cx, cy, inner, s);
        return;
    }
    Scale scale(n->calibration, n->calibration_count, n->header.position);
    double px = n->header.position.x, py = n->header.position.y;
    auto raw_of = [&](double d) { return (d - s.c) / s.k; };
    auto angle_at = [&](double d, double& a) { return scale.angle_of(raw_of(d), a); };

    // Ring radius: where the needle tips point, kept inside the face.
    double ring = 0;
    int count = 0;
    for (std::size_t i = 0; i < scale.points().size(); ++i) {
        if (scale.is_stop(i)) continue;
        ring += scale.points()[i].radius;
        ++count;
    }
    ring = count ? ring / count : inner * 0.85;
    ring = std::min(ring, inner - 2);
    double major_len = std::max(5.0, ring * 0.13), minor_len = major_len * 0.5;
    double label_size = std::max(8.0, std::min(inner * 0.14, ring * 0.2) * s.label_scale);
    // Numbers outside the ticks where the face leaves room, else inside.
    bool outside = inner - ring > label_size * 2.0;
    double label_r = outside ? ring + label_size * 0.95 : ring - major_len - label_size * 0.85;

    // Coloured range arcs just inside the ticks.
    for (const Arc& arc : s.arcs) {
        double a0, a1;
        if (!angle_at(arc.from, a0) || !angle_at(arc.to, a1)) continue;
        cairo_set_line_width(cr, major_len * 0.45);
        cairo_arc(cr, px, py, ring - major_len * 0.25, rad(std::min(a0, a1)), rad(std::max(a0, a1)));
        set(cr, arc.colour);
        cairo_stroke(cr);
    }

    // Regular ticks within the bands.
    for (const Band& band : s.bands) {
        int steps = static_cast<int>(std::lround((band.to - band.from) / band.minor));
        for (int i = 0; i <= steps; ++i) {
            double d = band.from + i * band.minor;
            double a;
            if (!angle_at(d, a)) continue;
            double m = std::fmod(std::fabs(d - band.from) + 1e-9, band.major);
            bool major = m < 1e-6 || band.major - m < 1e-6;
            tick(cr, px, py, a, ring - (major ? major_len : minor_len), ring, major ? 2.2 : 1.5, INK);
        }
    }

    std::vector<Placed> placed;
    auto label = [&](double d, const char* text) {
        double a;
        if (!angle_at(d, a)) return;
        char buf[32];
        if (!text) {
            format_value(buf, sizeof buf, (s.abs_labels ? std::fabs(d) : d) / s.label_divisor);
            text = buf;
        }
        double x = px + label_r * std::cos(rad(a)), y = py + label_r * std::sin(rad(a));
        double size = std::strlen(text) > 3 ? label_size * 0.8 : label_size;
        font(cr, Font::CondensedBold, size);
        cairo_text_extents_t e;
        cairo_text_extents(cr, text, &e);
        if (outside) {
            // Push long numbers out so that their inner edge clears the ticks.
            double extra = std::max(0.0, e.width / 2 - size * 0.5) * std::fabs(std::cos(rad(a)));
            x += extra * std::cos(rad(a));
            y += extra * std::sin(rad(a));
        }
        if (collides(placed, x, y, e.width / 2, size)) return;
        placed.push_back({x, y, e.width / 2});
        text_centered(cr, x, y, text, size, INK, Font::CondensedBold);
    };
    // Calibration marks: a major tick and the value at each point in range.
    for (std::size_t i = 0; i < scale.points().size(); ++i) {
        if (scale.is_stop(i)) continue;
        double d = scale.points()[i].value * s.k + s.c;
        bool in_range = false;
        for (const Band& band : s.bands) in_range |= d >= band.from - 1e-6 && d <= band.to + 1e-6;
        for (const Label& l : s.labels) in_range |= std::fabs(l.value - d) < 1e-6;
        if (!in_range) continue;
        tick(cr, px, py, scale.points()[i].angle, ring - major_len * 1.15, ring, 2.6, INK);
    }
    for (const Label& l : s.labels) {
        double a;
        if (angle_at(l.value, a)) tick(cr, px, py, a, ring - major_len * 1.15, ring, 2.6, INK);
        label(l.value, l.text);
    }
    if (s.label_points) {
        for (std::size_t i = 0; i < scale.points().size(); ++i) {
            if (scale.is_stop(i)) continue;
            double d = scale.points()[i].value * s.k + s.c;
            for (const Band& band : s.bands) {
                if (d >= band.from - 1e-6 && d <= band.to + 1e-6) {
                    label(std::round(d * 1000) / 1000, nullptr);
                    break;
                }
            }
        }
    }
    if (s.label_step > 0) {
        for (const Band& band : s.bands) {
            double first = std::ceil(band.from / s.label_step - 1e-9) * s.label_step;
            for (double d = first; d <= band.to + 1e-9; d += s.label_step) label(d, nullptr);
        }
    }
    titles(cr, cx, cy, inner, s);
}

namespace {

using L = Label;
constexpr double RANKINE_K = 1 / 1.8, RANKINE_C = -491.67 / 1.8;
constexpr double PSF = 1 / 144.0;
constexpr double FPM = 60 * 3.28084 / 256;

const FaceLayout& layout_of(std::uint32_t id) {
    static FaceLayout layouts[] = {
        {430, 440, "AIRSPEED", nullptr, "KNOTS", 1, 0,
         {{0, 40, 10, 40}, {40, 200, 10, 20}, {200, 400, 25, 50}},
         {{0, nullptr}, {60, nullptr}, {120, nullptr}, {140, nullptr}, {160, nullptr}, {180, nullptr},
          {250, nullptr}, {300, nullptr}, {350, nullptr}},
         0, 1,
         {{50, 100, INK}, {80, 200, GREEN}, {200, 350, YELLOW}, {395, 400, RED}}, 0.30},
        {460, 470, "VERTICAL SPEED", nullptr, "100 FEET PER MINUTE", FPM, 0,
         {{-6000, -4000, 500, 1000}, {-4000, -2000, 250, 1000}, {-2000, 2000, 100, 500}, {2000, 4000, 250, 1000}, {4000, 6000, 500, 1000}},
         {{500, "5"}, {-500, "5"}},
         0, 100, {}, 0.0},
        {1450, 1460, "ACCELEROMETER", nullptr, "G UNITS", 1 / 624.0, 0, {{-5, 10, 0.5, 1}}, {},
         1, 1, {{-5, -3, RED}, {7, 10, RED}}, 0.38},
        {1420, 1430, "MANIFOLD", "PRESSURE", "INCHES OF MERCURY", 1 / 70.7328, 0, {{10, 75, 1, 5}}, {},
         5, 1, {{24, 46, GREEN}, {46, 61, YELLOW}}, 0.22},
        {2100, 2110, "TACHOMETER", nullptr, "R.P.M. x 100", 1, 0, {{500, 4000, 100, 500}}, {},
         500, 100, {{1600, 2700, GREEN}, {2700, 3060, YELLOW}, {3040, 3080, RED}}, 0.26},
        {2220, 2230, "OIL", "PRESSURE", "LBS PER SQ IN", PSF, 0, {{0, 100, 5, 10}}, {}, 10, 1,
         {{50, 90, GREEN}, {0, 25, RED}}, 0.35},
        {1000, 1010, "OIL", "TEMP", "DEG C", RANKINE_K, RANKINE_C, {{-70, -50, 10, 20}, {-50, 150, 10, 50}}, {}, 50, 1,
         {{40, 100, GREEN}, {100, 110, RED}}, 0.30},
        {1030, 1040, "FUEL", "PRESSURE", "LBS PER SQ IN", PSF, 0, {{0, 35, 1, 5}}, {}, 5, 1,
         {{15, 24, GREEN}}, 0.30},
        {1220, 1230, "CYL HEAD", "TEMP", "DEG C", RANKINE_K, RANKINE_C, {{-50, 0, 10, 50}, {0, 300, 10, 50}},
         {}, 100, 1, {{150, 232, GREEN}, {232, 240, RED}}, 0.30},
        {1250, 1260, "CARB AIR", "TEMP", "DEG C", 1, 0, {{-50, 50, 5, 25}}, {}, 25, 1,
         {{-10, 5, YELLOW}}, 0.30},
        {4280, 4290, "OUTSIDE AIR", "TEMP", "DEG C", 1, 0, {{-70, 50, 2, 10}}, {}, 10, 1, {}, 0.30},
        {4090, 4100, "HYDRAULIC", "PRESSURE", "PSI x 100", PSF, 0, {{0, 2000, 100, 500}}, {}, 500, 100,
         {{800, 1500, GREEN}}, 0.30},
        {370, 380, "VOLTS", nullptr, "D.C.", 1, 0, {{0, 30, 1, 5}}, {}, 10, 1, {{24, 29, GREEN}}, 0.05},
        {400, 410, "AMPERES", nullptr, "x 10", 1, 0, {{-10, 10, 1, 5}}, {}, 5, 1, {}, 0.28},
        {2460, 2470, "FUEL", nullptr, "LBS x 100", 1, 0, {{0, 1050, 50, 100}}, {}, 100, 100,
         {{0, 100, RED}}, 0.25},
        {2190, 2200, "WING FLAPS", nullptr, "DEGREES", 1, 0, {{0, 16382, 2048, 4096}},
         {{0, "UP"}, {4096, "10"}, {8192, "20"}, {12288, "30"}, {16382, "DN"}}, 0, 1, {}, 0.0, false},
        {1060, 1070, "RADIO", "ALTITUDE", "FEET", 3.28084, 0,
         {{0, 100, 10, 50}, {100, 500, 50, 100}, {500, 2500, 100, 500}}, {}, 0, 1, {}, 0.05},
    };
    auto find = [](std::uint32_t face) -> FaceLayout& {
        for (FaceLayout& s : layouts) {
            if (s.face_id == face) return s;
        }
        return layouts[0];
    };
    // Placement tweaks that the positional table above does not carry.
    static const bool tweaked = [&] {
        find(460).abs_labels = true;
        find(460).title_dy = 0.15;
        find(1000).title_dx = 0.25;
        find(1220).title_dx = 0.25;
        find(1250).title_dx = 0.25;
        find(1060).label_scale = 0.75;
        find(400).title_dy = 0.45;  // clear of the ammeter's low pivot
        return true;
    }();
    (void)tweaked;
    return find(id);
}

void face(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) { draw_face(cr, b, m, layout_of(b.id)); }
void cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) { draw_cover(cr, b); }

// The reset button of the accelerometer sits in the panel corner.
void accelerometer(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    face(cr, b, m);
    knurled_knob(cr, 23, 177, 16, 0, Rgb{0.14, 0.13, 0.12}, false);
    text_centered(cr, 23, 177, "PUSH", 6.5, INK, Font::CondensedBold);
}

// The needle rests on the zero at 9 o'clock: the zero's figure sits above
// its mark, and the titles below the needle.
void vertical_speed(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    face(cr, b, m);
    const ELEMENT_NEEDLE* n = find_needle(m, b.id, 470);
    if (n) {
        Scale scale(n->calibration, n->calibration_count, n->header.position);
        double a;
        if (scale.angle_of(0, a)) {
            const double px = n->header.position.x, py = n->header.position.y, ring = 118;
            tick(cr, px, py, a, ring - 17, ring, 2.6, INK);
            text_centered(cr, px + (ring - 34) * std::cos(rad(a)), py + (ring - 34) * std::sin(rad(a)) - 17, "0", 19,
                          INK, Font::CondensedBold);
        }
    }
    text_centered(cr, 108, 100, "UP", 11, INK, Font::CondensedBold);
    text_centered(cr, 108, 202, "DOWN", 11, INK, Font::CondensedBold);
}

// The radio altimeter carries the DH lamp's socket.
void radio_altimeter(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    face(cr, b, m);
    cairo_arc(cr, 116, 68, 18, 0, 2 * PI);
    set(cr, Rgb{0.22, 0.22, 0.23});
    cairo_fill(cr);
    lamp(cr, 116, 68, 17, YELLOW, 0.0);
    text_centered(cr, 116, 96, "DH", 10, INK, Font::CondensedBold);
}

}  // namespace

ARTGEN_DRAWING(370, 370, face);
ARTGEN_DRAWING(390, 390, cover);
ARTGEN_DRAWING(400, 400, face);
ARTGEN_DRAWING(420, 420, cover);
ARTGEN_DRAWING(430, 430, face);
ARTGEN_DRAWING(450, 450, cover);
ARTGEN_DRAWING(460, 460, vertical_speed);
ARTGEN_DRAWING(480, 480, cover);
ARTGEN_DRAWING(1000, 1000, face);
ARTGEN_DRAWING(1020, 1020, cover);
ARTGEN_DRAWING(1030, 1030, face);
ARTGEN_DRAWING(1050, 1050, cover);
ARTGEN_DRAWING(1060, 1060, radio_altimeter);
ARTGEN_DRAWING(1210, 1210, cover);
ARTGEN_DRAWING(1220, 1220, face);
ARTGEN_DRAWING(1240, 1240, cover);
ARTGEN_DRAWING(1250, 1250, face);
ARTGEN_DRAWING(1270, 1270, cover);
ARTGEN_DRAWING(1420, 1420, face);
ARTGEN_DRAWING(1440, 1440, cover);
ARTGEN_DRAWING(1450, 1450, accelerometer);
ARTGEN_DRAWING(1490, 1490, cover);
ARTGEN_DRAWING(2100, 2100, face);
ARTGEN_DRAWING(2120, 2120, cover);
ARTGEN_DRAWING(2190, 2190, face);
ARTGEN_DRAWING(2210, 2210, cover);
ARTGEN_DRAWING(2220, 2220, face);
ARTGEN_DRAWING(2240, 2240, cover);
ARTGEN_DRAWING(2460, 2460, face);
ARTGEN_DRAWING(2480, 2480, cover);
ARTGEN_DRAWING(4090, 4090, face);
ARTGEN_DRAWING(4110, 4110, cover);
ARTGEN_DRAWING(4280, 4280, face);
ARTGEN_DRAWING(4300, 4300, cover);

}  // namespace artgen::dial
