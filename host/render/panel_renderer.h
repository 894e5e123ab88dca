// Draws a loaded panel: each visible window from its background and its
// placed gauges, and all of them in one picture with their titles.
//
// Each window keeps its canvas between frames. A gauge whose frame did not
// change is not touched; for one that did, its rectangle is restored from
// the window's background and every gauge overlapping it is laid again, in
// panel.cfg order. A change of light redraws the whole window.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/panel.h"
#include "host/render/bitmap_store.h"
#include "host/render/fonts.h"
#include "host/render/gauge_renderer.h"
#include "host/render/lighting.h"

namespace host::render {

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool intersects(const Rect& o) const {
        return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
};

// A pointer resting on a gauge: the tooltip shown there.
struct Hover {
    std::string gauge;
    PIXPOINT point{};  // gauge-bitmap pixels
};

// A text drawn under a gauge (the gallery's names).
struct Caption {
    int window = 0;
    Rect below;
    std::string text;
};

class PanelRenderer {
public:
    // `background_folder`: where the windows' file= bitmaps are (the
    // panel.cfg's folder).
    PanelRenderer(Panel& panel, BitmapStore& bitmaps, FontBook& fonts, std::string background_folder);

    // Brings every visible window's canvas up to date with the gauges' last
    // evaluation; returns how many gauges were redrawn.
    int render();
    // Forgets every cached gauge and canvas: the next render draws all.
    void invalidate();

    // Window-space rectangle of a placed gauge, and its size.
    Rect rect(const PlacedGauge& gauge);
    std::optional<GaugeSize> size(const PlacedGauge& gauge);
    cairo_surface_t* canvas(int window) const;
    std::pair<int, int> window_size(int window);
    // A window's title: its window_title=, else the [Window Titles] entry in
    // the same place, else its section name.
    std::string title(int window) const;
    void set_titles(std::vector<std::string> titles) { titles_ = std::move(titles); }

    // Every visible window in one picture: the first visible window on top,
    // the others side by side below it, each under its title; a tooltip
    // drawn where the pointer rests, and captions.
    Surface compose(const std::optional<Hover>& hover = std::nullopt, const std::vector<Caption>& captions = {});

    // The renderer of panel.gauges()[index].
    const GaugeRenderer& gauge(std::size_t index) const { return *gauges_[index]; }
    const Lighting& lighting() const { return lighting_; }
    long gauges_redrawn() const { return gauges_redrawn_; }
    // What could not be drawn as configured (a window background that
    // cannot be read), one message each.
    const std::vector<std::string>& warnings() const { return warnings_; }

private:
    struct WindowView {
        Surface canvas;
        Surface source;    // the window's file= bitmap as read
        bool source_read = false;
        Surface backdrop;  // the background at window size under the current light
        Light backdrop_light;
        std::optional<std::pair<int, int>> size;
    };
    void draw_backdrop(WindowView& view, int window, Light light);
    void lay(cairo_t* cr, int window, const std::optional<Rect>& clip);

    Panel& panel_;
    BitmapStore& bitmaps_;
    FontBook& fonts_;
    std::string background_folder_;
    Lighting lighting_;
    std::vector<std::string> titles_;
    std::vector<WindowView> views_;
    std::vector<std::unique_ptr<GaugeRenderer>> gauges_;  // by index in panel.gauges()
    long gauges_redrawn_ = 0;
    std::vector<std::string> warnings_;
};

// Draws a tooltip box with the text (Windows-1252) pointing at (x, y).
void draw_tooltip(cairo_t* cr, FontBook& fonts, double x, double y, const std::string& text, double canvas_width);

}  // namespace host::render
