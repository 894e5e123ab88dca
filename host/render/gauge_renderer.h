// Draws one gauge from its evaluated element states into a surface of the
// size the panel gives it.
//
// Only what changed is redrawn: the renderer keeps a base surface holding the
// elements below the first one whose drawing state changed, and a frame
// surface (the base plus the elements from there up). A frame in which
// nothing changed costs a comparison; one in which only a needle near the top
// of the tree moves costs a copy of the base and the elements from that
// needle up. See docs/rendering.md.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/evaluator.h"
#include "host/render/bitmap_store.h"
#include "host/render/fonts.h"
#include "host/render/lighting.h"

namespace host::render {

// What an element looks like on a frame; two equal keys draw the same pixels.
struct DrawKey {
    std::uint32_t kind = 0;
    std::uint32_t bitmap = 0;
    std::uint32_t flags = 0;
    bool drawn = false;
    int icon = -1;
    double angle = 0.0;
    double shift_x = 0.0;
    double shift_y = 0.0;
    Light light;
    std::string text;        // strings: text, font, colours and box
    std::uint32_t colours[2] = {};
    friend bool operator==(const DrawKey&, const DrawKey&) = default;
};

DrawKey draw_key(const ElementState& state, const Lighting& lighting);

struct GaugeSize {
    int width = 0;   // on the window
    int height = 0;
    double scale_x = 1.0;  // window pixels per gauge-bitmap pixel
    double scale_y = 1.0;
};

class GaugeRenderer {
public:
    GaugeRenderer(BitmapStore& bitmaps, FontBook& fonts) : bitmaps_(bitmaps), fonts_(fonts) {}

    // Brings the frame up to date; true when its pixels changed.
    bool render(const std::vector<ElementState>& states, const GaugeSize& size, const Lighting& lighting);
    cairo_surface_t* frame() const { return frame_.get(); }
    const GaugeSize& size() const { return size_; }

    // Drawing work done so far, for tests and benchmarks.
    long elements_drawn() const { return elements_drawn_; }
    long base_rebuilds() const { return base_rebuilds_; }
    std::size_t base_count() const { return base_count_; }

    // Draws one element onto a context in window pixels (the gauge's frame).
    void draw_element(cairo_t* cr, const ElementState& state, const DrawKey& key);

private:
    void draw_range(cairo_surface_t* target, const std::vector<ElementState>& states,
                    const std::vector<DrawKey>& keys, std::size_t from, std::size_t to);
    void draw_prescaled(cairo_t* cr, const ElementState& state, const DrawKey& key);
    // In gauge-bitmap pixels, on a context scaled to them.
    void draw_native(cairo_t* cr, const ElementState& state, const DrawKey& key);
    void draw_string(cairo_t* cr, const ElementState& state, const DrawKey& key);

    BitmapStore& bitmaps_;
    FontBook& fonts_;
    GaugeSize size_;
    Surface base_;
    Surface frame_;
    std::size_t base_count_ = 0;
    std::vector<DrawKey> keys_;
    long elements_drawn_ = 0;
    long base_rebuilds_ = 0;
};

// A window-space size for a gauge: the placed width and height, the height
// following the bitmap's proportions when only the width is given, the
// bitmap's own size when neither is.
GaugeSize gauge_size(int bitmap_width, int bitmap_height, std::optional<int> width, std::optional<int> height);

}  // namespace host::render
