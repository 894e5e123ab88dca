// Image comparison with a tolerance, for golden images.
#pragma once

#include <cairo.h>

#include <string>

namespace render_test {

struct Difference {
    bool same_size = true;
    long pixels_over = 0;     // pixels whose largest channel difference exceeds the per-pixel tolerance
    double mean = 0.0;        // mean absolute channel difference, 0..255
    int largest = 0;
};

// Compares two ARGB32 images; with `diff_path` writes an image of the
// differences there (red where a pixel is over the tolerance).
Difference compare(cairo_surface_t* actual, cairo_surface_t* expected, int per_pixel_tolerance,
                   const std::string& diff_path = {});

// Goldens: compares `actual` with GOLDEN_DIR/name.png, or writes it there
// when VANTOR_UPDATE_GOLDENS is set. Returns an empty string when it
// matches, else what differs (the actual and diff images are written to
// DIFF_DIR).
std::string check_golden(cairo_surface_t* actual, const std::string& name);

}  // namespace render_test
