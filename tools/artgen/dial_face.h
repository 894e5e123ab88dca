// Round dial faces whose scale comes from a needle's calibration table.
#pragma once

#include <vector>

#include "tools/artgen/paint.h"

namespace artgen::dial {

// A run of the scale with regular ticks, in display units.
struct Band {
    double from, to, minor, major;
};

struct Arc {
    double from, to;  // display units
    paint::Rgb colour;
};

struct Label {
    double value;      // display units
    const char* text;  // null: the number, divided by label_divisor
};

struct FaceLayout {
    std::uint32_t face_id;
    std::uint32_t needle_id;   // the needle whose table lays out the scale
    const char* title;
    const char* title2;        // second title line or null
    const char* unit;
    double k = 1, c = 0;       // display = raw * k + c
    std::vector<Band> bands;
    std::vector<Label> labels; // always labelled (calibration marks are added too)
    double label_step = 0;     // regular labels every step within the bands (0: none)
    double label_divisor = 1;
    std::vector<Arc> arcs;
    double title_dy = 0.36;    // title centre below the face centre, in face radii
    bool label_points = true;  // label the calibration points in range
    bool abs_labels = false;   // label magnitudes (up and down scales)
    double title_dx = 0;       // title centre right of the face centre, in face radii
    double label_scale = 1;    // numbers smaller than usual on crowded scales
};

// Draws face and scale (background bitmap) or the plain scale arc when the
// module has no needle with a table on this face yet.
void draw_face(cairo_t* cr, const BitmapInfo& b, const ModuleView& module, const FaceLayout& layout);
// The glass and bezel overlay of the same size.
void draw_cover(cairo_t* cr, const BitmapInfo& b);
// Panel, bezel and the empty black face of a round instrument; returns the face radius.
double case_and_face(cairo_t* cr, const BitmapInfo& b);

}  // namespace artgen::dial
