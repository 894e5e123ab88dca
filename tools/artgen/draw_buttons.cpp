// Panel-button faces: a bevelled square key with a pictogram of what it opens.
#include <cmath>

#include "tools/artgen/paint.h"

namespace artgen::buttons {

using namespace paint;

namespace {

void key(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w, h);
    set(cr, Rgb{0.08, 0.08, 0.085});
    cairo_fill(cr);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    set(cr, Rgb{0.40, 0.40, 0.41});
    cairo_fill(cr);
    cairo_rectangle(cr, 1.5, 1.5, w - 2, h - 2);
    set(cr, Rgb{0.10, 0.10, 0.10});
    cairo_fill(cr);
    cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
    set(cr, Rgb{0.22, 0.22, 0.23});
    cairo_fill(cr);
}

void stroke(cairo_t* cr, double width) {
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set(cr, INK);
    cairo_stroke(cr);
}

void fill(cairo_t* cr) {
    set(cr, INK);
    cairo_fill(cr);
}

void arrow(cairo_t* cr, double x, double y, double dx, double dy, double size) {
    // Triangle pointing along (dx, dy) with its tip at (x, y).
    double nx = -dy, ny = dx;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - dx * size + nx * size * 0.75, y - dy * size + ny * size * 0.75);
    cairo_line_to(cr, x - dx * size - nx * size * 0.75, y - dy * size - ny * size * 0.75);
    cairo_close_path(cr);
    fill(cr);
}

void small_text(cairo_t* cr, const char* t, double size) {
    text_centered(cr, 9.5, 9.8, t, size, INK, Font::CondensedBold);
}

void face(cairo_t* cr, const BitmapInfo& b, const ModuleView&) {
    double w = b.width, h = b.height;
    key(cr, w, h);
    switch (b.id) {
    case 50:  // kneeboard: clipboard with lines
        cairo_rectangle(cr, 5, 4, 9, 12);
        stroke(cr, 1.2);
        cairo_rectangle(cr, 7.5, 3, 4, 2.5);
        fill(cr);
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, 7, 8.5 + k * 2.5);
            cairo_line_to(cr, 12, 8.5 + k * 2.5);
        }
        stroke(cr, 0.8);
        break;
    case 60:  // map: folded sheet
        cairo_move_to(cr, 2.5, 3.5);
        cairo_line_to(cr, 5, 2.5);
        cairo_line_to(cr, 7, 3.5);
        cairo_line_to(cr, 9.5, 2.5);
        cairo_line_to(cr, 9.5, 8.5);
        cairo_line_to(cr, 7, 9.5);
        cairo_line_to(cr, 5, 8.5);
        cairo_line_to(cr, 2.5, 9.5);
        cairo_close_path(cr);
        stroke(cr, 1);
        break;
    case 70:  // air traffic control: speech bubble
        cairo_move_to(cr, 4, 4);
        cairo_line_to(cr, 15, 4);
        cairo_line_to(cr, 15, 11);
        cairo_line_to(cr, 9, 11);
        cairo_line_to(cr, 6, 14.5);
        cairo_line_to(cr, 6.5, 11);
        cairo_line_to(cr, 4, 11);
        cairo_close_path(cr);
        stroke(cr, 1.2);
        break;
    case 100:
    case 110: {  // seat with an arrow up or down
        cairo_move_to(cr, 4, 5);
        cairo_line_to(cr, 5, 13);
        cairo_line_to(cr, 10, 13);
        stroke(cr, 1.8);
        if (b.id == 100) {
            cairo_move_to(cr, 14, 15);
            cairo_line_to(cr, 14, 8);
            stroke(cr, 1.5);
            arrow(cr, 14, 3.5, 0, -1, 4);
        } else {
            cairo_move_to(cr, 14, 3.5);
            cairo_line_to(cr, 14, 10);
            stroke(cr, 1.5);
            arrow(cr, 14, 15.5, 0, 1, 4);
        }
        break;
    }
    case 120:  // radio stack: box with a digit window and two knobs
        cairo_rectangle(cr, 3.5, 5.5, 12, 8);
        stroke(cr, 1.1);
        cairo_rectangle(cr, 5.5, 7.5, 5, 2);
        fill(cr);
        cairo_arc(cr, 13, 8.5, 1.1, 0, 2 * PI);
        fill(cr);
        cairo_arc(cr, 6.5, 11.5, 0.9, 0, 2 * PI);
        cairo_arc(cr, 12.5, 11.5, 0.9, 0, 2 * PI);
        fill(cr);
        break;
    case 130: small_text(cr, "GPS", 6.5); break;
    case 140:  // throttle lever with knob
        cairo_move_to(cr, 6, 15);
        cairo_line_to(cr, 12, 6);
        stroke(cr, 1.6);
        cairo_arc(cr, 12.5, 5.5, 2.6, 0, 2 * PI);
        fill(cr);
        cairo_move_to(cr, 4, 15.5);
        cairo_line_to(cr, 15, 15.5);
        stroke(cr, 1);
        break;
    case 150:  // compass rose with a north needle
        cairo_arc(cr, 9.5, 9.5, 6, 0, 2 * PI);
        stroke(cr, 1);
        cairo_move_to(cr, 9.5, 3.5);
        cairo_line_to(cr, 11.2, 9.5);
        cairo_line_to(cr, 9.5, 15.5);
        cairo_line_to(cr, 7.8, 9.5);
        cairo_close_path(cr);
        fill(cr);
        break;
    case 160:  // close: an X
        cairo_move_to(cr, 5, 5);
        cairo_line_to(cr, 14, 14);
        cairo_move_to(cr, 14, 5);
        cairo_line_to(cr, 5, 14);
        stroke(cr, 2);
        break;
    case 170:
    case 180: {  // taxi view left / right: arrow over a ground line
        double s = b.id == 170 ? -1 : 1;
        cairo_move_to(cr, 9.5 - s * 5, 8);
        cairo_line_to(cr, 9.5 + s * 2, 8);
        stroke(cr, 1.8);
        arrow(cr, 9.5 + s * 6, 8, s, 0, 4);
        cairo_move_to(cr, 3, 14);
        cairo_line_to(cr, 16, 14);
        stroke(cr, 1);
        break;
    }
    case 190:  // navigation instruments: two round dials
        cairo_arc(cr, 6, 9.5, 3.4, 0, 2 * PI);
        stroke(cr, 1);
        cairo_arc(cr, 13, 9.5, 3.4, 0, 2 * PI);
        stroke(cr, 1);
        cairo_move_to(cr, 6, 9.5);
        cairo_line_to(cr, 6, 7);
        cairo_move_to(cr, 13, 9.5);
        cairo_line_to(cr, 15, 8);
        stroke(cr, 0.9);
        break;
    case 200:  // invisible: a dotted outline
        cairo_rectangle(cr, 4.5, 4.5, 10, 10);
        {
            const double dash[] = {1.2, 1.6};
            cairo_set_dash(cr, dash, 2, 0);
        }
        stroke(cr, 1);
        cairo_set_dash(cr, nullptr, 0, 0);
        break;
    case 210:  // yoke: a ram's horn wheel on its column
        cairo_move_to(cr, 3.5, 5);
        cairo_line_to(cr, 3.5, 9);
        cairo_line_to(cr, 15.5, 9);
        cairo_line_to(cr, 15.5, 5);
        stroke(cr, 1.8);
        cairo_move_to(cr, 9.5, 9);
        cairo_line_to(cr, 9.5, 15.5);
        stroke(cr, 2);
        break;
    case 220:  // overhead panel: a panel bar above an up arrow
        cairo_rectangle(cr, 3.5, 3, 12, 3);
        fill(cr);
        cairo_move_to(cr, 9.5, 16);
        cairo_line_to(cr, 9.5, 11);
        stroke(cr, 1.5);
        arrow(cr, 9.5, 7.5, 0, -1, 4);
        break;
    case 230:  // landing view: a runway in perspective
        cairo_move_to(cr, 7.5, 4);
        cairo_line_to(cr, 11.5, 4);
        cairo_line_to(cr, 15.5, 15.5);
        cairo_line_to(cr, 3.5, 15.5);
        cairo_close_path(cr);
        stroke(cr, 1);
        cairo_move_to(cr, 9.5, 6);
        cairo_line_to(cr, 9.5, 8);
        cairo_move_to(cr, 9.5, 10);
        cairo_line_to(cr, 9.5, 13);
        stroke(cr, 0.9);
        break;
    case 240:  // electricity: a lightning bolt
        cairo_move_to(cr, 11, 2.5);
        cairo_line_to(cr, 5, 10.5);
        cairo_line_to(cr, 9.5, 10.5);
        cairo_line_to(cr, 7.5, 16.5);
        cairo_line_to(cr, 14, 8);
        cairo_line_to(cr, 9.5, 8);
        cairo_close_path(cr);
        set(cr, YELLOW);
        cairo_fill(cr);
        break;
    case 250:  // fuel: a drop
        cairo_move_to(cr, 9.5, 3);
        cairo_curve_to(cr, 12, 7.5, 14.5, 9.5, 14.5, 12);
        cairo_arc(cr, 9.5, 12, 5, 0, PI);
        cairo_curve_to(cr, 4.5, 9.5, 7, 7.5, 9.5, 3);
        fill(cr);
        break;
    case 260: small_text(cr, "ADF", 6.5); break;
    case 270: small_text(cr, "VOR", 6.5); break;
    default: break;
    }
}

}  // namespace

ARTGEN_DRAWING(50, 50, face);
ARTGEN_DRAWING(60, 60, face);
ARTGEN_DRAWING(70, 70, face);
ARTGEN_DRAWING(100, 270, face);

}  // namespace artgen::buttons
