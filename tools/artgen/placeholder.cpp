#include <cmath>
#include <string>

#include "tools/artgen/generator.h"

namespace artgen {

void draw_placeholder(cairo_t* cr, const BitmapInfo& bitmap) {
    const double w = bitmap.width;
    const double h = bitmap.height;
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0.45, 0.10, 0.40);
    cairo_paint(cr);
    // Diagonal hatching.
    cairo_set_source_rgb(cr, 0.62, 0.22, 0.56);
    cairo_set_line_width(cr, 3);
    for (double d = -h; d < w; d += 10) {
        cairo_move_to(cr, d, h);
        cairo_line_to(cr, d + h, 0);
    }
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 1.0, 0.85, 0.2);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_stroke(cr);

    const std::string lines[] = {
        std::to_string(bitmap.id),
        std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height),
        bitmap.role,
    };
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    const double size = std::fmin(14.0, std::fmax(6.0, h / 4.0));
    cairo_set_font_size(cr, size);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    double y = 2 + size;
    for (const std::string& line : lines) {
        if (y > h) {
            break;
        }
        cairo_move_to(cr, 3, y);
        cairo_show_text(cr, line.c_str());
        y += size * 1.2;
    }
    cairo_restore(cr);
}

}  // namespace artgen
