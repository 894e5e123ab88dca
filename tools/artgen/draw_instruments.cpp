// Composite flight instruments: altimeter, attitude, turn coordinator,
// directional gyro, magnetic compass, clock, course indicator, RMI, DME.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/artgen/dial_face.h"

namespace artgen::instruments {

using namespace paint;

namespace {

double face_radius(const BitmapInfo& b) { return std::min(b.width, b.height) / 2.0 * 0.915; }

// Clear window shapes that clip sprites and moving images: opaque where visible.
void window_disc(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    set(cr, Rgb{0.5, 0.5, 0.5});
    cairo_fill(cr);
}

// --- Altimeter -------------------------------------------------------------

void altimeter_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    double inner = dial::case_and_face(cr, b);
    double cx = b.width / 2.0, cy = b.height / 2.0;
    const ELEMENT_NEEDLE* n = find_needle(m, b.id, 2030);
    double px = n ? n->header.position.x : cx, py = n ? n->header.position.y : cy;
    double ring = inner - 4;
    // Setting window at the right: a dark frame around the drum's opening.
    cairo_rectangle(cr, 217, 124, 52, 52);
    set(cr, Rgb{0.30, 0.30, 0.31});
    cairo_fill(cr);
    cairo_rectangle(cr, 219, 126, 48, 48);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    cairo_move_to(cr, 212, 150);
    cairo_line_to(cr, 219, 146);
    cairo_line_to(cr, 219, 154);
    cairo_close_path(cr);
    set(cr, INK);
    cairo_fill(cr);
    if (n) {
        Scale s(n->calibration, n->calibration_count, n->header.position);
        for (int ft = 0; ft < 1000; ft += 20) {
            double a = s.angle_extrapolated(ft);
            bool major = ft % 100 == 0;
            tick(cr, px, py, a, ring - (major ? 16 : 8), ring, major ? 3 : 1.4, INK);
            if (major) {
                char t[4];
                std::snprintf(t, sizeof t, "%d", ft / 100);
                double r = ring - 34;
                double x = px + r * std::cos(rad(a)), y = py + r * std::sin(rad(a));
                // The setting window takes the place of a number it would cover.
                if (x + 10 > 217 && y + 15 > 124 && y - 15 < 176) x = 217 - 14;
                text_centered(cr, x, y, t, 30, INK, Font::SansBold);
            }
        }
    } else {
        cairo_set_line_width(cr, 2);
        cairo_arc(cr, px, py, ring, 0, 2 * PI);
        set(cr, INK);
        cairo_stroke(cr);
    }
    text_centered(cr, cx, cy - 48, "ALTITUDE", 10, INK, Font::CondensedBold);
    text_centered(cr, cx - 10, cy + 52, "100 FEET", 9, DIM, Font::Condensed);
    text_centered(cr, cx - 10, cy + 64, "1000 FT  10000 FT", 7, DIM, Font::Condensed);
    text_centered(cr, 240, 185, "IN.HG", 8, DIM, Font::Condensed);
    // Crosshatched low-altitude warning sector under the ten-thousands hand.
    (void)m;
}

// The drum turns about its texture centre, (138, 150) on the face; its
// window at (220, 127) shows the part of it 82 to 128 pixels right of that
// point. A setting of v sits (v - 29.92) * 100 degrees clockwise of +x before
// the drum turns; the host turns it back by that much, bringing v into the
// window. The whole square is drum, so the window's corners stay covered.
void altimeter_drum(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    const double rim = 127, labels = 101;
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, Rgb{0.12, 0.12, 0.12});
    cairo_fill(cr);
    // 28.10 to 31.50 takes 340 degrees: the rest of the circle stays blank.
    for (int h = 2810; h <= 3150; h += 2) {
        double a = (h / 100.0 - 29.92) * 100.0;
        bool ten = h % 10 == 0;
        tick(cr, cx, cy, a, rim - (ten ? 12 : 6), rim + 4, ten ? 1.8 : 1.1, INK);
        if (ten) {
            char t[8];
            std::snprintf(t, sizeof t, "%d.%d", h / 100, (h / 10) % 10);
            text_rotated(cr, cx + labels * std::cos(rad(a)), cy + labels * std::sin(rad(a)), a, t, 11, INK,
                         Font::CondensedBold);
        }
    }
}

void altimeter_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::draw_cover(cr, b);
    // Setting knob in the lower-left corner sits under the millibar disc.
}

void drum_window(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, Rgb{0.5, 0.5, 0.5});
    cairo_fill(cr);
}

// --- Attitude --------------------------------------------------------------

void attitude_face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double inner = dial::case_and_face(cr, b);
    (void)inner;
    text_centered(cr, 26, 274, "PULL", 7, DIM, Font::CondensedBold);
    knurled_knob(cr, 26, 274, 18, -90);
}

// The ball turns about the dial centre and shifts along its own y by up to
// 48.75 pixels: more than the image holds. The host continues the image
// with its edge pixels, so it is drawn to its edges: sky above, earth below,
// the horizon line across, the pitch ladder in the middle only.
void horizon_ball(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    // Texture pixels per degree: the host moves the ball 1.25 px per degree
    // and draws the texture at 0.9 of its height.
    const double ppd = 1.25 / 0.9;
    cairo_rectangle(cr, 0, 0, b.width, cy);
    set(cr, SKY);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, cy, b.width, b.height - cy);
    set(cr, EARTH);
    cairo_fill(cr);
    cairo_rectangle(cr, 0, cy - 1, b.width, 2);
    set(cr, INK);
    cairo_fill(cr);
    for (int deg = -40; deg <= 40; deg += 5) {
        if (deg == 0) continue;
        double y = cy - deg * ppd;
        double half = deg % 10 == 0 ? 22 : 11;
        cairo_rectangle(cr, cx - half, y - 0.8, 2 * half, 1.6);
        set(cr, INK);
        cairo_fill(cr);
        if (deg % 10 == 0) {
            char t[4];
            std::snprintf(t, sizeof t, "%d", std::abs(deg));
            text_centered(cr, cx - half - 9, y, t, 9, INK, Font::CondensedBold);
            text_centered(cr, cx + half + 9, y, t, 9, INK, Font::CondensedBold);
        }
    }
}

// Turns about the dial centre; its outer edge lies under the window's edge.
void bank_ring(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0, r = std::min(cx, cy);
    double r_in = r - 22;
    cairo_arc(cr, cx, cy, r, PI, 2 * PI);
    cairo_arc_negative(cr, cx, cy, r_in, 2 * PI, PI);
    cairo_close_path(cr);
    set(cr, mix(SKY, FACE, 0.25));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r, 0, PI);
    cairo_arc_negative(cr, cx, cy, r_in, PI, 0);
    cairo_close_path(cr);
    set(cr, mix(EARTH, FACE, 0.25));
    cairo_fill(cr);
    const int marks[] = {-90, -60, -45, -30, -20, -10, 10, 20, 30, 45, 60, 90};
    for (int m : marks) {
        bool big = m % 30 == 0;
        tick(cr, cx, cy, -90 + m, r_in + 2, big ? r - 2 : r - 10, big ? 3 : 2, INK);
    }
    // Zero index: a triangle pointing out at the top.
    cairo_move_to(cr, cx, cy - r + 2);
    cairo_line_to(cr, cx - 7, cy - r_in - 2);
    cairo_line_to(cr, cx + 7, cy - r_in - 2);
    cairo_close_path(cr);
    set(cr, INK);
    cairo_fill(cr);
}

void attitude_window(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    window_disc(cr, 150, 150, face_radius(b));
}

void miniature_aircraft(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = 6;
    set(cr, Rgb{1.0, 0.62, 0.12});
    // Wings with the centre dot, and a stem down to the case.
    cairo_rectangle(cr, 6, cy - 2, 44, 4);
    cairo_rectangle(cr, b.width - 50, cy - 2, 44, 4);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 4, 0, 2 * PI);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 16, cy + 1);
    cairo_line_to(cr, cx, cy + 10);
    cairo_line_to(cr, cx + 16, cy + 1);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 12, b.height - 1);
    cairo_line_to(cr, cx - 4, cy + 10);
    cairo_line_to(cr, cx + 4, cy + 10);
    cairo_line_to(cr, cx + 12, b.height - 1);
    cairo_close_path(cr);
    set(cr, Rgb{0.16, 0.16, 0.17});
    cairo_fill(cr);
}

void attitude_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    dial::draw_cover(cr, b);
    // Fixed bank pointer at the top of the glass.
    double cx = b.width / 2.0, top = b.height / 2.0 - face_radius(b);
    cairo_move_to(cr, cx, top + 22);
    cairo_line_to(cr, cx - 8, top + 8);
    cairo_line_to(cr, cx + 8, top + 8);
    cairo_close_path(cr);
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_fill(cr);
    (void)m;
}

void gyro_flag(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    rounded_rect(cr, 1, 1, b.width - 2, b.height - 2, 3);
    set(cr, RED);
    cairo_fill(cr);
    const char* letters[] = {"G", "Y", "R", "O"};
    for (int i = 0; i < 4; ++i) text_centered(cr, b.width / 2.0, 16 + i * 21, letters[i], 15, INK, Font::SansBold);
}

// --- Turn coordinator ------------------------------------------------------

void turn_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    dial::case_and_face(cr, b);
    const ELEMENT_NEEDLE* n = find_needle(m, b.id, 2140);
    double px = n ? n->header.position.x : 115, py = n ? n->header.position.y : 176;
    double r = 112;
    // Standard-rate marks at the table's extremes, or at 45 degrees.
    double left = -135, right = -45;
    if (n) {
        Scale s(n->calibration, n->calibration_count, n->header.position);
        s.angle_of(-4.5, left);
        s.angle_of(4.5, right);
    }
    for (double a : {left, -90.0, right}) tick(cr, px, py, a, r - 18, r - 2, 5, INK);
    // Each letter beside its mark, on the side towards the top, clear of it.
    auto beside = [&](double a, double side, const char* letter) {
        double along = r - 12, off = 17;
        double x = px + along * std::cos(rad(a)) + off * std::cos(rad(a + side));
        double y = py + along * std::sin(rad(a)) + off * std::sin(rad(a + side));
        text_centered(cr, x, y, letter, 16, INK);
    };
    beside(left, 90, "L");
    beside(right, -90, "R");
    text_centered(cr, 114, 58, "TURN", 11, INK, Font::CondensedBold);
    text_centered(cr, 115, 208, "2 MIN", 9, DIM, Font::Condensed);
    // Curved tube behind the ball: the ball rises 1.75 px at 31.5 px out, a
    // circle of radius 31.5^2 / 3.5 about 283 px through the ball centres.
    double bx = 116, by = 146.5, R = 283.5, span = std::asin(50 / R);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, bx, by - R, R, PI / 2 - span, PI / 2 + span);
    cairo_set_line_width(cr, 28);
    set(cr, Rgb{0.45, 0.45, 0.42});
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 25);
    set(cr, Rgb{0.80, 0.80, 0.74});
    cairo_stroke(cr);
    cairo_restore(cr);
}

void ball(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0, r = std::min(cx, cy) - 1;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, 1, cx, cy, r);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.55, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.10, 0.10, 0.10);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void reference_wires(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    set(cr, Rgb{0.20, 0.20, 0.20});
    cairo_rectangle(cr, 4, 0, 2, b.height);
    cairo_rectangle(cr, b.width - 6, 0, 2, b.height);
    cairo_fill(cr);
}

// --- Compass cards ---------------------------------------------------------

// A card with N at the top, numbers every 30 degrees, ticks every 5.
void card(cairo_t* cr, double cx, double cy, double r, double text) {
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    set(cr, FACE);
    cairo_fill(cr);
    for (int h = 0; h < 360; h += 5) {
        double a = h - 90;
        bool ten = h % 10 == 0;
        tick(cr, cx, cy, a, r - (ten ? r * 0.11 : r * 0.06), r - 1, ten ? 2 : 1.2, INK);
        if (h % 30 == 0) {
            const char* t = nullptr;
            char buf[4];
            if (h == 0) t = "N";
            else if (h == 90) t = "E";
            else if (h == 180) t = "S";
            else if (h == 270) t = "W";
            else {
                std::snprintf(buf, sizeof buf, "%d", h / 10);
                t = buf;
            }
            double rr = r - r * 0.11 - text * 0.8;
            text_rotated(cr, cx + rr * std::cos(rad(a)), cy + rr * std::sin(rad(a)), h, t, text, INK);
        }
    }
}

void gyro_face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::case_and_face(cr, b);
    knurled_knob(cr, 27, 273, 22, 0, BAKELITE, false);
}

// The card turns about its texture centre (151, 151), the heading bug's
// pivot; its window at (13, 13) is a disc about the same point, a little
// smaller than the card so that the card fills it at every heading.
constexpr double GYRO_PIVOT = 151, GYRO_WINDOW_AT = 13;

void gyro_card(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    card(cr, b.width / 2.0, b.height / 2.0, std::min(b.width, b.height) / 2.0 - 0.5, 24);
}

void gyro_card_window(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    window_disc(cr, GYRO_PIVOT - GYRO_WINDOW_AT, GYRO_PIVOT - GYRO_WINDOW_AT, std::min(b.width, b.height) / 2.0 - 1.5);
}

// Lubber line and the aircraft symbol, fixed on the glass.
void heading_cover(cairo_t* cr, const BitmapInfo& b, double cx, double cy, double r) {
    dial::draw_cover(cr, b);
    cairo_move_to(cr, cx, cy - r + 26);
    cairo_line_to(cr, cx - 7, cy - r + 8);
    cairo_line_to(cr, cx + 7, cy - r + 8);
    cairo_close_path(cr);
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_fill(cr);
    for (int a : {45, 90, 135, 225, 270, 315}) tick(cr, cx, cy, a - 90, r - 18, r - 4, 3, Rgb{1.0, 0.62, 0.12});
    // Aircraft silhouette.
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_rectangle(cr, cx - 3, cy - 26, 6, 50);
    cairo_rectangle(cr, cx - 26, cy - 6, 52, 6);
    cairo_rectangle(cr, cx - 11, cy + 18, 22, 4);
    cairo_fill(cr);
}

void gyro_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    heading_cover(cr, b, 151, 151, face_radius(b));
}

void compass_face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    rounded_rect(cr, 4, 4, b.width - 8, b.height - 8, 10);
    set(cr, Rgb{0.15, 0.15, 0.15});
    cairo_fill(cr);
    rounded_rect(cr, 8, 12, b.width - 16, 66, 6);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    // Lubber line: seen through a gap that the strip's window leaves open.
    cairo_rectangle(cr, 54.5, 12, 2, 66);
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_fill(cr);
    text_centered(cr, b.width / 2.0, 96, "COMPASS", 10, DIM, Font::CondensedBold);
    screw(cr, 12, 100, 4);
    screw(cr, b.width - 12, 100, 4);
}

// The strip scrolls so that the heading h sits under the window's centre at
// x = 55.5 + (360 - h) * 420 / 360: headings rise to the left.
void compass_strip(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, Rgb{0.12, 0.11, 0.10});
    cairo_fill(cr);
    double ppd = (b.width - 111.0) / 360.0;
    double centre = 111.0 / 2.0;
    for (int h = -60; h <= 420; h += 5) {
        double x = centre + (360 - h) * ppd;
        if (x < -10 || x > b.width + 10) continue;
        int hh = ((h % 360) + 360) % 360;
        bool ten = hh % 10 == 0;
        cairo_rectangle(cr, x - (ten ? 1 : 0.6), 8, ten ? 2 : 1.2, ten ? 16 : 9);
        set(cr, INK);
        cairo_fill(cr);
        if (hh % 30 == 0) {
            char buf[4];
            const char* t = buf;
            if (hh == 0) t = "N";
            else if (hh == 90) t = "E";
            else if (hh == 180) t = "S";
            else if (hh == 270) t = "W";
            else std::snprintf(buf, sizeof buf, "%d", hh / 10);
            text_centered(cr, x, 44, t, 22, INK);
        }
    }
    // Lubber line position is on the window, not the card.
}

void compass_window(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_rectangle(cr, 8, 12, 46.5, 66);
    cairo_rectangle(cr, 56.5, 12, b.width - 16 - 48.5, 66);
    set(cr, Rgb{0.5, 0.5, 0.5});
    cairo_fill(cr);
}

// --- Clock -----------------------------------------------------------------

void clock_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    double inner = dial::case_and_face(cr, b);
    const ELEMENT_NEEDLE* hour = find_needle(m, b.id, 3450);
    const ELEMENT_NEEDLE* minute = find_needle(m, b.id, 3440);
    double px = hour ? hour->header.position.x : 151, py = hour ? hour->header.position.y : 150;
    double ring = inner - 4;
    Scale hs, ms;
    if (hour) hs = Scale(hour->calibration, hour->calibration_count, hour->header.position);
    if (minute) ms = Scale(minute->calibration, minute->calibration_count, minute->header.position);
    for (int k = 0; k < 60; ++k) {
        double a = minute ? ms.angle_extrapolated(k * 60.0) : -90 + k * 6;
        tick(cr, px, py, a, ring - (k % 5 ? 7 : 14), ring, k % 5 ? 1.4 : 3, INK);
    }
    for (int h = 1; h <= 12; ++h) {
        double a = hour ? hs.angle_extrapolated(h * 3600.0) : -90 + h * 30;
        char t[4];
        std::snprintf(t, sizeof t, "%d", h);
        double r = ring - 36;
        text_centered(cr, px + r * std::cos(rad(a)), py + r * std::sin(rad(a)), t, 32, INK);
    }
    text_centered(cr, px, py - 50, "CLOCK", 10, DIM, Font::CondensedBold);
    // Setting lamp socket, and the setting knob at the lower left.
    cairo_arc(cr, 150.5, 191.5, 5.5, 0, 2 * PI);
    set(cr, Rgb{0.30, 0.30, 0.31});
    cairo_fill(cr);
    knurled_knob(cr, 58, 271, 24, -90);
    text_centered(cr, 58, 240, "SET", 8, DIM, Font::CondensedBold);
}

void clock_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::draw_cover(cr, b);
    knurled_knob(cr, 58, 271, 24, -90);
}

void clock_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 0.2, RED, b.id == 3471 ? 1.2 : 0.0, false);
}

// --- Course indicator ------------------------------------------------------

void vor_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    dial::case_and_face(cr, b);
    const ELEMENT_NEEDLE* course = find_needle(m, b.id, 3380);
    double px = course ? course->header.position.x : 159, py = course ? course->header.position.y : 168;
    // Course pointer scales: +-45 degrees around up and around down.
    Scale s;
    if (course) s = Scale(course->calibration, course->calibration_count, course->header.position);
    double r = 112;
    for (int base : {0, 180}) {
        for (int d = -45; d <= 45; d += 5) {
            double a = course ? s.angle_extrapolated(base + d) : -90 + base + d;
            bool big = d % 15 == 0;
            double tx = px + (r + 12) * std::cos(rad(a)), ty = py + (r + 12) * std::sin(rad(a));
            if (tx > 120 && tx < 206 && ty > 35 && ty < 77) continue;  // course digits window
            tick(cr, px, py, a, r - (big ? 14 : 8), r, big ? 2.4 : 1.2, INK);
            if (d % 15 == 0 && d != 0) {
                char t[4];
                std::snprintf(t, sizeof t, "%d", std::abs(d));
                double rr = r + 12;
                text_centered(cr, px + rr * std::cos(rad(a)), py + rr * std::sin(rad(a)), t, 11, DIM,
                              Font::CondensedBold);
            }
        }
    }
    // Deviation dots where the hanging course needle crosses the centre line
    // at each fifth of full scale; glide-slope dots where the glide-slope
    // needle passes beside its tip, likewise.
    const ELEMENT_NEEDLE* deviation = find_needle(m, b.id, 3330);
    const ELEMENT_NEEDLE* glide = find_needle(m, b.id, 3390);
    for (int k = -5; k <= 5; ++k) {
        if (k == 0) continue;
        double x = 159 + k * 12, angle = 0;
        if (deviation) {
            const Scale d(deviation->calibration, deviation->calibration_count, deviation->header.position);
            const double dy = py - deviation->header.position.y;
            if (d.angle_of(k * 127.0 / 5, angle) && std::sin(rad(angle)) > 0.1) {
                x = deviation->header.position.x + dy * std::cos(rad(angle)) / std::sin(rad(angle));
            }
        }
        cairo_arc(cr, x, py, 2.6, 0, 2 * PI);
        set(cr, INK);
        cairo_fill(cr);
        if (glide) {
            const Scale g(glide->calibration, glide->calibration_count, glide->header.position);
            const double gx = 238;
            if (g.angle_of(k * 119.0 / 5, angle) && std::cos(rad(angle)) > 0.1) {
                const double y = glide->header.position.y + (gx - glide->header.position.x) * std::tan(rad(angle));
                cairo_arc(cr, gx, y, 2.3, 0, 2 * PI);
                set(cr, INK);
                cairo_fill(cr);
            }
        }
    }
    cairo_arc(cr, 159, 168, 9, 0, 2 * PI);
    cairo_set_line_width(cr, 2);
    set(cr, INK);
    cairo_stroke(cr);
    text_centered(cr, 118, 242, "NAV", 9, DIM, Font::CondensedBold);
    text_centered(cr, 85, 140, "GS", 9, DIM, Font::CondensedBold);
    cairo_rectangle(cr, 128, 41, 70, 30);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
}

void vor_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::draw_cover(cr, b);
    // Fixed course index lines: the upper one short, below the course digits.
    tick(cr, 159, 168, -90, 89, 97, 3, Rgb{1.0, 0.62, 0.12});
    tick(cr, 159, 168, 90, 100, 126, 3, Rgb{1.0, 0.62, 0.12});
    // The marker lamp's label on the bezel under the lamp.
    text_centered(cr, 281, 84, "MARKER", 8, INK, Font::CondensedBold);
}

// Mask: the hinge cover of the hanging deviation needle, over the needles.
void vor_mask(cairo_t* cr, const BitmapInfo&, const ModuleView&) {
    rounded_rect(cr, 140, 80, 36, 16, 5);
    set(cr, Rgb{0.16, 0.16, 0.17});
    cairo_fill(cr);
    screw(cr, 158, 88, 4, 0);
}

void marker_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 1, AMBER, 1.2);
}

void flag(cairo_t* cr, const BitmapInfo& b, bool shown, bool vertical) {
    if (!shown) return;
    rounded_rect(cr, 1, 1, b.width - 2, b.height - 2, 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, b.width, b.height);
    for (int k = 0; k <= 8; ++k) {
        double t = k / 8.0;
        if (k % 2) cairo_pattern_add_color_stop_rgb(p, t, 0.92, 0.92, 0.90);
        else cairo_pattern_add_color_stop_rgb(p, t, RED.r, RED.g, RED.b);
    }
    set(cr, RED);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (vertical) {
        text_centered(cr, b.width / 2.0, 10, "O", 11, INK);
        text_centered(cr, b.width / 2.0, 21, "F", 11, INK);
        text_centered(cr, b.width / 2.0, 32, "F", 11, INK);
    } else {
        text_centered(cr, b.width / 2.0, b.height / 2.0, "OFF", 12, INK);
    }
}

void gs_flag(cairo_t* cr, const BitmapInfo& b, const ModuleView&) { flag(cr, b, b.id == 3350, true); }
void nav_flag(cairo_t* cr, const BitmapInfo& b, const ModuleView&) { flag(cr, b, b.id == 3370, false); }

// --- RMI -------------------------------------------------------------------

void rmi_face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::case_and_face(cr, b);
    text_centered(cr, 40, 270, "ADF", 9, DIM, Font::CondensedBold);
    text_centered(cr, 260, 270, "VOR", 9, DIM, Font::CondensedBold);
}

void rmi_card(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    card(cr, b.width / 2.0, b.height / 2.0, std::min(b.width, b.height) / 2.0 - 0.5, 20);
}

// The RMI card turns about its texture centre (149, 150), the pointers'
// pivot; its window at (44, 20) is a disc about that point, inside the card.
void rmi_card_window(cairo_t* cr, const BitmapInfo&, const ModuleView&) {
    window_disc(cr, 149 - 44, 150 - 20, 104);
}

void rmi_cover(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    dial::draw_cover(cr, b);
    double cx = 149, top = b.height / 2.0 - face_radius(b);
    cairo_move_to(cr, cx, top + 20);
    cairo_line_to(cr, cx - 7, top + 6);
    cairo_line_to(cr, cx + 7, top + 6);
    cairo_close_path(cr);
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_fill(cr);
}

// --- DME -------------------------------------------------------------------

void dme_face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    rounded_rect(cr, 10, 6, 96, 30, 3);
    set(cr, Rgb{0.05, 0.02, 0.02});
    cairo_fill(cr);
    text_centered(cr, 32, 47, "NAV 1", 7.5, INK, Font::CondensedBold);
    text_centered(cr, 87, 47, "NAV 2", 7.5, INK, Font::CondensedBold);
    cairo_arc(cr, 58.5, 44.5, 9, 0, 2 * PI);
    set(cr, Rgb{0.25, 0.25, 0.26});
    cairo_fill(cr);
    screw(cr, 5, 5, 2.5);
    screw(cr, b.width - 5, 5, 2.5);
    screw(cr, 5, b.height - 5, 2.5);
    screw(cr, b.width - 5, b.height - 5, 2.5);
}

void dme_knob(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    knurled_knob(cr, 7.5, 7.5, 7, b.id == 2380 ? 205 : 335);
}

// --- Radio altimeter DH lamp ----------------------------------------------

void dh_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 0.5, b.id == 1200 ? YELLOW : RED, 1.2);
    text_centered(cr, b.width / 2.0, b.height / 2.0, "DH", 10, Rgb{0.15, 0.10, 0.05}, Font::SansBold);
}

}  // namespace

ARTGEN_DRAWING(280, 280, rmi_face);
ARTGEN_DRAWING(290, 290, rmi_card);
ARTGEN_DRAWING(291, 291, rmi_card_window);
ARTGEN_DRAWING(320, 320, rmi_cover);
ARTGEN_DRAWING(1200, 1201, dh_lamp);
ARTGEN_DRAWING(2000, 2000, altimeter_face);
ARTGEN_DRAWING(2010, 2010, altimeter_drum);
ARTGEN_DRAWING(2011, 2011, drum_window);
ARTGEN_DRAWING(2070, 2070, altimeter_cover);
ARTGEN_DRAWING(2130, 2130, turn_face);
ARTGEN_DRAWING(2150, 2150, ball);
ARTGEN_DRAWING(2160, 2160, reference_wires);
ARTGEN_DRAWING(2180, 2180, [](cairo_t* cr, const BitmapInfo& b, const ModuleView&) { dial::draw_cover(cr, b); });
ARTGEN_DRAWING(2250, 2250, attitude_face);
ARTGEN_DRAWING(2260, 2260, horizon_ball);
ARTGEN_DRAWING(2261, 2261, attitude_window);
ARTGEN_DRAWING(2270, 2270, bank_ring);
ARTGEN_DRAWING(2271, 2271, attitude_window);
ARTGEN_DRAWING(2280, 2280, miniature_aircraft);
ARTGEN_DRAWING(2290, 2290, attitude_cover);
ARTGEN_DRAWING(2300, 2300, gyro_flag);
ARTGEN_DRAWING(2310, 2310, gyro_face);
ARTGEN_DRAWING(2320, 2320, gyro_card);
ARTGEN_DRAWING(2321, 2321, gyro_card_window);
ARTGEN_DRAWING(2360, 2360, gyro_cover);
ARTGEN_DRAWING(2370, 2370, dme_face);
ARTGEN_DRAWING(2380, 2381, dme_knob);
ARTGEN_DRAWING(2390, 2390, compass_face);
ARTGEN_DRAWING(2400, 2400, compass_strip);
ARTGEN_DRAWING(2401, 2401, compass_window);
ARTGEN_DRAWING(3310, 3310, marker_lamp);
ARTGEN_DRAWING(3320, 3320, vor_cover);
ARTGEN_DRAWING(3340, 3340, vor_mask);
ARTGEN_DRAWING(3350, 3351, gs_flag);
ARTGEN_DRAWING(3370, 3371, nav_flag);
ARTGEN_DRAWING(3400, 3400, vor_face);
ARTGEN_DRAWING(3420, 3420, clock_face);
ARTGEN_DRAWING(3460, 3460, clock_cover);
ARTGEN_DRAWING(3470, 3471, clock_lamp);

}  // namespace artgen::instruments
