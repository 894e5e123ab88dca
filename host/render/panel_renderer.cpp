#include "host/render/panel_renderer.h"

#include <algorithm>
#include <cmath>

#include "host/host_error.h"

namespace host::render {

namespace {

constexpr int TITLE_HEIGHT = 26;
constexpr int MARGIN = 12;
constexpr double TOOLTIP_FONT_SIZE = 13.0;
constexpr long long MAX_PICTURE_PIXELS = 32767;  // Cairo's largest image surface

void set_font(cairo_t* cr, FontBook& fonts, const char* face, unsigned weight, double size) {
    use_font(cr, fonts.resolve(face, weight));
    cairo_set_font_size(cr, size);
}

}  // namespace

PanelRenderer::PanelRenderer(Panel& panel, BitmapStore& bitmaps, FontBook& fonts, std::string background_folder)
    : panel_(panel), bitmaps_(bitmaps), fonts_(fonts), background_folder_(std::move(background_folder)) {
    views_.resize(panel.windows().size());
    for (std::size_t i = 0; i < panel.gauges().size(); ++i) {
        gauges_.push_back(std::make_unique<GaugeRenderer>(bitmaps, fonts));
    }
}

std::optional<GaugeSize> PanelRenderer::size(const PlacedGauge& gauge) {
    if (gauge.header == nullptr || gauge.header->elements == nullptr || gauge.header->elements[0] == nullptr) {
        return std::nullopt;
    }
    cairo_surface_t* background = bitmaps_.get(gauge.header->elements[0]->bitmap_id, false);
    int w = 0, h = 0;
    if (background != nullptr) {
        w = cairo_image_surface_get_width(background);
        h = cairo_image_surface_get_height(background);
    } else if (gauge.size) {
        w = gauge.size->width;
        h = gauge.size->height;
    } else {
        return std::nullopt;
    }
    return gauge_size(w, h, gauge.placement.width, gauge.placement.height);
}

Rect PanelRenderer::rect(const PlacedGauge& gauge) {
    auto s = size(gauge);
    if (!s) return {gauge.placement.x, gauge.placement.y, 0, 0};
    return {gauge.placement.x, gauge.placement.y, s->width, s->height};
}

std::pair<int, int> PanelRenderer::window_size(int window) {
    WindowView& view = views_[static_cast<std::size_t>(window)];
    if (view.size) return *view.size;
    const WindowConfig& config = panel_.windows()[static_cast<std::size_t>(window)].config;
    if (!view.source_read) {
        view.source_read = true;
        if (!config.background.empty()) {
            const std::string path = background_folder_ + "/" + config.background;
            std::string why;
            view.source = read_bmp(path, false, &why);
            if (!view.source) {
                warnings_.push_back("[" + config.section + "] (line " + std::to_string(config.line) + "): file=" +
                                    config.background + ": " + why + "; the window is drawn plain grey");
            }
        }
    }
    std::optional<WindowConfig::Pixels> background;
    if (view.source) {
        background = WindowConfig::Pixels{cairo_image_surface_get_width(view.source.get()),
                                          cairo_image_surface_get_height(view.source.get())};
    }
    int w = 0, h = 0;
    if (const auto configured = config.pixel_size(background)) {
        w = configured->width;
        h = configured->height;
    } else {
        // Neither size nor background: just wide enough for the gauges (and
        // at least as wide as size_mm).
        if (config.size_mm_x && *config.size_mm_x > 0) w = *config.size_mm_x;
        for (const auto& g : panel_.gauges()) {
            if (g->window != window) continue;
            Rect r = rect(*g);
            w = std::max(w, r.x + r.width);
            h = std::max(h, r.y + r.height);
        }
        w = std::clamp(w, 1, MAX_WINDOW_PIXELS);
        h = std::clamp(h, 1, MAX_WINDOW_PIXELS);
    }
    view.size = std::make_pair(w, h);
    return *view.size;
}

std::string PanelRenderer::title(int window) const {
    const auto& config = panel_.windows()[static_cast<std::size_t>(window)].config;
    if (!config.title.empty()) return config.title;
    if (static_cast<std::size_t>(window) < titles_.size() && !titles_[static_cast<std::size_t>(window)].empty()) {
        return titles_[static_cast<std::size_t>(window)];
    }
    return config.section;
}

cairo_surface_t* PanelRenderer::canvas(int window) const { return views_[static_cast<std::size_t>(window)].canvas.get(); }

void PanelRenderer::draw_backdrop(WindowView& view, int window, Light light) {
    auto [w, h] = window_size(window);
    view.backdrop.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_t* cr = cairo_create(view.backdrop.get());
    if (view.source) {
        Surface lit = lit_copy(view.source.get(), light);
        cairo_scale(cr, static_cast<double>(w) / cairo_image_surface_get_width(lit.get()),
                    static_cast<double>(h) / cairo_image_surface_get_height(lit.get()));
        cairo_set_source_surface(cr, lit.get(), 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    } else {
        cairo_set_source_rgb(cr, 0.17 * light.r, 0.18 * light.g, 0.19 * light.b);
    }
    cairo_paint(cr);
    cairo_destroy(cr);
    view.backdrop_light = light;
}

void PanelRenderer::lay(cairo_t* cr, int window, const std::optional<Rect>& clip) {
    WindowView& view = views_[static_cast<std::size_t>(window)];
    cairo_save(cr);
    if (clip) {
        cairo_rectangle(cr, clip->x, clip->y, clip->width, clip->height);
        cairo_clip(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, view.backdrop.get(), 0, 0);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    const auto& gauges = panel_.gauges();
    for (std::size_t i = 0; i < gauges.size(); ++i) {
        if (gauges[i]->window != window || gauges_[i]->frame() == nullptr) continue;
        Rect r = rect(*gauges[i]);
        if (clip && !clip->intersects(r)) continue;
        cairo_set_source_surface(cr, gauges_[i]->frame(), r.x, r.y);
        cairo_paint(cr);
    }
    cairo_restore(cr);
}

void PanelRenderer::invalidate() {
    for (auto& g : gauges_) g = std::make_unique<GaugeRenderer>(bitmaps_, fonts_);
    for (WindowView& v : views_) v.canvas.reset();
}

int PanelRenderer::render() {
    lighting_ = Lighting::from(panel_.simulation());
    const Light ambient = lighting_.ambient();
    const auto& gauges = panel_.gauges();
    int redrawn = 0;
    redrawn_.clear();
    for (std::size_t w = 0; w < views_.size(); ++w) {
        if (!panel_.windows()[w].visible) continue;
        WindowView& view = views_[w];
        const int window = static_cast<int>(w);
        auto [width, height] = window_size(window);
        bool whole = false;
        if (!view.backdrop || !(view.backdrop_light == ambient)) {
            draw_backdrop(view, window, ambient);
            whole = true;
        }
        if (!view.canvas) {
            view.canvas.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
            whole = true;
        }
        std::vector<Rect> dirty;
        for (std::size_t i = 0; i < gauges.size(); ++i) {
            const PlacedGauge& g = *gauges[i];
            if (g.window != window || g.evaluation.updates() == 0) continue;
            auto s = size(g);
            if (!s) continue;
            if (gauges_[i]->render(g.evaluation.elements(), *s, lighting_)) {
                ++redrawn;
                dirty.push_back(rect(g));
            }
        }
        cairo_t* cr = cairo_create(view.canvas.get());
        if (whole) {
            lay(cr, window, std::nullopt);
            redrawn_.push_back({window, {0, 0, width, height}});
        } else {
            for (const Rect& r : dirty) {
                lay(cr, window, r);
                redrawn_.push_back({window, r});
            }
        }
        cairo_destroy(cr);
    }
    gauges_redrawn_ += redrawn;
    return redrawn;
}

namespace {

struct TooltipText {
    std::string utf8;
    double width = 0;   // the box
    double height = 0;
    double ascent = 0;
};
constexpr double TOOLTIP_PAD = 4.0;

TooltipText measure_tooltip(cairo_t* cr, FontBook& fonts, const std::string& text) {
    TooltipText t;
    t.utf8 = cp1252_to_utf8(text);
    set_font(cr, fonts, "Arial", 400, TOOLTIP_FONT_SIZE);
    cairo_text_extents_t te;
    cairo_text_extents(cr, t.utf8.c_str(), &te);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    t.width = std::ceil(te.x_advance + 2 * TOOLTIP_PAD);
    t.height = std::ceil(fe.ascent + fe.descent + 2 * TOOLTIP_PAD);
    t.ascent = fe.ascent;
    return t;
}

// The box in the pale yellow of the host's tooltips, its top-left corner at
// whole pixels (bx, by).
void draw_tooltip_box(cairo_t* cr, const TooltipText& t, double bx, double by) {
    cairo_rectangle(cr, bx + 0.5, by + 0.5, t.width, t.height);
    cairo_set_source_rgb(cr, 1.0, 1.0, 0.88);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, bx + TOOLTIP_PAD, by + TOOLTIP_PAD + t.ascent);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_show_text(cr, t.utf8.c_str());
}

}  // namespace

void draw_tooltip(cairo_t* cr, FontBook& fonts, double x, double y, const std::string& text, double canvas_width) {
    cairo_save(cr);
    const TooltipText t = measure_tooltip(cr, fonts, text);
    double bx = std::min(x + 12.0, canvas_width - t.width - 2.0);
    bx = std::max(bx, 2.0);
    const double by = y + 20.0;
    // The pointer: a small arrow with its tip on the point.
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + 16);
    cairo_line_to(cr, x + 4.5, y + 12);
    cairo_line_to(cr, x + 11, y + 12);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    draw_tooltip_box(cr, t, std::floor(bx), std::floor(by));
    cairo_restore(cr);
}

Surface tooltip_box(FontBook& fonts, const std::string& text) {
    Surface probe(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1, 1));
    cairo_t* measure = cairo_create(probe.get());
    const TooltipText t = measure_tooltip(measure, fonts, text);
    cairo_destroy(measure);
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(t.width) + 2,
                                           static_cast<int>(t.height) + 2));
    cairo_t* cr = cairo_create(out.get());
    set_font(cr, fonts, "Arial", 400, TOOLTIP_FONT_SIZE);
    draw_tooltip_box(cr, t, 0, 0);
    cairo_destroy(cr);
    return out;
}

const PanelLayout::Place* PanelLayout::find(int window) const {
    for (const Place& p : places) {
        if (p.window == window) return &p;
    }
    return nullptr;
}

PanelLayout PanelRenderer::layout() {
    PanelLayout out;
    long long total_w = 2 * MARGIN, total_h = MARGIN;  // many windows may pass 32 bits
    long long row_x = MARGIN, row_h = 0;
    bool first = true;
    for (std::size_t w = 0; w < views_.size(); ++w) {
        if (!panel_.windows()[w].visible) continue;
        auto [width, height] = window_size(static_cast<int>(w));
        long long x = 0, y = 0;
        if (first) {
            x = MARGIN;
            y = MARGIN + TITLE_HEIGHT;
            total_w = std::max<long long>(total_w, width + 2 * MARGIN);
            total_h = MARGIN + TITLE_HEIGHT + height + MARGIN;
            first = false;
        } else {
            x = row_x;
            y = total_h + TITLE_HEIGHT;
            row_x += width + MARGIN;
            row_h = std::max<long long>(row_h, height);
            total_w = std::max(total_w, row_x);
        }
        if (x <= MAX_PICTURE_PIXELS && y <= MAX_PICTURE_PIXELS) {
            out.places.push_back({static_cast<int>(w), {static_cast<int>(x), static_cast<int>(y), width, height}});
        }
    }
    if (row_h > 0) total_h += TITLE_HEIGHT + row_h + MARGIN;
    if (total_w > MAX_PICTURE_PIXELS || total_h > MAX_PICTURE_PIXELS) {
        throw HostError("the open windows make a picture of " + std::to_string(total_w) + " x " +
                        std::to_string(total_h) + " pixels; at most " + std::to_string(MAX_PICTURE_PIXELS) +
                        " a side can be drawn");
    }
    out.width = static_cast<int>(std::max<long long>(total_w, 1));
    out.height = static_cast<int>(std::max<long long>(total_h, 1));
    return out;
}

std::optional<GaugeHit> PanelRenderer::gauge_at(const PanelLayout& layout, double x, double y) {
    const auto& gauges = panel_.gauges();
    for (std::size_t i = gauges.size(); i-- > 0;) {
        const PlacedGauge& g = *gauges[i];
        const PanelLayout::Place* place = layout.find(g.window);
        if (place == nullptr || !panel_.visible(g)) continue;
        const Rect r = rect(g);
        const double wx = x - place->canvas.x, wy = y - place->canvas.y;
        if (wx < 0 || wy < 0 || wx >= place->canvas.width || wy >= place->canvas.height) continue;
        if (wx >= r.x && wy >= r.y && wx < r.x + r.width && wy < r.y + r.height) {
            return GaugeHit{i, to_gauge(layout, g, x, y)};
        }
    }
    return std::nullopt;
}

PIXPOINT PanelRenderer::to_gauge(const PanelLayout& layout, const PlacedGauge& gauge, double x, double y) {
    const PanelLayout::Place* place = layout.find(gauge.window);
    const double ox = place != nullptr ? place->canvas.x : 0, oy = place != nullptr ? place->canvas.y : 0;
    const auto s = size(gauge);
    auto held = [](double v) {
        return static_cast<SINT32>(std::clamp(std::floor(v), static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX)));
    };
    return {held((x - ox - gauge.placement.x) / (s ? s->scale_x : 1.0)),
            held((y - oy - gauge.placement.y) / (s ? s->scale_y : 1.0))};
}

std::pair<double, double> PanelRenderer::from_gauge(const PanelLayout& layout, const PlacedGauge& gauge, double gx,
                                                    double gy) {
    const PanelLayout::Place* place = layout.find(gauge.window);
    const double ox = place != nullptr ? place->canvas.x : 0, oy = place != nullptr ? place->canvas.y : 0;
    const auto s = size(gauge);
    return {ox + gauge.placement.x + gx * (s ? s->scale_x : 1.0), oy + gauge.placement.y + gy * (s ? s->scale_y : 1.0)};
}

Surface PanelRenderer::compose(const std::optional<Hover>& hover, const std::vector<Caption>& captions) {
    const PanelLayout places = layout();
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, places.width, places.height));
    cairo_t* cr = cairo_create(out.get());
    cairo_set_source_rgb(cr, 0.11, 0.11, 0.12);
    cairo_paint(cr);
    set_font(cr, fonts_, "Arial", 700, 15.0);
    for (const PanelLayout::Place& p : places.places) {
        const int x = p.canvas.x, y = p.canvas.y;
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.82);
        cairo_move_to(cr, x + 2, y - 8);
        cairo_show_text(cr, cp1252_to_utf8(title(p.window)).c_str());
        if (cairo_surface_t* canvas = views_[static_cast<std::size_t>(p.window)].canvas.get()) {
            cairo_set_source_surface(cr, canvas, x, y);
            cairo_paint(cr);
        }
    }
    set_font(cr, fonts_, "Arial", 400, 12.0);
    for (const Caption& c : captions) {
        const PanelLayout::Place* p = places.find(c.window);
        if (p == nullptr) continue;
        const int x = p->canvas.x, y = p->canvas.y;
        cairo_text_extents_t te;
        cairo_text_extents(cr, c.text.c_str(), &te);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
        cairo_move_to(cr, x + c.below.x + (c.below.width - te.x_advance) / 2.0, y + c.below.y + c.below.height + 14);
        cairo_show_text(cr, c.text.c_str());
    }
    if (hover) {
        PlacedGauge* gauge = panel_.find(hover->gauge);
        if (gauge != nullptr && panel_.visible(*gauge) && places.find(gauge->window) != nullptr) {
            auto [px, py] = from_gauge(places, *gauge, hover->point.x, hover->point.y);
            if (auto text = panel_.tooltip_at(*gauge, hover->point)) {
                draw_tooltip(cr, fonts_, px, py, *text, places.width);
            }
        }
    }
    cairo_destroy(cr);
    return out;
}

}  // namespace host::render
