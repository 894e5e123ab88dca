#include "host/render/gauge_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace host::render {

namespace {

constexpr double DEGREES = std::numbers::pi / 180.0;

bool keyed(std::uint32_t flags) { return (flags & (IMAGE_TRANSPARENT | IMAGE_COLOR_KEYED)) != 0; }

void set_colour(cairo_t* cr, std::uint32_t bgr, Light light) {
    double c[3] = {(bgr & 0xFF) / 255.0, ((bgr >> 8) & 0xFF) / 255.0, ((bgr >> 16) & 0xFF) / 255.0};
    const double grey = 0.30 * c[0] + 0.59 * c[1] + 0.11 * c[2];
    for (double& v : c) v = grey + light.saturation * (v - grey);
    cairo_set_source_rgb(cr, std::clamp(c[0] * light.r, 0.0, 1.0), std::clamp(c[1] * light.g, 0.0, 1.0),
                         std::clamp(c[2] * light.b, 0.0, 1.0));
}

void clear(cairo_surface_t* surface) {
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_destroy(cr);
}

void copy(cairo_surface_t* from, cairo_surface_t* to) {
    cairo_t* cr = cairo_create(to);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, from, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
}

// A sprite's image as a pattern on the gauge, `sx`, `sy` window pixels per
// gauge pixel (the image already resampled by them; `width` and `height` are
// its size in gauge pixels). The image's centre lies on the pivot, which is
// the element's offset read as a point of the gauge's background; it is
// scaled by the texture scale, shifted along its own turned axes and turned
// counter-clockwise about the pivot. Beyond its edges the image goes on with
// its edge pixels, so a ball shifted far still fills its window.
cairo_pattern_t* sprite_pattern(const ElementState& s, cairo_surface_t* image, int width, int height, double sx,
                                double sy) {
    const auto& e = *reinterpret_cast<const ELEMENT_SPRITE*>(s.element);
    const double tx = e.texture_scale_x > 0 ? e.texture_scale_x : 1.0;
    const double ty = e.texture_scale_y > 0 ? e.texture_scale_y : 1.0;
    cairo_matrix_t m;
    cairo_matrix_init_translate(&m, s.element->offset.x * sx, s.element->offset.y * sy);
    cairo_matrix_rotate(&m, -s.angle * DEGREES);
    cairo_matrix_translate(&m, s.shift_x * sx, s.shift_y * sy);
    cairo_matrix_scale(&m, tx, ty);
    cairo_matrix_translate(&m, -width * sx / 2.0, -height * sy / 2.0);
    cairo_matrix_invert(&m);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(image);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    return pattern;
}

}  // namespace

GaugeSize gauge_size(int bitmap_width, int bitmap_height, std::optional<int> width, std::optional<int> height) {
    GaugeSize s;
    bitmap_width = std::max(1, bitmap_width);
    bitmap_height = std::max(1, bitmap_height);
    s.width = width && *width > 0 ? *width : bitmap_width;
    if (height && *height > 0) s.height = *height;
    else s.height = std::max(1, static_cast<int>(std::lround(static_cast<double>(bitmap_height) * s.width / bitmap_width)));
    s.scale_x = static_cast<double>(s.width) / bitmap_width;
    s.scale_y = static_cast<double>(s.height) / bitmap_height;
    return s;
}

DrawKey draw_key(const ElementState& state, const Lighting& lighting) {
    DrawKey k;
    k.kind = state.kind;
    k.bitmap = state.bitmap_id;
    k.flags = state.image_flags;
    k.drawn = state.drawn;
    k.light = lighting.element(state.image_flags, state.kind);
    if (!state.drawn) return k;
    switch (state.kind) {
    case ELEMENT_TYPE_NEEDLE: k.angle = state.angle; break;
    case ELEMENT_TYPE_ICON: k.icon = state.icon; break;
    case ELEMENT_TYPE_SLIDER:
    case ELEMENT_TYPE_MOVING_IMAGE: k.shift_x = state.shift_x; k.shift_y = state.shift_y; break;
    case ELEMENT_TYPE_SPRITE:
        k.angle = state.angle;
        k.shift_x = state.shift_x;
        k.shift_y = state.shift_y;
        break;
    case ELEMENT_TYPE_STRING: {
        const auto& e = *reinterpret_cast<const ELEMENT_STRING*>(state.element);
        k.text = state.text;
        k.text += '\0';
        k.text.append(e.font_face, strnlen(e.font_face, FONT_FACE_BYTES));
        k.text += '\0';
        k.text += std::to_string(e.font_weight) + "," + std::to_string(e.box_width) + "," + std::to_string(e.box_height);
        k.colours[0] = e.text_color;
        k.colours[1] = e.background_color;
        break;
    }
    default: break;
    }
    return k;
}

bool GaugeRenderer::render(const std::vector<ElementState>& states, const GaugeSize& size, const Lighting& lighting) {
    std::vector<DrawKey> keys;
    keys.reserve(states.size());
    for (const ElementState& s : states) keys.push_back(draw_key(s, lighting));

    if (!frame_ || size.width != size_.width || size.height != size_.height || size.scale_x != size_.scale_x ||
        size.scale_y != size_.scale_y) {
        size_ = size;
        base_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
        frame_.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width, size.height));
        base_count_ = 0;
        keys_.clear();
        DrawKey never;
        never.kind = 0xFFFFFFFF;  // equals no element: the first render draws all
        keys_.push_back(never);
    }

    // The first element that looks different from the last frame.
    std::size_t first = 0;
    while (first < keys.size() && first < keys_.size() && keys[first] == keys_[first]) ++first;
    if (first == keys.size() && keys.size() == keys_.size()) return false;

    if (first < base_count_) {
        clear(base_.get());
        base_count_ = 0;
        ++base_rebuilds_;
    }
    if (first > base_count_) {
        draw_range(base_.get(), states, keys, base_count_, first);
        base_count_ = first;
    }
    copy(base_.get(), frame_.get());
    draw_range(frame_.get(), states, keys, first, states.size());
    keys_ = std::move(keys);
    return true;
}

void GaugeRenderer::draw_range(cairo_surface_t* target, const std::vector<ElementState>& states,
                               const std::vector<DrawKey>& keys, std::size_t from, std::size_t to) {
    if (from >= to) return;
    cairo_t* cr = cairo_create(target);
    for (std::size_t i = from; i < to; ++i) draw_element(cr, states[i], keys[i]);
    cairo_destroy(cr);
}

void GaugeRenderer::draw_element(cairo_t* cr, const ElementState& s, const DrawKey& key) {
    if (!s.drawn) return;
    ++elements_drawn_;
    // Bitmaps resampled once to the gauge's scale are copied, or turned with
    // a bilinear filter; a gauge stretched unevenly is drawn through the
    // scale instead, since a turned needle must stretch after turning.
    const double sx = size_.scale_x, sy = size_.scale_y;
    if (s.kind != ELEMENT_TYPE_STRING && std::fabs(sx / sy - 1.0) < 0.02) {
        draw_prescaled(cr, s, key);
        return;
    }
    cairo_save(cr);
    cairo_scale(cr, sx, sy);
    draw_native(cr, s, key);
    cairo_restore(cr);
}

void GaugeRenderer::draw_prescaled(cairo_t* cr, const ElementState& s, const DrawKey& key) {
    const bool key_black = keyed(s.image_flags);
    const double sx = size_.scale_x, sy = size_.scale_y;
    const double x = s.position.x * sx;
    const double y = s.position.y * sy;
    auto bitmap = [&](std::uint32_t id) { return bitmaps_.scaled(id, key_black, key.light, sx, sy); };
    // Whole pixels: a plain copy.
    auto blit = [&](cairo_surface_t* image, double at_x, double at_y) {
        if (image == nullptr) return;
        cairo_set_source_surface(cr, image, std::round(at_x), std::round(at_y));
        cairo_paint(cr);
    };
    switch (s.kind) {
    case ELEMENT_TYPE_STATIC_IMAGE: blit(bitmap(s.bitmap_id), x, y); break;
    case ELEMENT_TYPE_ICON:
        if (s.icon >= 0) blit(bitmap(s.bitmap_id + static_cast<std::uint32_t>(s.icon)), x, y);
        break;
    case ELEMENT_TYPE_SLIDER: blit(bitmap(s.bitmap_id), x + s.shift_x * sx, y + s.shift_y * sy); break;
    case ELEMENT_TYPE_NEEDLE: {
        cairo_surface_t* image = bitmap(s.bitmap_id);
        if (image == nullptr) break;
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, s.angle * DEGREES);
        cairo_set_source_surface(cr, image, -s.element->offset.x * sx, -s.element->offset.y * sy);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
        cairo_paint(cr);
        cairo_restore(cr);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        cairo_surface_t* image = bitmap(s.bitmap_id);
        cairo_surface_t* window = bitmaps_.scaled(s.bitmap_id + 1, true, Light{}, sx, sy);
        if (image == nullptr || window == nullptr) break;
        cairo_set_source_surface(cr, image, std::round(x) - std::round(s.shift_x * sx), std::round(y) - std::round(s.shift_y * sy));
        cairo_mask_surface(cr, window, std::round(x), std::round(y));
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        cairo_surface_t* native = bitmaps_.get(s.bitmap_id, key_black, key.light);
        cairo_surface_t* image = bitmap(s.bitmap_id);
        cairo_surface_t* window = bitmaps_.scaled(s.bitmap_id + 1, true, Light{}, sx, sy);
        if (native == nullptr || image == nullptr || window == nullptr) break;
        cairo_pattern_t* pattern = sprite_pattern(s, image, cairo_image_surface_get_width(native),
                                                  cairo_image_surface_get_height(native), sx, sy);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
        cairo_set_source(cr, pattern);
        cairo_mask_surface(cr, window, std::round(x), std::round(y));
        cairo_pattern_destroy(pattern);
        break;
    }
    default: break;
    }
}

void GaugeRenderer::draw_native(cairo_t* cr, const ElementState& s, const DrawKey& key) {
    const bool key_black = keyed(s.image_flags);
    const double x = s.position.x;
    const double y = s.position.y;
    auto paint_bitmap = [&](std::uint32_t id, double at_x, double at_y) {
        cairo_surface_t* image = bitmaps_.get(id, key_black, key.light);
        if (image == nullptr) return;
        cairo_set_source_surface(cr, image, at_x, at_y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
    };

    switch (s.kind) {
    case ELEMENT_TYPE_STATIC_IMAGE: paint_bitmap(s.bitmap_id, x, y); break;
    case ELEMENT_TYPE_ICON:
        if (s.icon >= 0) paint_bitmap(s.bitmap_id + static_cast<std::uint32_t>(s.icon), x, y);
        break;
    case ELEMENT_TYPE_SLIDER: paint_bitmap(s.bitmap_id, x + s.shift_x, y + s.shift_y); break;
    case ELEMENT_TYPE_NEEDLE: {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, s.angle * DEGREES);  // clockwise on screen: y points down
        paint_bitmap(s.bitmap_id, -s.element->offset.x, -s.element->offset.y);
        cairo_restore(cr);
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        cairo_surface_t* image = bitmaps_.get(s.bitmap_id, key_black, key.light);
        cairo_surface_t* window = bitmaps_.get(s.bitmap_id + 1, true);
        if (image == nullptr || window == nullptr) break;
        cairo_set_source_surface(cr, image, x - s.shift_x, y - s.shift_y);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_mask_surface(cr, window, x, y);
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        cairo_surface_t* image = bitmaps_.get(s.bitmap_id, key_black, key.light);
        cairo_surface_t* window = bitmaps_.get(s.bitmap_id + 1, true);
        if (image == nullptr || window == nullptr) break;
        cairo_pattern_t* pattern = sprite_pattern(s, image, cairo_image_surface_get_width(image),
                                                  cairo_image_surface_get_height(image), 1.0, 1.0);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_GOOD);
        cairo_set_source(cr, pattern);
        cairo_mask_surface(cr, window, x, y);
        cairo_pattern_destroy(pattern);
        break;
    }
    case ELEMENT_TYPE_STRING: draw_string(cr, s, key); break;
    default: break;
    }
}

void GaugeRenderer::draw_string(cairo_t* cr, const ElementState& s, const DrawKey& key) {
    const auto& e = *reinterpret_cast<const ELEMENT_STRING*>(s.element);
    const double x = s.position.x;
    const double y = s.position.y;
    const double w = e.box_width;
    const double h = e.box_height;
    if (w <= 0 || h <= 0) return;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    // A black background on a colour-keyed string is the key: not drawn.
    if (!(keyed(s.image_flags) && (e.background_color & 0xFFFFFF) == 0)) {
        set_colour(cr, e.background_color, key.light);
        cairo_paint(cr);
    }
    const std::string face(e.font_face, strnlen(e.font_face, FONT_FACE_BYTES));
    const ResolvedFont& font = fonts_.resolve(face.empty() ? "Arial" : face, e.font_weight);
    use_font(cr, font);

    // The cell fills the box height, as a Windows font of that height would;
    // text wider than the box less a margin at each side shrinks to fit, so
    // that the texts of neighbouring boxes stay apart.
    const std::string text = cp1252_to_utf8(s.text);
    double size = h;
    cairo_set_font_size(cr, size);
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    if (fe.ascent + fe.descent > 0) size *= h / (fe.ascent + fe.descent);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t te;
    cairo_text_extents(cr, text.c_str(), &te);
    const double room = std::max(1.0, w - 2.0 * std::max(1.0, std::round(h / 4.0)));
    if (te.x_advance > room) {
        size *= room / te.x_advance;
        cairo_set_font_size(cr, size);
        cairo_text_extents(cr, text.c_str(), &te);
    }
    cairo_font_extents(cr, &fe);
    // Centred on one line (the strings' drawing flags).
    const double baseline = y + (h + fe.ascent - fe.descent) / 2.0;
    cairo_move_to(cr, x + (w - te.x_advance) / 2.0, baseline);
    set_colour(cr, e.text_color, key.light);
    cairo_show_text(cr, text.c_str());
    cairo_restore(cr);
}

}  // namespace host::render
