// The art generator's shared interface: what a bitmap is, where its drawing
// function is registered, and what the drawing functions may read of the
// module's records.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/host_types.h"

namespace artgen {

// One row of resources/bitmaps.tsv.
struct BitmapInfo {
    std::uint32_t id = 0;
    int width = 0;
    int height = 0;
    int depth = 24;            // 8 or 24 bits per pixel in the resource
    std::string kind;          // static, needle, icon, moving, moving_window, sprite, sprite_window, slider, face
    std::string gauge;         // registered gauge name(s), comma-separated
    std::string role;          // background, needle, cover, icon N of M, window of ID, ...
    std::string what_it_shows; // what the bitmap must show
    int icon_index = -1;       // for icon bitmaps: index within its icon element
    int icon_count = 0;
};

// Read-only view of the loaded native module's records, so faces take their
// marks from the same calibration tables the host turns the needles by.
class ModuleView {
public:
    virtual ~ModuleView() = default;
    // The gauge whose background bitmap is `bitmap_id`, or null.
    virtual const GAUGEHDR* gauge_with_background(std::uint32_t bitmap_id) const = 0;
    // Every needle drawn over the given gauge, in tree order.
    virtual std::vector<const ELEMENT_NEEDLE*> needles_of(const GAUGEHDR* gauge) const = 0;
    // Every element of the gauge, in tree order (background first).
    virtual std::vector<const ELEMENT_HEADER*> elements_of(const GAUGEHDR* gauge) const = 0;
};

// Draws one bitmap onto a cleared ARGB32 surface of its size. Pure black
// (0,0,0) is the transparent colour of overlays: draw dark parts near-black.
using DrawFunction = void (*)(cairo_t* cr, const BitmapInfo& bitmap, const ModuleView& module);

struct Drawing {
    std::uint32_t first_id;
    std::uint32_t last_id;  // inclusive
    DrawFunction draw;
};

// Drawing functions register themselves at static initialisation time, one
// registration per range of ids: ARTGEN_DRAWING(first, last, function).
void register_drawing(Drawing drawing);
const Drawing* find_drawing(std::uint32_t id);

struct DrawingRegistration {
    DrawingRegistration(std::uint32_t first, std::uint32_t last, DrawFunction draw) {
        register_drawing({first, last, draw});
    }
};

#define ARTGEN_CONCAT_(a, b) a##b
#define ARTGEN_CONCAT(a, b) ARTGEN_CONCAT_(a, b)
#define ARTGEN_DRAWING(first, last, function) \
    static ::artgen::DrawingRegistration ARTGEN_CONCAT(artgen_drawing_, __LINE__)(first, last, function)

}  // namespace artgen
