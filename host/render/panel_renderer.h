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
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A pointer resting on a gauge: the tooltip shown there.
struct Hover {
    std::string gauge;
    PIXPOINT point{};  // gauge-bitmap pixels
};

// Where the visible windows lie in the one picture `compose` draws: the
// first on top, the others side by side below it, each under its title.
struct PanelLayout {
    struct Place {
        int window = 0;  // index into Panel::windows()
        Rect canvas;     // the window's pixels in the picture
        friend bool operator==(const Place&, const Place&) = default;
    };
    int width = 1;
    int height = 1;
    std::vector<Place> places;  // in the order drawn
    const Place* find(int window) const;
    friend bool operator==(const PanelLayout&, const PanelLayout&) = default;
};

// A point of the picture on a placed gauge.
struct GaugeHit {
    std::size_t gauge = 0;  // index into Panel::gauges()
    PIXPOINT point{};       // gauge-bitmap pixels
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

    // Where compose puts each visible window; throws HostError when the
    // picture would pass Cairo's largest (32767 pixels a side).
    PanelLayout layout();
    // The gauge under a point of the picture: of the gauges on a visible
    // window whose rectangle holds it, the one drawn last (on top).
    std::optional<GaugeHit> gauge_at(const PanelLayout& layout, double x, double y);
    // A point of the picture in a gauge's bitmap pixels (rounded down), also
    // outside the gauge (drags), held within 32 bits.
    PIXPOINT to_gauge(const PanelLayout& layout, const PlacedGauge& gauge, double x, double y);
    // A point of a gauge's bitmap in the picture (its window must be placed).
    std::pair<double, double> from_gauge(const PanelLayout& layout, const PlacedGauge& gauge, double gx, double gy);
    // The rectangles of the windows' canvases laid again by the last render,
    // in window pixels (a whole window when it was drawn whole).
    struct Redrawn {
        int window;
        Rect rect;
    };
    const std::vector<Redrawn>& redrawn() const { return redrawn_; }

    // Every visible window in one picture (as `layout` places them), each
    // under its title; a tooltip drawn where the pointer rests, and captions.
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
    std::vector<Redrawn> redrawn_;
    std::vector<std::string> warnings_;
};

// Draws a tooltip box with the text (Windows-1252) pointing at (x, y).
void draw_tooltip(cairo_t* cr, FontBook& fonts, double x, double y, const std::string& text, double canvas_width);
// The same box alone, on a surface of its size (the viewer puts it beside
// the pointer).
Surface tooltip_box(FontBook& fonts, const std::string& text);

}  // namespace host::render
