// Drawing helpers shared by the drawing functions: colours, panel paint,
// bezels, screws, knobs, levers, lamps, lettering and dial scales.
#pragma once

#include <cairo.h>

#include <vector>

#include "tools/artgen/art.h"

namespace artgen::paint {

constexpr double PI = 3.14159265358979323846;
inline double rad(double degrees) { return degrees * PI / 180.0; }

struct Rgb {
    double r, g, b;
};

// Panel palette. Nothing visible is pure black: the key colour is (0,0,0).
constexpr Rgb PANEL{0.09, 0.09, 0.095};      // crinkle-painted panel
constexpr Rgb FACE{0.078, 0.078, 0.078};     // dial face, #141414
constexpr Rgb INK{0.93, 0.93, 0.90};         // white markings
constexpr Rgb CREAM{0.94, 0.91, 0.80};       // needles
constexpr Rgb DIM{0.62, 0.62, 0.60};         // secondary lettering
constexpr Rgb RED{0.80, 0.12, 0.10};
constexpr Rgb AMBER{1.0, 0.66, 0.10};
constexpr Rgb GREEN{0.20, 0.78, 0.25};
constexpr Rgb YELLOW{0.95, 0.85, 0.15};
constexpr Rgb CHROME{0.78, 0.79, 0.80};
constexpr Rgb BAKELITE{0.12, 0.11, 0.10};
constexpr Rgb SKY{0.22, 0.50, 0.78};
constexpr Rgb EARTH{0.45, 0.29, 0.14};

void set(cairo_t* cr, Rgb c, double alpha = 1.0);
Rgb mix(Rgb a, Rgb b, double t);

// Opaque crinkle paint over the rectangle, deterministic per seed.
void panel(cairo_t* cr, double x, double y, double w, double h, unsigned seed = 1);
// Panel paint over the whole surface.
void panel_fill(cairo_t* cr, const BitmapInfo& b);

// Round instrument case: black bezel ring of outer radius r and width `rim`.
void bezel(cairo_t* cr, double cx, double cy, double r, double rim);
// Screw head with a slot at `angle` degrees.
void screw(cairo_t* cr, double x, double y, double r, double angle = 30);
// Four mounting screws in the corners of a square instrument case.
void corner_screws(cairo_t* cr, double w, double h, double inset, double r);

// Text drawing with the toy API. `size` in pixels (cap height roughly 0.72 size).
enum class Font { Sans, SansBold, Condensed, CondensedBold, Serif };
void font(cairo_t* cr, Font f, double size);
void text_centered(cairo_t* cr, double x, double y, const char* text, double size, Rgb c,
                   Font f = Font::SansBold);
// Text centred at (x, y) and turned by `angle` degrees (clockwise).
void text_rotated(cairo_t* cr, double x, double y, double angle, const char* text, double size, Rgb c,
                  Font f = Font::SansBold);
// Text along a circle of radius r about (cx, cy), centred on angle (degrees clockwise from +x).
void text_arc(cairo_t* cr, double cx, double cy, double r, double angle, const char* text, double size, Rgb c,
              Font f = Font::SansBold);

// Radial tick from r0 to r1 at `angle` degrees (clockwise from +x).
void tick(cairo_t* cr, double cx, double cy, double angle, double r0, double r1, double width, Rgb c);

// Knurled round knob seen from above, with an index line along +x rotated by `angle`.
void knurled_knob(cairo_t* cr, double cx, double cy, double r, double angle = 0, Rgb body = BAKELITE,
                  bool index = true);
// Chrome toggle lever seen from the front: base nut at (bx, by), ball tip at (tx, ty).
void toggle_lever(cairo_t* cr, double bx, double by, double tx, double ty, double width);
// Round lamp lens: level 0 = unlit, 1 = lit, above 1 brighter.
void lamp(cairo_t* cr, double cx, double cy, double r, Rgb colour, double level, bool bezel_ring = true);
// Engraved rectangular plate.
void plate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb c = Rgb{0.13, 0.13, 0.13});
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);

// Glass reflection: a faint highlight inside the circle, for covers.
void glass_glint(cairo_t* cr, double cx, double cy, double r);

// A needle's calibration as a dial scale: angles (degrees clockwise from +x,
// screen coordinates) at which the needle points for each value, with the
// same interpolation the host uses: from one point to the next the needle
// sweeps clockwise; beyond the ends it turns on at the nearest pair's rate.
class Scale {
public:
    struct Point {
        double value;
        double angle;  // unwrapped: increases along the table
        double radius; // distance of the calibration point from the pivot
    };
    Scale() = default;
    Scale(const NONLINEARITY* points, unsigned count, PIXPOINT pivot);
    bool empty() const { return points_.size() < 2; }
    const std::vector<Point>& points() const { return points_; }
    // Angle for a value, or false when no segment defines it.
    bool angle_of(double value, double& angle) const;
    // Angle with extrapolation beyond the ends (for hands that turn on).
    double angle_extrapolated(double value) const;
    // True when the point is a stop: same position as a neighbour.
    bool is_stop(std::size_t i) const;
    double mean_radius() const;

private:
    std::vector<Point> points_;
};

// The needle of `gauge` drawn from `needle_bitmap`, or null.
const ELEMENT_NEEDLE* find_needle(const ModuleView& module, std::uint32_t background_id,
                                  std::uint32_t needle_bitmap);

}  // namespace artgen::paint
