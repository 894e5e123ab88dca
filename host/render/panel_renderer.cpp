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
    int w = 0, h = 0;
    if (view.source) {
        w = cairo_image_surface_get_width(view.source.get());
        h = cairo_image_surface_get_height(view.source.get());
    }
    if (config.size_mm_x && *config.size_mm_x > 0) {
        const int x = *config.size_mm_x;
        h = config.size_mm_y && *config.size_mm_y > 0
                ? *config.size_mm_y
                : (w > 0 ? static_cast<int>(std::min<long long>(static_cast<long long>(h) * x / w, MAX_WINDOW_PIXELS))
                         : 0);
        w = x;
    }
    if (w <= 0 || h <= 0) {
        // Neither size nor background: just wide enough for the gauges.
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
        } else {
            for (const Rect& r : dirty) lay(cr, window, r);
        }
        cairo_destroy(cr);
    }
    gauges_redrawn_ += redrawn;
    return redrawn;
}

void draw_tooltip(cairo_t* cr, FontBook& fonts, double x, double y, const std::string& text, double canvas_width) {
    const std::string utf8 = cp1252_to_utf8(text);
    cairo_save(cr);
    set_font(cr, fonts, "Arial", 400, TOOLTIP_FONT_SIZE);
    cairo_text_extents_t te;
    cairo_text_extents(cr, utf8.c_str(), &te);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    const double pad = 4.0;
    const double bw = te.x_advance + 2 * pad;
    const double bh = fe.ascent + fe.descent + 2 * pad;
    double bx = std::min(x + 12.0, canvas_width - bw - 2.0);
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
    // The box, in the pale yellow of the host's tooltips.
    cairo_rectangle(cr, std::floor(bx) + 0.5, std::floor(by) + 0.5, std::ceil(bw), std::ceil(bh));
    cairo_set_source_rgb(cr, 1.0, 1.0, 0.88);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_stroke(cr);
    cairo_move_to(cr, std::floor(bx) + pad, std::floor(by) + pad + fe.ascent);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_show_text(cr, utf8.c_str());
    cairo_restore(cr);
}

Surface PanelRenderer::compose(const std::optional<Hover>& hover, const std::vector<Caption>& captions) {
    std::vector<int> shown;
    for (std::size_t w = 0; w < views_.size(); ++w) {
        if (panel_.windows()[w].visible && views_[w].canvas) shown.push_back(static_cast<int>(w));
    }
    // Where each window goes: the first on top, the others in a row below.
    std::vector<std::pair<int, int>> at(views_.size());
    long long total_w = 2 * MARGIN, total_h = MARGIN;  // many windows may pass 32 bits
    long long row_x = MARGIN, row_h = 0;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        auto [w, h] = window_size(shown[k]);
        if (k == 0) {
            at[static_cast<std::size_t>(shown[k])] = {MARGIN, MARGIN + TITLE_HEIGHT};
            total_w = std::max<long long>(total_w, w + 2 * MARGIN);
            total_h = MARGIN + TITLE_HEIGHT + h + MARGIN;
        } else {
            // Positions past 32 bits are never used: such a picture is refused below.
            at[static_cast<std::size_t>(shown[k])] = {static_cast<int>(row_x), static_cast<int>(total_h + TITLE_HEIGHT)};
            row_x += w + MARGIN;
            row_h = std::max<long long>(row_h, h);
            total_w = std::max(total_w, row_x);
        }
    }
    if (row_h > 0) total_h += TITLE_HEIGHT + row_h + MARGIN;
    if (total_w > MAX_PICTURE_PIXELS || total_h > MAX_PICTURE_PIXELS) {
        throw HostError("the open windows make a picture of " + std::to_string(total_w) + " x " +
                        std::to_string(total_h) + " pixels; at most " + std::to_string(MAX_PICTURE_PIXELS) +
                        " a side can be drawn");
    }

    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, static_cast<int>(std::max<long long>(total_w, 1)),
                                           static_cast<int>(std::max<long long>(total_h, 1))));
    cairo_t* cr = cairo_create(out.get());
    cairo_set_source_rgb(cr, 0.11, 0.11, 0.12);
    cairo_paint(cr);
    set_font(cr, fonts_, "Arial", 700, 15.0);
    for (int w : shown) {
        auto [x, y] = at[static_cast<std::size_t>(w)];
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.82);
        cairo_move_to(cr, x + 2, y - 8);
        cairo_show_text(cr, cp1252_to_utf8(title(w)).c_str());
        cairo_set_source_surface(cr, views_[static_cast<std::size_t>(w)].canvas.get(), x, y);
        cairo_paint(cr);
    }
    set_font(cr, fonts_, "Arial", 400, 12.0);
    for (const Caption& c : captions) {
        if (c.window < 0 || static_cast<std::size_t>(c.window) >= views_.size() || !views_[c.window].canvas) continue;
        auto [x, y] = at[static_cast<std::size_t>(c.window)];
        cairo_text_extents_t te;
        cairo_text_extents(cr, c.text.c_str(), &te);
        cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
        cairo_move_to(cr, x + c.below.x + (c.below.width - te.x_advance) / 2.0, y + c.below.y + c.below.height + 14);
        cairo_show_text(cr, c.text.c_str());
    }
    if (hover) {
        PlacedGauge* gauge = panel_.find(hover->gauge);
        if (gauge != nullptr && panel_.visible(*gauge) && views_[static_cast<std::size_t>(gauge->window)].canvas) {
            auto s = size(*gauge);
            auto [x, y] = at[static_cast<std::size_t>(gauge->window)];
            const double px = x + gauge->placement.x + hover->point.x * (s ? s->scale_x : 1.0);
            const double py = y + gauge->placement.y + hover->point.y * (s ? s->scale_y : 1.0);
            if (auto text = panel_.tooltip_at(*gauge, hover->point)) {
                draw_tooltip(cr, fonts_, px, py, *text, total_w);
            }
        }
    }
    cairo_destroy(cr);
    return out;
}

}  // namespace host::render
