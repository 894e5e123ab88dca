// Switches, levers, trim wheels, the throttle quadrant, warning lamps and
// lettered plates.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/artgen/paint.h"

namespace artgen::controls {

using namespace paint;

namespace {

constexpr Rgb SLOT{0.04, 0.04, 0.045};
constexpr Rgb GUARD_RED{0.72, 0.10, 0.08};

void slot(cairo_t* cr, double x, double y, double w, double h) {
    rounded_rect(cr, x, y, w, h, std::min(w, h) / 2);
    set(cr, SLOT);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    set(cr, Rgb{0.28, 0.28, 0.29});
    cairo_stroke(cr);
}

void label(cairo_t* cr, double x, double y, const char* t, double size = 8) {
    text_centered(cr, x, y, t, size, INK, Font::CondensedBold);
}

// --- Toggle switches ------------------------------------------------------

// Plate of a two- or three-way selector with its labels.
void selector_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    if (b.id == 330) {
        label(cr, b.width / 2.0, 20, "VOR 1", 9);
        label(cr, b.width / 2.0, 102, "ADF", 9);
        cairo_arc(cr, 19, 60, 9, 0, 2 * PI);
    } else {
        // Labels above the lever's two end positions.
        const char* l = b.id == 3290 ? "LEFT" : "VOR 1";
        const char* r = b.id == 3290 ? "RIGHT" : "ADF";
        label(cr, 16, 7, l, 7.5);
        label(cr, b.width - 16, 7, r, 7.5);
        if (b.id == 3290) label(cr, b.width / 2.0, 42, "FUEL QTY", 6.5);
        cairo_arc(cr, 40, 23, 9, 0, 2 * PI);
    }
    set(cr, Rgb{0.16, 0.16, 0.17});
    cairo_fill(cr);
}

// Lever icons of the selectors: base at the icon centre, tip toward the position.
void selector_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    double dx = 0, dy = 0;
    double reach = std::min(b.width, b.height) * 0.42;
    double along = std::max(b.width, b.height) / 2.0 - 5;
    switch (b.id) {
    case 340: dy = -along; break;
    case 341: dy = along; break;
    case 360: case 3301: dx = -along; break;
    case 361: case 3302: dx = along; break;
    default: break;  // centred: the lever points at the viewer
    }
    (void)reach;
    toggle_lever(cr, cx, cy, cx + dx, cy + dy, 8);
}

// Two-position toggle: base plate and lever icons over it.
void toggle_base(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    label(cr, b.width / 2.0, 6, "ON", 6.5);
    label(cr, b.width / 2.0, b.height - 5, "OFF", 6.5);
    cairo_arc(cr, b.width / 2.0, b.height / 2.0, 9, 0, 2 * PI);
    set(cr, Rgb{0.16, 0.16, 0.17});
    cairo_fill(cr);
}

void toggle_icon(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    bool up = b.id == 4031;
    // The ball at the tip clears the ON and OFF lettering.
    toggle_lever(cr, cx, cy, cx, up ? 13 : b.height - 13, 7);
}

// Cowl flaps switch: a whole plate per lever position.
void cowl_flaps(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    label(cr, b.width / 2.0, 5, "COWL", 6);
    double cx = b.width / 2.0, cy = b.height / 2.0 + 1;
    double ty = b.id == 490 ? cy : b.id == 491 ? b.height - 6 : 11;
    toggle_lever(cr, cx, cy, cx, ty, 7);
}

void radio_alt_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    label(cr, b.width / 2.0, 8, "RAD ALT", 7.5);
    label(cr, b.width / 2.0, 24, "ON", 7);
}

void radio_alt_icon(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double cx = b.width / 2.0, cy = b.height / 2.0;
    bool on = b.id == 2091;
    toggle_lever(cr, cx, cy, cx, on ? 5 : b.height - 5, 6.5);
}

// --- Magnetos ----------------------------------------------------------------

constexpr double MAG_ANGLES[] = {45, 135, 225, 315};  // OFF, R, L, BOTH

void magneto_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    double cx = 47, cy = 57.5;
    cairo_arc(cr, cx, cy, 27, 0, 2 * PI);
    set(cr, CHROME);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 22, 0, 2 * PI);
    set(cr, Rgb{0.10, 0.10, 0.10});
    cairo_fill(cr);
    const char* names[] = {"OFF", "R", "L", "BOTH"};
    for (int i = 0; i < 4; ++i) {
        double a = rad(MAG_ANGLES[i]);
        label(cr, cx + 38 * std::cos(a), cy + 38 * std::sin(a), names[i], 9);
    }
    label(cr, cx, 8, "MAGNETOS", 8);
}

void magneto_key(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double a = MAG_ANGLES[std::min<std::uint32_t>(b.id - 4010, 3)];
    double cx = 38, cy = 34.5;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rad(a));
    // Flat key bow across the lock, pointing along +x.
    rounded_rect(cr, -24, -7, 52, 14, 6);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, -7, 0, 7);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.29, 0.28);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.11, 0.10);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_move_to(cr, 28, 0);
    cairo_line_to(cr, 22, -5);
    cairo_line_to(cr, 22, 5);
    cairo_close_path(cr);
    set(cr, INK);
    cairo_fill(cr);
    cairo_rectangle(cr, 4, -1.2, 18, 2.4);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, 5, 0, 2 * PI);
    set(cr, CHROME);
    cairo_fill(cr);
}

// --- Master switch -----------------------------------------------------------

void guard(cairo_t* cr, double x, double y, double w, double h) {
    rounded_rect(cr, x, y, w, h, 4);
    cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.08, 0.06);
    cairo_pattern_add_color_stop_rgb(p, 0.4, GUARD_RED.r + 0.15, GUARD_RED.g + 0.05, GUARD_RED.b);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.45, 0.06, 0.05);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_rectangle(cr, x + w / 2 - 7, y + 3, 14, 3);
    set(cr, Rgb{0.35, 0.04, 0.03});
    cairo_fill(cr);
}

void master(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    if (b.id == 4350) {
        // Guard closed: a red cover over the lever, hinged at the bottom
        // where the open guard hangs, so that it hides the open one.
        guard(cr, 15, 22, 25, 97);
        cairo_rectangle(cr, 17, 108, 21, 4);
        set(cr, Rgb{0.35, 0.04, 0.03});
        cairo_fill(cr);
        label(cr, 27.5, 62, "MASTER", 5.5);
        return;
    }
    panel_fill(cr, b);
    label(cr, 27, 8, "BAT+GEN", 7);
    label(cr, 27, 60, "", 7);
    label(cr, 8, 57, "OFF", 5.5);
    label(cr, 27, 95, "BAT", 7);
    cairo_arc(cr, 27, 57, 9, 0, 2 * PI);
    set(cr, Rgb{0.16, 0.16, 0.17});
    cairo_fill(cr);
    double ty = b.id == 4360 ? 57 : b.id == 4361 ? 84 : 28;
    // Open guard hangs below the lever.
    guard(cr, 12, 100, 30, 19);
    toggle_lever(cr, 27, 57, 27, ty, 9);
}

// --- Starter -------------------------------------------------------------------

void starter(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    double cx = b.width / 2.0, cy = b.height / 2.0 + 4;
    bool pressed = b.id == 4371;
    cairo_arc(cr, cx, cy, 26, 0, 2 * PI);
    set(cr, CHROME);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 21, 0, 2 * PI);
    set(cr, Rgb{0.06, 0.06, 0.06});
    cairo_fill(cr);
    double r = pressed ? 17 : 19;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, 1, cx, cy, r);
    double k = pressed ? 0.7 : 1.0;
    cairo_pattern_add_color_stop_rgb(p, 0, 0.95 * k, 0.35 * k, 0.30 * k);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.55 * k, 0.06 * k, 0.05 * k);
    cairo_arc(cr, cx, cy, r, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    label(cr, cx, 8, "STARTER", 8);
    text_centered(cr, cx, cy, "PUSH", 7, INK, Font::CondensedBold);
}

// --- Levers in slots ---------------------------------------------------------

void gear_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    slot(cr, 19, 8, 8, 160);
    text_rotated(cr, 8, 88, -90, "LANDING GEAR", 9, INK, Font::CondensedBold);
    label(cr, 39, 14, "UP", 8);
    label(cr, 39, 162, "DN", 8);
}

// Gear handle: a wheel-shaped knob on a short stem.
void gear_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    bool up = b.id == 3490;
    double cx = b.width / 2.0, cy = up ? 12 : b.height - 12;
    double stem_end = up ? cy + 30 : cy - 30;
    cairo_rectangle(cr, cx - 2, std::min(cy, stem_end), 4, 30);
    set(cr, CHROME);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 7.5, 0, 2 * PI);
    set(cr, Rgb{0.85, 0.85, 0.82});
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 4, 0, 2 * PI);
    set(cr, Rgb{0.25, 0.25, 0.25});
    cairo_fill(cr);
}

void canopy_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    slot(cr, 33, 30, 10, 238);
    label(cr, b.width / 2.0, 14, "CLSD", 10);
    label(cr, b.width / 2.0, 284, "OPEN", 10);
    text_rotated(cr, 14, 149, -90, "CANOPY", 9, DIM, Font::CondensedBold);
}

void handle(cairo_t* cr, double cx, double cy, double w, double h, Rgb c) {
    rounded_rect(cr, cx - w / 2, cy - h / 2, w, h, std::min(w, h) / 2.5);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - w / 2, 0, cx + w / 2, 0);
    Rgb hi = mix(c, Rgb{1, 1, 1}, 0.35), lo = mix(c, Rgb{0.05, 0.05, 0.05}, 0.5);
    cairo_pattern_add_color_stop_rgb(p, 0, lo.r, lo.g, lo.b);
    cairo_pattern_add_color_stop_rgb(p, 0.35, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void canopy_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    bool closed = b.id == 4320;
    double cy = closed ? 44 : 254;
    cairo_rectangle(cr, 35, cy - 4, 6, 8);
    set(cr, CHROME);
    cairo_fill(cr);
    handle(cr, 38, cy, 52, 18, Rgb{0.20, 0.19, 0.18});
}

void hook_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    slot(cr, 11, 20, 8, 112);
    label(cr, b.width / 2.0, 9, "UP", 8);
    label(cr, b.width / 2.0, 143, "DN", 8);
}

void hook_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    bool up = b.id == 4390;
    double cy = up ? 30 : 122;
    handle(cr, 15, cy, 24, 14, Rgb{0.85, 0.75, 0.20});
    cairo_rectangle(cr, 10, cy - 1, 10, 2);
    set(cr, Rgb{0.15, 0.15, 0.15});
    cairo_fill(cr);
}

// --- Throttle quadrant ------------------------------------------------------

void quadrant(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    // Slots under the throttle, propeller and mixture travel.
    slot(cr, 42, 30, 9, 240);
    slot(cr, 117, 35, 8, 236);
    slot(cr, 180, 38, 8, 230);
    slot(cr, 270, 18, 8, 140);
    slot(cr, 240, 162, 8, 100);
    label(cr, 46, 9, "THROTTLE", 8);
    label(cr, 20, 30, "OPEN", 7);
    label(cr, 20, 268, "CLOSED", 7);
    label(cr, 121, 9, "PROPELLER", 8);
    label(cr, 103, 34, "INC", 7);
    label(cr, 103, 270, "DEC", 7);
    label(cr, 184, 9, "MIXTURE", 8);
    label(cr, 166, 34, "RICH", 7);
    label(cr, 166, 270, "CUT OFF", 6.5);
    text_rotated(cr, 291, 80, -90, "DIVE BRAKES", 7.5, INK, Font::CondensedBold);
    label(cr, 256, 22, "ON", 7);
    label(cr, 256, 150, "OFF", 7);
    text_rotated(cr, 227, 214, -90, "WING FLAPS", 7.5, INK, Font::CondensedBold);
    const char* flaps[] = {"UP", "1/4", "1/2", "3/4", "DOWN"};
    for (int i = 0; i < 5; ++i) {
        double y = 174.5 + i * 73.0 / 4;
        text_centered(cr, 270, y, flaps[i], 6.5, INK, Font::CondensedBold);
        cairo_rectangle(cr, 249, y - 0.5, 5, 1);
        set(cr, INK);
        cairo_fill(cr);
    }
}

void throttle_grip(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    // Grip bar across the slot on a stem.
    cairo_rectangle(cr, 43, 30, 7, b.height - 30);
    set(cr, Rgb{0.35, 0.35, 0.36});
    cairo_fill(cr);
    handle(cr, b.width / 2.0, 24, b.width - 6, 30, Rgb{0.16, 0.15, 0.14});
    label(cr, b.width / 2.0, 24, "THROTTLE", 7);
}

void round_knob_slider(cairo_t* cr, const BitmapInfo& b, Rgb c, const char* t) {
    double cx = b.width / 2.0, r = b.width / 2.0 - 2;
    cairo_rectangle(cr, cx - 3, r, 6, b.height - r);
    set(cr, Rgb{0.35, 0.35, 0.36});
    cairo_fill(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, r * 0.65, 1, cx, r + 1, r);
    Rgb hi = mix(c, Rgb{1, 1, 1}, 0.4);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, c.r * 0.6, c.g * 0.6, c.b * 0.6);
    cairo_arc(cr, cx, r + 1, r, 0, 2 * PI);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    text_centered(cr, cx, r + 1, t, 7, INK, Font::CondensedBold);
}

void prop_knob(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    round_knob_slider(cr, b, Rgb{0.15, 0.25, 0.55}, "PROP");
}

void mixture_knob(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    round_knob_slider(cr, b, Rgb{0.65, 0.12, 0.10}, "MIX");
}

void dive_brake_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    handle(cr, b.width / 2.0, b.height / 2.0, 30, 18, Rgb{0.85, 0.75, 0.20});
    label(cr, b.width / 2.0, b.height / 2.0, "DB", 7);
}

void flap_lever(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    // A wing-section shaped handle.
    cairo_rectangle(cr, 11, 14, 8, b.height - 14);
    set(cr, Rgb{0.35, 0.35, 0.36});
    cairo_fill(cr);
    cairo_move_to(cr, 1, 18.5);
    cairo_curve_to(cr, 4, 6, 22, 6, 29, 18.5);
    cairo_curve_to(cr, 22, 24, 6, 24, 1, 18.5);
    set(cr, Rgb{0.90, 0.90, 0.88});
    cairo_fill(cr);
}

// --- Trim wheels ------------------------------------------------------------

void pitch_trim_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    slot(cr, 28, 0, 27, b.height);
    text_rotated(cr, 11, 78, -90, "PITCH TRIM", 9, INK, Font::CondensedBold);
    // Pointer travel: 500/pi px per radian, about 2.78 px per degree.
    double centre = 78.5, ppd = 500 / PI * PI / 180;
    for (int d = -20; d <= 20; d += 5) {
        double y = centre + d * ppd;
        cairo_rectangle(cr, 74, y - 0.6, d % 10 ? 5 : 9, 1.2);
        set(cr, INK);
        cairo_fill(cr);
    }
    label(cr, 86, centre, "0", 7);
    // The pointer rises as the nose is trimmed down.
    label(cr, 73, 4, "NOSE DN", 5.5);
    label(cr, 73, b.height - 4, "NOSE UP", 5.5);
}

void pitch_wheel(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    int phase = static_cast<int>(b.id - 4190);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, b.width, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.06, 0.06, 0.06);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.30, 0.30, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.06, 0.06);
    cairo_rectangle(cr, 1, 0, b.width - 2, b.height);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // Serrations advance a third of their pitch per frame.
    for (double y = phase * 2.0; y < b.height; y += 6) {
        cairo_rectangle(cr, 2, y, b.width - 4, 2);
        set(cr, Rgb{0.10, 0.10, 0.10});
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 2, 50 + phase * 10.0, b.width - 4, 3);
    set(cr, Rgb{0.8, 0.8, 0.78});
    cairo_fill(cr);
}

void rudder_trim_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    slot(cr, 0, 28, b.width, 27);
    label(cr, b.width / 2.0, 14, "RUDDER TRIM", 9);
    double centre = 76.5, ppd = 900 / PI * PI / 180;
    for (int d = -12; d <= 12; d += 2) {
        double x = centre + d * ppd;
        cairo_rectangle(cr, x - 0.6, 74, 1.2, d % 4 ? 5 : 9);
        set(cr, INK);
        cairo_fill(cr);
    }
    label(cr, 20, 82, "L", 9);
    label(cr, b.width - 20, 82, "R", 9);
}

void rudder_wheel(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    int phase = static_cast<int>(b.id - 4260);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, b.height);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.06, 0.06, 0.06);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.30, 0.30, 0.30);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.06, 0.06, 0.06);
    cairo_rectangle(cr, 0, 1, b.width, b.height - 2);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (double x = phase * 2.0; x < b.width; x += 6) {
        cairo_rectangle(cr, x, 2, 2, b.height - 4);
        set(cr, Rgb{0.10, 0.10, 0.10});
        cairo_fill(cr);
    }
    cairo_rectangle(cr, 50 + phase * 10.0, 2, 3, b.height - 4);
    set(cr, Rgb{0.8, 0.8, 0.78});
    cairo_fill(cr);
}

void trim_pointer(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    // A small white wedge pointing at the scale.
    if (b.width > b.height) {
        cairo_move_to(cr, b.width - 0.5, b.height / 2.0);
        cairo_line_to(cr, 0.5, 0.5);
        cairo_line_to(cr, 0.5, b.height - 0.5);
    } else {
        cairo_move_to(cr, b.width / 2.0, b.height - 0.5);
        cairo_line_to(cr, 0.5, 0.5);
        cairo_line_to(cr, b.width - 0.5, 0.5);
    }
    cairo_close_path(cr);
    set(cr, Rgb{1.0, 0.62, 0.12});
    cairo_fill(cr);
}

// Aileron trim: arc scale behind, plate with a window in front.
void aileron_scale(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, FACE);
    cairo_fill(cr);
    const ELEMENT_NEEDLE* n = find_needle(m, b.id, 4220);
    double px = 61, py = 89;
    if (!n) {
        cairo_arc(cr, px, py, 58, rad(-140), rad(-40));
        cairo_set_line_width(cr, 1.5);
        set(cr, INK);
        cairo_stroke(cr);
        return;
    }
    Scale s(n->calibration, n->calibration_count, n->header.position);
    px = n->header.position.x;
    py = n->header.position.y;
    for (int d = -10; d <= 10; ++d) {
        double a;
        if (!s.angle_of(d, a)) continue;
        bool major = d % 5 == 0;
        tick(cr, px, py, a, major ? 50 : 54, 60, major ? 2 : 1, INK);
    }
    double a;
    if (s.angle_of(-10, a)) label(cr, px + 66 * std::cos(rad(a)), py + 66 * std::sin(rad(a)), "L", 8);
    if (s.angle_of(10, a)) label(cr, px + 66 * std::cos(rad(a)), py + 66 * std::sin(rad(a)), "R", 8);
}

void aileron_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    // Window over the arc, from 145 to 35 degrees above the pivot.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 61, 89, 64, rad(-148), rad(-32));
    cairo_arc_negative(cr, 61, 89, 47, rad(-32), rad(-148));
    cairo_close_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    panel_fill(cr, b);
    cairo_restore(cr);
    label(cr, 61, 8, "AILERONS", 9);
    label(cr, 61, 137, "TRIM", 7);
}

// --- Lamps --------------------------------------------------------------------

// Lamp on a square of panel, for lamps that are also the gauge background.
void lamp_on_panel(cairo_t* cr, const BitmapInfo& b, Rgb c, double level) {
    panel_fill(cr, b);
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 1, c, level);
}

void lamp_icon(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    switch (b.id) {
    case 2490: lamp_on_panel(cr, b, AMBER, 0.0); break;
    case 2491: lamp_on_panel(cr, b, AMBER, 1.0); break;
    case 2492: lamp_on_panel(cr, b, AMBER, 1.6); break;
    case 3090: lamp_on_panel(cr, b, AMBER, 0.0); break;
    case 3091: lamp_on_panel(cr, b, AMBER, 1.3); break;
    case 4040: lamp_on_panel(cr, b, AMBER, 0.0); break;
    case 4060: lamp_on_panel(cr, b, GREEN, 0.0); break;
    case 4070: lamp_on_panel(cr, b, GREEN, 1.3); break;
    case 4330: lamp_on_panel(cr, b, RED, 0.0); break;
    case 4340: lamp_on_panel(cr, b, RED, 1.3); break;
    case 4081: lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 0.5, AMBER, 1.3); break;
    default:
        if (b.id >= 4050 && b.id <= 4055) lamp_on_panel(cr, b, AMBER, (b.id - 4050) * 0.34);
        break;
    }
}

void speed_brake_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    plate(cr, 8, 8, b.width - 16, 40, 4);
    label(cr, b.width / 2.0, 20, "SPEED", 11);
    label(cr, b.width / 2.0, 36, "BRAKE", 11);
    lamp(cr, 57, 80, 15.5, AMBER, 0.0);
}

void gear_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double w = b.width, h = b.height;
    panel_fill(cr, b);
    rounded_rect(cr, 4, 4, w - 8, h - 8, 4);
    set(cr, CHROME);
    cairo_fill(cr);
    cairo_save(cr);
    rounded_rect(cr, 7, 7, w - 14, h - 14, 3);
    cairo_clip(cr);
    if (b.id == 2410) {
        // Barber pole: diagonal stripes.
        cairo_rectangle(cr, 0, 0, w, h);
        set(cr, Rgb{0.90, 0.88, 0.84});
        cairo_fill(cr);
        for (double x = -h; x < w + h; x += 10) {
            cairo_move_to(cr, x, 0);
            cairo_line_to(cr, x + 5, 0);
            cairo_line_to(cr, x + 5 - h, h);
            cairo_line_to(cr, x - h, h);
            cairo_close_path(cr);
        }
        set(cr, Rgb{0.12, 0.12, 0.12});
        cairo_fill(cr);
    } else {
        cairo_rectangle(cr, 0, 0, w, h);
        set(cr, Rgb{0.10, 0.10, 0.10});
        cairo_fill(cr);
        if (b.id == 2411) {
            text_centered(cr, w / 2, h / 2, "UP", 15, INK, Font::SansBold);
        } else {
            // Wheel seen from the side, with its leg.
            cairo_rectangle(cr, w / 2 - 2, 10, 4, 14);
            set(cr, INK);
            cairo_fill(cr);
            cairo_arc(cr, w / 2, 30, 9, 0, 2 * PI);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
            cairo_arc(cr, w / 2, 30, 2.5, 0, 2 * PI);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void registration_plate(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    panel_fill(cr, b);
    rounded_rect(cr, 1.5, 1.5, b.width - 3, b.height - 3, 3);
    cairo_set_line_width(cr, 1.5);
    set(cr, CHROME);
    cairo_stroke(cr);
    screw(cr, 7, b.height / 2.0, 3);
    screw(cr, b.width - 7, b.height / 2.0, 3);
}

}  // namespace

ARTGEN_DRAWING(40, 40, registration_plate);
ARTGEN_DRAWING(330, 330, selector_plate);
ARTGEN_DRAWING(340, 341, selector_lever);
ARTGEN_DRAWING(350, 350, selector_plate);
ARTGEN_DRAWING(360, 361, selector_lever);
ARTGEN_DRAWING(490, 492, cowl_flaps);
ARTGEN_DRAWING(2080, 2080, radio_alt_plate);
ARTGEN_DRAWING(2090, 2091, radio_alt_icon);
ARTGEN_DRAWING(2410, 2412, gear_lamp);
ARTGEN_DRAWING(2490, 2492, lamp_icon);
ARTGEN_DRAWING(3090, 3091, lamp_icon);
ARTGEN_DRAWING(3290, 3290, selector_plate);
ARTGEN_DRAWING(3300, 3302, selector_lever);
ARTGEN_DRAWING(3480, 3480, gear_plate);
ARTGEN_DRAWING(3490, 3491, gear_lever);
ARTGEN_DRAWING(4000, 4000, magneto_plate);
ARTGEN_DRAWING(4010, 4013, magneto_key);
ARTGEN_DRAWING(4020, 4020, toggle_base);
ARTGEN_DRAWING(4030, 4031, toggle_icon);
ARTGEN_DRAWING(4040, 4040, lamp_icon);
ARTGEN_DRAWING(4050, 4055, lamp_icon);
ARTGEN_DRAWING(4060, 4060, lamp_icon);
ARTGEN_DRAWING(4070, 4070, lamp_icon);
ARTGEN_DRAWING(4080, 4080, speed_brake_plate);
ARTGEN_DRAWING(4081, 4081, lamp_icon);
ARTGEN_DRAWING(4120, 4120, quadrant);
ARTGEN_DRAWING(4130, 4130, throttle_grip);
ARTGEN_DRAWING(4140, 4140, prop_knob);
ARTGEN_DRAWING(4150, 4150, mixture_knob);
ARTGEN_DRAWING(4160, 4160, dive_brake_lever);
ARTGEN_DRAWING(4170, 4170, flap_lever);
ARTGEN_DRAWING(4180, 4180, pitch_trim_plate);
ARTGEN_DRAWING(4190, 4192, pitch_wheel);
ARTGEN_DRAWING(4200, 4200, trim_pointer);
ARTGEN_DRAWING(4210, 4210, aileron_scale);
ARTGEN_DRAWING(4230, 4230, aileron_plate);
ARTGEN_DRAWING(4250, 4250, rudder_trim_plate);
ARTGEN_DRAWING(4260, 4262, rudder_wheel);
ARTGEN_DRAWING(4270, 4270, trim_pointer);
ARTGEN_DRAWING(4310, 4310, canopy_plate);
ARTGEN_DRAWING(4320, 4321, canopy_lever);
ARTGEN_DRAWING(4330, 4330, lamp_icon);
ARTGEN_DRAWING(4340, 4340, lamp_icon);
ARTGEN_DRAWING(4350, 4362, master);
ARTGEN_DRAWING(4370, 4371, starter);
ARTGEN_DRAWING(4380, 4380, hook_plate);
ARTGEN_DRAWING(4390, 4391, hook_lever);

}  // namespace artgen::controls
