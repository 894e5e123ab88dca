// backdrops: draws the example panel's window backgrounds as 24-bit BMP
// files: dark crinkle-painted metal with screws, the main panel with
// engraved section labels where examples/panel.cfg groups its gauges.
//
//   backdrops OUT_DIR   -> OUT_DIR/main_panel.bmp, OUT_DIR/subpanel.bmp
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

struct Label {
    double x;  // centre
    double y;  // baseline
    const char* text;
};

// Smooth random field: bilinear value noise on a grid of `cell` pixels.
std::vector<float> value_noise(int w, int h, int cell, std::mt19937& rng) {
    const int gw = w / cell + 2, gh = h / cell + 2;
    std::uniform_real_distribution<float> d(0.0f, 1.0f);
    std::vector<float> grid(static_cast<std::size_t>(gw) * gh);
    for (float& v : grid) v = d(rng);
    std::vector<float> out(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        const float fy = static_cast<float>(y) / cell;
        const int gy = static_cast<int>(fy);
        const float ty = fy - gy, sy = ty * ty * (3 - 2 * ty);
        for (int x = 0; x < w; ++x) {
            const float fx = static_cast<float>(x) / cell;
            const int gx = static_cast<int>(fx);
            const float tx = fx - gx, sx = tx * tx * (3 - 2 * tx);
            auto at = [&](int i, int j) { return grid[static_cast<std::size_t>(j) * gw + i]; };
            const float top = at(gx, gy) + (at(gx + 1, gy) - at(gx, gy)) * sx;
            const float bottom = at(gx, gy + 1) + (at(gx + 1, gy + 1) - at(gx, gy + 1)) * sx;
            out[static_cast<std::size_t>(y) * w + x] = top + (bottom - top) * sy;
        }
    }
    return out;
}

// Crinkle paint: a wrinkled height field lit from the top left.
void crinkle(cairo_surface_t* surface, unsigned seed, double base) {
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    std::mt19937 rng(seed);
    std::vector<float> fine = value_noise(w, h, 2, rng);
    std::vector<float> mid = value_noise(w, h, 5, rng);
    std::vector<float> broad = value_noise(w, h, 60, rng);
    std::vector<float> height(fine.size());
    for (std::size_t i = 0; i < height.size(); ++i) height[i] = 0.45f * fine[i] + 0.55f * mid[i];
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            const float dx = height[i] - height[y * w + std::max(0, x - 1)];
            const float dy = height[i] - height[std::max(0, y - 1) * w + x];
            const double shade = 0.5 * (dx + dy) * 0.55 + (broad[i] - 0.5) * 0.035;
            // Vignette: the edges a little darker.
            const double ex = std::min(x, w - 1 - x) / 80.0, ey = std::min(y, h - 1 - y) / 80.0;
            const double edge = 0.86 + 0.14 * std::min(1.0, std::min(ex, ey));
            const double v = std::clamp((base + shade) * edge, 0.02, 1.0);
            const auto c = [&](double k) { return static_cast<std::uint32_t>(std::clamp(v * k, 0.0, 1.0) * 255.0 + 0.5); };
            row[x] = 0xFF000000u | (c(0.96) << 16) | (c(1.0) << 8) | c(1.07);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void screw(cairo_t* cr, double x, double y, double angle) {
    const double r = 7.0;
    cairo_pattern_t* head = cairo_pattern_create_radial(x - 2, y - 2, 1, x, y, r);
    cairo_pattern_add_color_stop_rgb(head, 0, 0.62, 0.62, 0.60);
    cairo_pattern_add_color_stop_rgb(head, 1, 0.22, 0.22, 0.22);
    cairo_arc(cr, x + 0.8, y + 1.2, r + 0.8, 0, 2 * M_PI);  // shadow
    cairo_set_source_rgba(cr, 0, 0, 0, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_set_source(cr, head);
    cairo_fill(cr);
    cairo_pattern_destroy(head);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_set_line_width(cr, 1.8);
    cairo_move_to(cr, -r + 1.5, 0);
    cairo_line_to(cr, r - 1.5, 0);
    cairo_set_source_rgb(cr, 0.10, 0.10, 0.10);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void engrave(cairo_t* cr, const Label& label, double size, bool rules = true) {
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te;
    cairo_text_extents(cr, label.text, &te);
    const double x = label.x - te.x_advance / 2.0;
    // Cut into the paint: a dark upper edge, a light lower edge, the fill.
    cairo_set_source_rgba(cr, 0, 0, 0, 0.8);
    cairo_move_to(cr, x - 0.6, label.y - 0.8);
    cairo_show_text(cr, label.text);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.18);
    cairo_move_to(cr, x + 0.6, label.y + 0.8);
    cairo_show_text(cr, label.text);
    cairo_set_source_rgb(cr, 0.80, 0.80, 0.76);
    cairo_move_to(cr, x, label.y);
    cairo_show_text(cr, label.text);
    if (!rules) return;
    // Rules either side of the label.
    cairo_set_line_width(cr, 1.0);
    for (double side : {-1.0, 1.0}) {
        const double from = label.x + side * (te.x_advance / 2.0 + 6.0);
        const double to = from + side * 18.0;
        cairo_move_to(cr, from, label.y - size * 0.35 + 0.5);
        cairo_line_to(cr, to, label.y - size * 0.35 + 0.5);
        cairo_set_source_rgba(cr, 0.8, 0.8, 0.76, 0.6);
        cairo_stroke(cr);
    }
}

void bevel(cairo_t* cr, int w, int h) {
    cairo_set_line_width(cr, 2.0);
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.7);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.0);
    cairo_move_to(cr, 3.5, h - 3.5);
    cairo_line_to(cr, 3.5, 3.5);
    cairo_line_to(cr, w - 3.5, 3.5);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    cairo_stroke(cr);
}

bool write_bmp24(cairo_surface_t* surface, const std::string& path) {
    cairo_surface_flush(surface);
    const int w = cairo_image_surface_get_width(surface);
    const int h = cairo_image_surface_get_height(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    const std::uint32_t row_bytes = (static_cast<std::uint32_t>(w) * 3 + 3) & ~3u;
    const std::uint32_t size = 54 + row_bytes * static_cast<std::uint32_t>(h);
    std::vector<unsigned char> b(size, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    b[26] = 1;
    b[28] = 24;
    put32(34, row_bytes * static_cast<std::uint32_t>(h));
    put32(38, 2835);
    put32(42, 2835);
    for (int y = 0; y < h; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        unsigned char* dst = &b[54 + static_cast<std::size_t>(h - 1 - y) * row_bytes];
        for (int x = 0; x < w; ++x) {
            std::uint32_t p = src[x];
            // Never pure black: that is the colour key elsewhere.
            if ((p & 0xFFFFFF) == 0) p |= 0x010101;
            dst[3 * x] = static_cast<unsigned char>(p);
            dst[3 * x + 1] = static_cast<unsigned char>(p >> 8);
            dst[3 * x + 2] = static_cast<unsigned char>(p >> 16);
        }
    }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    return static_cast<bool>(out);
}

bool draw(const std::string& path, int w, int h, unsigned seed, const std::vector<std::pair<double, double>>& screws,
          const std::vector<Label>& labels, const std::vector<Label>& names = {}) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    crinkle(surface, seed, 0.20);
    cairo_t* cr = cairo_create(surface);
    bevel(cr, w, h);
    std::mt19937 rng(seed + 1);
    std::uniform_real_distribution<double> turn(0.0, M_PI);
    for (auto [x, y] : screws) screw(cr, x, y, turn(rng));
    for (const Label& l : labels) engrave(cr, l, 11.0);
    for (const Label& n : names) engrave(cr, n, 8.0, false);
    cairo_destroy(cr);
    const bool ok = write_bmp24(surface, path);
    cairo_surface_destroy(surface);
    if (ok) std::printf("%s: %d x %d\n", path.c_str(), w, h);
    else std::fprintf(stderr, "backdrops: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: backdrops OUT_DIR\n", stderr);
        return 2;
    }
    const std::string dir = argv[1];
    // The main panel at 1:1 with its window (1500 x 820).
    const std::vector<std::pair<double, double>> main_screws = {
        {14, 14}, {500, 14}, {1000, 14}, {1486, 14}, {14, 806}, {1000, 806}, {1250, 806}, {1486, 806}, {1486, 410}};
    const std::vector<Label> main_labels = {
        {440, 131, "FLIGHT INSTRUMENTS"}, {1255, 131, "ENGINE"},        {925, 143, "G METER"},
        {465, 643, "LIGHTS"},             {810, 625, "ENGINE START"},   {128, 553, "LANDING GEAR"},
        {340, 774, "PANEL WINDOWS"},      {1110, 590, "NAV SOURCE"},    {1370, 596, "FUEL"},
        {315, 613, "ELECTRICAL"}};
    // The name of each switch of the LIGHTS row, under it (45 x 45 at y 650).
    const std::vector<Label> switch_names = {
        {312, 707, "AVIONICS"}, {362, 707, "TAXI"},    {412, 707, "NAV"},    {462, 707, "STROBE"},
        {512, 707, "PANEL"},    {562, 707, "LANDING"}, {612, 707, "BEACON"}, {662, 707, "PITOT HT"}};
    // Subpanels share one plate, stretched to each window.
    const std::vector<std::pair<double, double>> sub_screws = {{12, 12}, {388, 12}, {12, 488}, {388, 488}};
    bool ok = draw(dir + "/main_panel.bmp", 1500, 820, 1701, main_screws, main_labels, switch_names);
    ok = draw(dir + "/subpanel.bmp", 400, 500, 2203, sub_screws, {}) && ok;
    return ok ? 0 : 1;
}
