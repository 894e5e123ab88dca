#include "image_compare.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace render_test {

namespace {

// Pixels may differ by up to this much per channel (filtering and font
// rasteriser changes); at most this share of them may exceed it.
constexpr int PER_PIXEL = 24;
constexpr double SHARE_OVER = 0.002;
constexpr double MEAN = 1.5;

std::uint32_t pixel(cairo_surface_t* s, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(s);
    return reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * cairo_image_surface_get_stride(s))[x];
}

}  // namespace

Difference compare(cairo_surface_t* actual, cairo_surface_t* expected, int tolerance, const std::string& diff_path) {
    Difference d;
    const int w = cairo_image_surface_get_width(actual), h = cairo_image_surface_get_height(actual);
    if (w != cairo_image_surface_get_width(expected) || h != cairo_image_surface_get_height(expected)) {
        d.same_size = false;
        return d;
    }
    cairo_surface_flush(actual);
    cairo_surface_flush(expected);
    cairo_surface_t* diff = diff_path.empty() ? nullptr : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    double total = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::uint32_t a = pixel(actual, x, y), e = pixel(expected, x, y);
            int worst = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const int c = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((e >> shift) & 0xFF));
                total += c;
                worst = std::max(worst, c);
            }
            d.largest = std::max(d.largest, worst);
            if (worst > tolerance) ++d.pixels_over;
            if (diff != nullptr) {
                // Grey copy of the expected image, red over the tolerance.
                const std::uint32_t g = ((e >> 16 & 0xFF) + (e >> 8 & 0xFF) + (e & 0xFF)) / 6;
                const std::uint32_t out = worst > tolerance ? 0xFFFF0000u
                                          : worst > 0       ? 0xFF000000u | ((g + 60) << 16) | ((g + 60) << 8) | g
                                                            : 0xFF000000u | (g << 16) | (g << 8) | g;
                reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(diff) +
                                                 static_cast<std::size_t>(y) * cairo_image_surface_get_stride(diff))[x] = out;
            }
        }
    }
    d.mean = total / (4.0 * w * h);
    if (diff != nullptr) {
        cairo_surface_mark_dirty(diff);
        cairo_surface_write_to_png(diff, diff_path.c_str());
        cairo_surface_destroy(diff);
    }
    return d;
}

std::string check_golden(cairo_surface_t* actual, const std::string& name) {
    namespace fs = std::filesystem;
    const fs::path golden = fs::path(VANTOR_GOLDEN_DIR) / (name + ".png");
    if (std::getenv("VANTOR_UPDATE_GOLDENS") != nullptr) {
        fs::create_directories(golden.parent_path());
        return cairo_surface_write_to_png(actual, golden.c_str()) == CAIRO_STATUS_SUCCESS ? "" : "cannot write " + golden.string();
    }
    cairo_surface_t* loaded = cairo_image_surface_create_from_png(golden.c_str());
    std::ostringstream why;
    // As ARGB32 whatever the file's colour type.
    cairo_surface_t* expected = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(loaded),
                                                           cairo_image_surface_get_height(loaded));
    if (cairo_surface_status(loaded) == CAIRO_STATUS_SUCCESS) {
        cairo_t* cr = cairo_create(expected);
        cairo_set_source_surface(cr, loaded, 0, 0);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    if (cairo_surface_status(loaded) != CAIRO_STATUS_SUCCESS) {
        why << "no golden image " << golden << " (run scripts/update-goldens.sh)";
    } else {
        fs::create_directories(VANTOR_DIFF_DIR);
        const fs::path diff = fs::path(VANTOR_DIFF_DIR) / (name + ".diff.png");
        const fs::path now = fs::path(VANTOR_DIFF_DIR) / (name + ".actual.png");
        Difference d = compare(actual, expected, PER_PIXEL, diff.string());
        const long pixels = static_cast<long>(cairo_image_surface_get_width(actual)) * cairo_image_surface_get_height(actual);
        if (!d.same_size) {
            why << name << ": size differs from " << golden;
        } else if (d.pixels_over > SHARE_OVER * pixels || d.mean > MEAN) {
            why << name << ": " << d.pixels_over << " of " << pixels << " pixels differ by more than " << PER_PIXEL
                << " (largest " << d.largest << ", mean " << d.mean << "); see " << diff << " and " << now;
        }
        if (!why.str().empty()) cairo_surface_write_to_png(actual, now.c_str());
        else fs::remove(diff);
    }
    cairo_surface_destroy(expected);
    cairo_surface_destroy(loaded);
    return why.str();
}

}  // namespace render_test
