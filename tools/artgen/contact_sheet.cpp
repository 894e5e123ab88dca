#include <algorithm>
#include <cstring>
#include <string>

#include "tools/artgen/generator.h"

namespace artgen {

namespace {

constexpr int SHEET_WIDTH = 1800;
constexpr int MARGIN = 12;
constexpr int PAD = 6;
constexpr int LABEL_LINE = 13;

struct Cell {
    const SheetEntry* entry;
    int x, y, w, h;
};

std::string size_text(const BitmapInfo& b) {
    return std::to_string(b.width) + "\xC3\x97" + std::to_string(b.height) + (b.depth == 8 ? " 8-bit" : "");
}

std::string status_text(const SheetEntry& e) {
    return e.marks_pending ? "marks pending" : "";
}

double text_width(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t ext;
    cairo_text_extents(cr, text.c_str(), &ext);
    return ext.x_advance;
}

void label_font(cairo_t* cr, bool bold) {
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 11);
}

// The stored pixels, the key as transparent.
cairo_surface_t* surface_of(const Image& image) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = image.at(x, y);
            const std::uint32_t argb =
                p == KEY ? 0u : 0xFF000000u | static_cast<std::uint32_t>(p.r) << 16 | p.g << 8 | p.b;
            std::memcpy(data + y * stride + 4 * x, &argb, 4);
        }
    }
    cairo_surface_mark_dirty(s);
    return s;
}

void checkerboard(cairo_t* cr, int x, int y, int w, int h) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    for (int j = 0; j < h; j += 4) {
        for (int i = 0; i < w; i += 4) {
            const double v = ((i / 4 + j / 4) % 2) ? 0.42 : 0.50;
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, x + i, y + j, 4, 4);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

}  // namespace

bool write_contact_sheet(const std::string& path, const std::vector<SheetEntry>& entries, std::string& error) {
    // Measure with a scratch context, then lay the cells out on shelves in
    // table order.
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1);
    cairo_t* m = cairo_create(scratch);
    std::vector<Cell> cells;
    int x = MARGIN;
    int y = MARGIN + 40;
    int shelf = 0;
    int pending = 0;
    for (const SheetEntry& e : entries) {
        label_font(m, true);
        double label = text_width(m, std::to_string(e.bitmap->id) + "  ");
        label_font(m, false);
        label += text_width(m, size_text(*e.bitmap));
        label = std::max(label, text_width(m, status_text(e)));
        const int w = std::max(e.image.width, static_cast<int>(label) + 1) + 2 * PAD;
        const int h = e.image.height + 2 * LABEL_LINE + 2 * PAD;
        if (x + w > SHEET_WIDTH - MARGIN && x > MARGIN) {
            x = MARGIN;
            y += shelf;
            shelf = 0;
        }
        cells.push_back({&e, x, y, w, h});
        x += w;
        shelf = std::max(shelf, h);
        pending += e.marks_pending ? 1 : 0;
    }
    cairo_destroy(m);
    cairo_surface_destroy(scratch);
    const int height = y + shelf + MARGIN;

    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, SHEET_WIDTH, height);
    cairo_t* cr = cairo_create(sheet);
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
    cairo_paint(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 16);
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.95);
    cairo_move_to(cr, MARGIN, MARGIN + 16);
    const std::string title = "Vantor_Instr bitmaps: " + std::to_string(entries.size()) +
                              " at 1:1, transparent key shown as a checkerboard";
    cairo_show_text(cr, title.c_str());
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    cairo_move_to(cr, MARGIN, MARGIN + 33);
    const std::string legend = std::to_string(pending) +
                               " faces marked \"marks pending\": their gauge has no needle yet, so the scale is "
                               "not final";
    cairo_show_text(cr, legend.c_str());

    for (const Cell& c : cells) {
        const SheetEntry& e = *c.entry;
        const int ix = c.x + PAD;
        const int iy = c.y + PAD;
        checkerboard(cr, ix, iy, e.image.width, e.image.height);
        cairo_surface_t* img = surface_of(e.image);
        cairo_set_source_surface(cr, img, ix, iy);
        cairo_paint(cr);
        cairo_surface_destroy(img);

        const double ty = iy + e.image.height + LABEL_LINE - 2;
        label_font(cr, true);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_move_to(cr, ix, ty);
        const std::string id = std::to_string(e.bitmap->id) + "  ";
        cairo_show_text(cr, id.c_str());
        label_font(cr, false);
        cairo_set_source_rgb(cr, 0.70, 0.72, 0.75);
        cairo_show_text(cr, size_text(*e.bitmap).c_str());
        const std::string status = status_text(e);
        if (!status.empty()) {
            cairo_set_source_rgb(cr, 1.0, 0.62, 0.15);
            cairo_move_to(cr, ix, ty + LABEL_LINE);
            cairo_show_text(cr, status.c_str());
        }
    }
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, path.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

}  // namespace artgen
