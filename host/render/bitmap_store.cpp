#include "host/render/bitmap_store.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace host::render {

namespace {

std::uint32_t u16(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t u32(const std::vector<unsigned char>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16)) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

Surface fail(std::string* error, const std::string& path, const std::string& why) {
    if (error != nullptr) *error = path + ": " + why;
    return nullptr;
}

int level(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 4.0) * 64.0)); }

}  // namespace

BitmapStore::Key BitmapStore::key_of(std::uint32_t id, bool keyed, Light light) {
    return {id, keyed, level(light.r), level(light.g), level(light.b), level(light.saturation)};
}

Surface read_bmp(const std::string& path, bool keyed, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return fail(error, path, "cannot open");
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return fail(error, path, "not a BMP file");
    const std::uint32_t data_at = u32(b, 10);
    const std::uint32_t header_size = u32(b, 14);
    const auto width = static_cast<std::int32_t>(u32(b, 18));
    const auto signed_height = static_cast<std::int32_t>(u32(b, 22));
    const std::uint32_t bits = u16(b, 28);
    const std::uint32_t compression = u32(b, 30);
    std::uint32_t colours = u32(b, 46);
    const bool bottom_up = signed_height > 0;
    const int height = std::abs(signed_height);
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return fail(error, path, "bad size");
    if (compression != 0 || (bits != 8 && bits != 24 && bits != 32)) {
        return fail(error, path, "only uncompressed 8, 24 and 32-bit bitmaps are read");
    }
    if (bits == 8 && colours == 0) colours = 256;
    const std::size_t palette_at = 14 + header_size;
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (data_at + stride * static_cast<std::size_t>(height) > b.size() ||
        (bits == 8 && palette_at + colours * 4 > b.size())) {
        return fail(error, path, "truncated");
    }

    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_surface_flush(surface.get());
    unsigned char* out = cairo_image_surface_get_data(surface.get());
    const int out_stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < height; ++y) {
        const std::size_t row = data_at + stride * static_cast<std::size_t>(bottom_up ? height - 1 - y : y);
        auto* line = reinterpret_cast<std::uint32_t*>(out + static_cast<std::size_t>(y) * out_stride);
        for (int x = 0; x < width; ++x) {
            std::uint32_t r, g, bl;
            if (bits == 8) {
                std::uint32_t index = b[row + x];
                if (index >= colours) index = 0;
                const std::size_t p = palette_at + index * 4;
                bl = b[p], g = b[p + 1], r = b[p + 2];
            } else {
                const std::size_t p = row + static_cast<std::size_t>(x) * (bits / 8);
                bl = b[p], g = b[p + 1], r = b[p + 2];
            }
            // Opaque or fully transparent: premultiplying changes nothing else.
            line[x] = (keyed && r == 0 && g == 0 && bl == 0) ? 0u : (0xFF000000u | (r << 16) | (g << 8) | bl);
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

Surface lit_copy(cairo_surface_t* source, Light light) {
    const int width = cairo_image_surface_get_width(source);
    const int height = cairo_image_surface_get_height(source);
    Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    cairo_surface_flush(source);
    cairo_surface_flush(surface.get());
    const unsigned char* in = cairo_image_surface_get_data(source);
    unsigned char* out = cairo_image_surface_get_data(surface.get());
    const int in_stride = cairo_image_surface_get_stride(source);
    const int out_stride = cairo_image_surface_get_stride(surface.get());
    const auto scale = [](double f) { return static_cast<std::uint32_t>(std::lround(std::clamp(f, 0.0, 4.0) * 256.0)); };
    const std::uint32_t fr = scale(light.r), fg = scale(light.g), fb = scale(light.b);
    const int fs = static_cast<int>(std::lround(std::clamp(light.saturation, 0.0, 1.0) * 256.0));
    for (int y = 0; y < height; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(in + static_cast<std::size_t>(y) * in_stride);
        auto* dst = reinterpret_cast<std::uint32_t*>(out + static_cast<std::size_t>(y) * out_stride);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = src[x];
            const std::uint32_t a = p >> 24;
            int c[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF)};
            if (fs != 256) {
                // Towards the pixel's own grey: luminance stays, colour fades.
                const int grey = (77 * c[0] + 151 * c[1] + 28 * c[2]) >> 8;
                for (int& v : c) v = std::clamp(grey + ((fs * (v - grey)) >> 8), 0, 255);
            }
            // Premultiplied: a channel may not exceed alpha.
            const std::uint32_t r = std::min(a, (static_cast<std::uint32_t>(c[0]) * fr) >> 8);
            const std::uint32_t g = std::min(a, (static_cast<std::uint32_t>(c[1]) * fg) >> 8);
            const std::uint32_t bl = std::min(a, (static_cast<std::uint32_t>(c[2]) * fb) >> 8);
            dst[x] = (a << 24) | (r << 16) | (g << 8) | bl;
        }
    }
    cairo_surface_mark_dirty(surface.get());
    return surface;
}

bool write_png(cairo_surface_t* surface, const std::string& path) {
    return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* BitmapStore::get(std::uint32_t id, bool keyed) {
    const Key key{id, keyed, 64, 64, 64, 64};
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second.get();
    ++reads_;
    Surface surface = read_bmp(folder_ + "/" + std::to_string(id) + ".bmp", keyed);
    return cache_.emplace(key, std::move(surface)).first->second.get();
}

cairo_surface_t* BitmapStore::get(std::uint32_t id, bool keyed, Light light) {
    const Key key = key_of(id, keyed, light);
    if (key == key_of(id, keyed, Light{})) return get(id, keyed);
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second.get();
    cairo_surface_t* plain = get(id, keyed);
    Surface surface = plain != nullptr ? lit_copy(plain, light) : nullptr;
    return cache_.emplace(key, std::move(surface)).first->second.get();
}

cairo_surface_t* BitmapStore::scaled(std::uint32_t id, bool keyed, Light light, double sx, double sy) {
    const int qx = static_cast<int>(std::lround(sx * 1024.0));
    const int qy = static_cast<int>(std::lround(sy * 1024.0));
    if (qx == 1024 && qy == 1024) return get(id, keyed, light);
    const auto key = std::make_tuple(key_of(id, keyed, light), qx, qy);
    auto found = scaled_.find(key);
    if (found != scaled_.end()) return found->second.get();
    cairo_surface_t* source = get(id, keyed, light);
    Surface surface;
    if (source != nullptr) {
        const int w = std::max(1, static_cast<int>(std::ceil(cairo_image_surface_get_width(source) * sx)));
        const int h = std::max(1, static_cast<int>(std::ceil(cairo_image_surface_get_height(source) * sy)));
        surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
        cairo_t* cr = cairo_create(surface.get());
        cairo_scale(cr, sx, sy);
        cairo_set_source_surface(cr, source, 0, 0);
        cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
        cairo_paint(cr);
        cairo_destroy(cr);
    }
    return scaled_.emplace(key, std::move(surface)).first->second.get();
}

}  // namespace host::render
