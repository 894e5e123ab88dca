// Radio heads: digit wheels and their windows, fixed digits, head panels
// with their painted labels, main switches, power lamps and selectors.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "tools/artgen/paint.h"

namespace artgen::radios {

using namespace paint;

namespace {

constexpr Rgb DRUM{0.105, 0.105, 0.11};

// One digit cell of a wheel: a drum band shaded like a cylinder, a white digit.
void digit_cell(cairo_t* cr, double y, double w, double h, const char* text) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(p, 0.0, 0.07, 0.07, 0.075);
    cairo_pattern_add_color_stop_rgb(p, 0.5, DRUM.r + 0.05, DRUM.g + 0.05, DRUM.b + 0.05);
    cairo_pattern_add_color_stop_rgb(p, 1.0, 0.07, 0.07, 0.075);
    cairo_rectangle(cr, 0, y, w, h);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    double size = h >= 25 ? 19 : 16;
    text_centered(cr, w / 2.0, y + h / 2.0, text, size, INK, Font::CondensedBold);
}

// Wheels are 13 px wide with 25 px cells, thumbwheels 18 px with 19 px cells.
int cell_height(const BitmapInfo& b) { return b.width >= 18 ? 19 : 25; }

void strip(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    int ch = cell_height(b);
    int cells = b.height / ch;
    for (int k = 0; k < cells; ++k) {
        char t[2] = {static_cast<char>('0' + k % 10), 0};
        digit_cell(cr, k * ch, b.width, ch, t);
    }
}

void window(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, Rgb{0.5, 0.5, 0.5});
    cairo_fill(cr);
}

void fixed_digit(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    const char* t = b.id == 3220 ? "0" : "1";
    digit_cell(cr, 0, b.width, b.height, t);
}

void decimal_point(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    cairo_rectangle(cr, 0, 0, b.width, b.height);
    set(cr, DRUM);
    cairo_fill(cr);
    cairo_arc(cr, b.width / 2.0, b.height - 6, 1.5, 0, 2 * PI);
    set(cr, INK);
    cairo_fill(cr);
}

void power_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 0.3, GREEN, 1.2, false);
}

// Recessed digit window with a chrome frame.
void digit_window(cairo_t* cr, double x, double y, double w, double h) {
    rounded_rect(cr, x - 4, y - 4, w + 8, h + 8, 3);
    set(cr, Rgb{0.45, 0.45, 0.46});
    cairo_fill(cr);
    cairo_rectangle(cr, x - 1.5, y - 1.5, w + 3, h + 3);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    cairo_rectangle(cr, x, y, w, h);
    set(cr, DRUM);
    cairo_fill(cr);
}

void head_frame(cairo_t* cr, const BitmapInfo& b) {
    panel(cr, 0, 0, b.width, b.height, b.id);
    rounded_rect(cr, 1.5, 1.5, b.width - 3, b.height - 3, 5);
    cairo_set_line_width(cr, 1.5);
    set(cr, Rgb{0.24, 0.24, 0.25});
    cairo_stroke(cr);
    screw(cr, 7, 7, 3.2, 40);
    screw(cr, b.width - 7, 7, 3.2, 120);
    screw(cr, 7, b.height - 7, 3.2, 80);
    screw(cr, b.width - 7, b.height - 7, 3.2, 10);
}

void knob_well(cairo_t* cr, double x, double y, double r) {
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_set_line_width(cr, 1.2);
    set(cr, Rgb{0.30, 0.30, 0.31});
    cairo_stroke(cr);
}

// Sizes of the head bitmaps drawn over the faces (the faces place them by
// the records' positions).
struct Size {
    double w, h;
};

Size size_of(std::uint32_t bitmap) {
    switch (bitmap) {
    case 2430: return {18, 19};                      // thumbwheel cell
    case 3230: return {4, 25};                       // ADF decimal point
    case 3160: case 3161: return {39, 11};           // COM main switch
    case 3060: case 3061: return {54, 7};            // NAV main switch
    case 2450: return {24, 24};                      // transponder lamp
    case 3070: case 3170: case 3240: return {13, 13};  // head lamps
    case 3250: return {41, 38};                      // ADF mode selector
    case 2440: return {78, 78};                      // transponder switch
    default: return {13, 25};                        // digit wheel cell, fixed digit
    }
}

struct Rect {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    void add(double x, double y, Size s) {
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x + s.w);
        y1 = std::max(y1, y + s.h);
    }
    bool empty() const { return x1 < x0; }
};

// Where the head's records put its parts; each part keeps its drawn default
// while the module has no records for the head.
struct HeadParts {
    Rect digits;                      // the readout: wheels, fixed digits, point
    std::vector<double> digit_xs;     // left edge of each readout element
    std::vector<const ELEMENT_NEEDLE*> knobs;
    const ELEMENT_HEADER* lamp = nullptr;
    const ELEMENT_HEADER* main_switch = nullptr;  // two-image icon, or the ADF selector
};

HeadParts parts_of(const ModuleView& m, std::uint32_t background) {
    HeadParts p;
    for (const ELEMENT_HEADER* e : m.elements_of(m.gauge_with_background(background))) {
        const bool display = (e->image_flags & IMAGE_SMOOTHED) != 0;
        if (e->element_type == ELEMENT_TYPE_MOVING_IMAGE || (e->element_type == ELEMENT_TYPE_ICON && display)) {
            p.digits.add(e->position.x, e->position.y, size_of(e->bitmap_id));
            p.digit_xs.push_back(e->position.x);
        } else if (e->element_type == ELEMENT_TYPE_NEEDLE) {
            p.knobs.push_back(reinterpret_cast<const ELEMENT_NEEDLE*>(e));
        } else if (e->element_type == ELEMENT_TYPE_ICON && (e->image_flags & IMAGE_SELF_LIT) != 0) {
            p.lamp = e;
        } else if (e->element_type == ELEMENT_TYPE_ICON) {
            p.main_switch = e;
        }
    }
    std::sort(p.digit_xs.begin(), p.digit_xs.end());
    return p;
}

// Lamp socket around a head lamp.
void lamp_socket(cairo_t* cr, const ELEMENT_HEADER* lamp, double fallback_x, double fallback_y, double r) {
    const Size s = lamp ? size_of(lamp->bitmap_id) : Size{0, 0};
    const double x = lamp ? lamp->position.x + s.w / 2 : fallback_x;
    const double y = lamp ? lamp->position.y + s.h / 2 : fallback_y;
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    set(cr, Rgb{0.30, 0.30, 0.31});
    cairo_fill(cr);
}

// COM and NAV heads share one layout.
void com_nav_head(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    head_frame(cr, b);
    const HeadParts parts = parts_of(m, b.id);
    const char* name = "COM 1";
    if (b.id == 3190) name = "COM 2";
    else if (b.id == 3000) name = "NAV 1";
    else if (b.id == 3080) name = "NAV 2";
    text_centered(cr, b.width / 2.0, 17, name, 11, INK, Font::CondensedBold);
    Rect window = parts.digits;
    if (window.empty()) window.add(39, 39, {65, 25});
    digit_window(cr, window.x0, window.y0, window.x1 - window.x0, window.y1 - window.y0);
    // Decimal point under the gap between the units and the tenths wheels.
    const double point_x = parts.digit_xs.size() >= 2 ? parts.digit_xs[parts.digit_xs.size() - 2] : 78;
    cairo_arc(cr, point_x, window.y1 + 5.5, 1.6, 0, 2 * PI);
    set(cr, INK);
    cairo_fill(cr);
    text_centered(cr, window.x1 + 21, window.y0 + 12, "MHz", 8, DIM, Font::CondensedBold);
    // Main switch slot with its labels above it; TEST and VOL/IDENT above the knobs.
    const bool com = b.id == 3180 || b.id == 3190;
    const ELEMENT_HEADER* sw = parts.main_switch;
    const Size ss = sw ? size_of(sw->bitmap_id) : Size{com ? 39.0 : 54.0, com ? 11.0 : 7.0};
    const double sx = sw ? sw->position.x : 0, sy = sw ? sw->position.y : (com ? 88 : 89);
    rounded_rect(cr, sx + 1, sy - 1, ss.w, ss.h + 2, 2);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    text_centered(cr, sx + 9, sy - 8, "OFF", 7, INK, Font::CondensedBold);
    text_centered(cr, sx + ss.w - (com ? 13 : 10), sy - 8, "ON", 7, INK, Font::CondensedBold);
    if (com) text_centered(cr, sx + ss.w + 6, sy - 8, "TEST", 7, INK, Font::CondensedBold);
    double right_knob_x = 125, right_knob_y = 116;
    for (const ELEMENT_NEEDLE* k : parts.knobs) {
        if (k->header.position.x > right_knob_x - 1) right_knob_y = k->header.position.y;
    }
    text_centered(cr, right_knob_x, right_knob_y - 32, com ? "VOL" : "IDENT", 7, INK, Font::CondensedBold);
    if (parts.knobs.empty()) {
        knob_well(cr, 35, 116, 26);
        knob_well(cr, 125, 116, 26);
    }
    for (const ELEMENT_NEEDLE* k : parts.knobs) {
        knob_well(cr, k->header.position.x, k->header.position.y, k->header.offset.x + 1);
    }
    lamp_socket(cr, parts.lamp, 77.5, 134.5, 8);
    const double lamp_x = parts.lamp ? parts.lamp->position.x + 6.5 : 77.5;
    const double lamp_y = parts.lamp ? parts.lamp->position.y : 128;
    text_centered(cr, lamp_x, lamp_y - 8, "PWR", 6.5, DIM, Font::CondensedBold);
}

// Main switch of a head: a small slide lever, left for off, right for on.
void slide_switch(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    bool on = b.id % 10 == 1;
    double w = b.width, h = b.height;
    double kw = std::max(10.0, w * 0.32);
    double x = on ? w - kw - 0.5 : 0.5;
    rounded_rect(cr, x, 0.5, kw, h - 1, std::min(2.0, h / 3));
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.85, 0.85, 0.86);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.35, 0.36);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    for (int k = 1; k < 4; ++k) {
        cairo_rectangle(cr, x + kw * k / 4.0 - 0.5, 1.5, 1, h - 3);
        set(cr, Rgb{0.25, 0.25, 0.26});
        cairo_fill(cr);
    }
}

void adf_head(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    head_frame(cr, b);
    const HeadParts parts = parts_of(m, b.id);
    text_centered(cr, 30, 14, "ADF", 10, INK, Font::CondensedBold);
    Rect window = parts.digits;
    if (window.empty()) window.add(44, 21, {69, 25});
    digit_window(cr, window.x0, window.y0, window.x1 - window.x0, window.y1 - window.y0);
    text_centered(cr, window.x1 + 15, window.y0 + 13, "kHz", 8, DIM, Font::CondensedBold);
    text_centered(cr, 79, 58, "FREQ", 8, INK, Font::CondensedBold);
    if (parts.knobs.empty()) {
        knob_well(cr, 54, 77, 15);
        knob_well(cr, 105, 77, 15);
    }
    for (const ELEMENT_NEEDLE* k : parts.knobs) {
        knob_well(cr, k->header.position.x, k->header.position.y, k->header.offset.x + 1);
    }
    lamp_socket(cr, parts.lamp, 142.5, 61.5, 8);
    // Selector labels around the mode knob.
    const ELEMENT_HEADER* sel = parts.main_switch;
    const Size ss = size_of(3250);
    const double cx = sel ? sel->position.x + ss.w / 2 : 80.5, cy = sel ? sel->position.y + ss.h / 2 : 130;
    const char* labels[] = {"OFF", "ANT", "ADF", "TONE"};
    const double angles[] = {200, 250, 290, 340};
    for (int i = 0; i < 4; ++i) {
        double a = rad(angles[i]);
        text_centered(cr, cx + 33 * std::cos(a), cy + 27 * std::sin(a), labels[i], 7, INK, Font::CondensedBold);
    }
    knob_well(cr, cx, cy, 19);
}

void adf_selector(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    const double angles[] = {200, 250, 290, 340};
    double a = angles[std::min<std::uint32_t>(b.id - 3250, 3)];
    double cx = b.width / 2.0, cy = b.height / 2.0, r = std::min(cx, cy) - 1;
    knurled_knob(cr, cx, cy, r * 0.8, a, BAKELITE, false);
    // Pointer bar across the knob.
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rad(a));
    rounded_rect(cr, -r * 0.7, -3.5, r * 1.7, 7, 3);
    set(cr, Rgb{0.18, 0.17, 0.16});
    cairo_fill(cr);
    cairo_rectangle(cr, r * 0.2, -1, r * 0.75, 2);
    set(cr, INK);
    cairo_fill(cr);
    cairo_restore(cr);
}

void xpdr_head(cairo_t* cr, const BitmapInfo& b, const ModuleView& m) {
    head_frame(cr, b);
    text_centered(cr, b.width / 2.0, 22, "IFF  TRANSPONDER", 12, INK, Font::CondensedBold);
    // Thumbwheel slots: the serrated wheel edges show above and below each window.
    const HeadParts parts = parts_of(m, b.id);
    std::vector<double> xs = parts.digit_xs;
    double wy = parts.digits.empty() ? 84 : parts.digits.y0;
    if (xs.empty()) xs = {51, 92, 132, 171};
    rounded_rect(cr, 38, 44, 166, 100, 5);
    set(cr, Rgb{0.05, 0.05, 0.05});
    cairo_fill(cr);
    for (double x : xs) {
        for (int y = 50; y < 140; y += 4) {
            if (y > wy - 6 && y < wy + 24) continue;
            cairo_rectangle(cr, x - 4, y, 26, 2);
            set(cr, Rgb{0.24, 0.24, 0.25});
            cairo_fill(cr);
        }
        digit_window(cr, x, wy, 18, 19);
    }
    text_centered(cr, 121, 153, "CODE", 9, INK, Font::CondensedBold);
    // Main switch labels around its knob.
    const ELEMENT_HEADER* sw = parts.main_switch;
    const double kx = sw ? sw->position.x + 39 : 64, ky = sw ? sw->position.y + 39 : 202;
    text_centered(cr, kx - 34, ky - 42, "OFF", 8, INK, Font::CondensedBold);
    text_centered(cr, kx + 34, ky - 42, "ON", 8, INK, Font::CondensedBold);
    knob_well(cr, kx, ky, 36);
    // Reply lamp socket, an unlit lens under the lamp, and the test switches.
    const double lx = parts.lamp ? parts.lamp->position.x + 12 : 130, ly = parts.lamp ? parts.lamp->position.y + 12 : 220;
    lamp_socket(cr, parts.lamp, 130, 220, 14);
    lamp(cr, lx, ly, 12, GREEN, 0.0, false);
    text_centered(cr, lx, ly + 24, "REPLY", 8, INK, Font::CondensedBold);
    for (double x : {180.0, 218.0}) {
        toggle_lever(cr, x, 222, x, 206, 7);
    }
    text_centered(cr, 199, 186, "TEST", 8, INK, Font::CondensedBold);
    text_centered(cr, 180, 246, "M1", 7, DIM, Font::CondensedBold);
    text_centered(cr, 218, 246, "M3", 7, DIM, Font::CondensedBold);
}

void xpdr_switch(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double a = b.id == 2440 ? 225 : 315;
    double cx = b.width / 2.0, cy = b.height / 2.0;
    knurled_knob(cr, cx, cy, 30, a, BAKELITE, false);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, rad(a));
    rounded_rect(cr, -26, -6, 60, 12, 5);
    set(cr, Rgb{0.18, 0.17, 0.16});
    cairo_fill(cr);
    cairo_rectangle(cr, 8, -1.5, 24, 3);
    set(cr, INK);
    cairo_fill(cr);
    cairo_restore(cr);
}

void xpdr_lamp(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    lamp(cr, b.width / 2.0, b.height / 2.0, b.width / 2.0 - 0.5, GREEN, 1.3, false);
}

}  // namespace

ARTGEN_DRAWING(2420, 2420, xpdr_head);
ARTGEN_DRAWING(2430, 2430, strip);
ARTGEN_DRAWING(2431, 2431, window);
ARTGEN_DRAWING(2440, 2441, xpdr_switch);
ARTGEN_DRAWING(2450, 2450, xpdr_lamp);
ARTGEN_DRAWING(3000, 3000, com_nav_head);
ARTGEN_DRAWING(3030, 3030, strip);
ARTGEN_DRAWING(3031, 3031, window);
ARTGEN_DRAWING(3040, 3040, strip);
ARTGEN_DRAWING(3041, 3041, window);
ARTGEN_DRAWING(3050, 3050, fixed_digit);
ARTGEN_DRAWING(3060, 3061, slide_switch);
ARTGEN_DRAWING(3070, 3070, power_lamp);
ARTGEN_DRAWING(3080, 3080, com_nav_head);
ARTGEN_DRAWING(3120, 3120, strip);
ARTGEN_DRAWING(3121, 3121, window);
ARTGEN_DRAWING(3130, 3130, strip);
ARTGEN_DRAWING(3131, 3131, window);
ARTGEN_DRAWING(3140, 3140, fixed_digit);
ARTGEN_DRAWING(3150, 3150, strip);
ARTGEN_DRAWING(3151, 3151, window);
ARTGEN_DRAWING(3160, 3161, slide_switch);
ARTGEN_DRAWING(3170, 3170, power_lamp);
ARTGEN_DRAWING(3180, 3190, com_nav_head);
ARTGEN_DRAWING(3200, 3200, adf_head);
ARTGEN_DRAWING(3210, 3210, strip);
ARTGEN_DRAWING(3211, 3211, window);
ARTGEN_DRAWING(3220, 3221, fixed_digit);
ARTGEN_DRAWING(3230, 3230, decimal_point);
ARTGEN_DRAWING(3240, 3240, power_lamp);
ARTGEN_DRAWING(3250, 3253, adf_selector);

}  // namespace artgen::radios
