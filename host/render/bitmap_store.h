// The module's bitmaps as Cairo image surfaces: Windows BMP files (8-bit
// palettised or 24/32-bit) read from the resources folder, converted to
// premultiplied ARGB so that scaling and rotation never spread the colour key
// into dark halos. Surfaces are cached by id, key and light.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace host::render {

struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Per-channel light applied to a bitmap, 1.0 leaves it as drawn; below a
// saturation of 1.0 colours first fade towards their grey of equal
// luminance (by night the eye sees colours weaker).
struct Light {
    double r = 1.0;
    double g = 1.0;
    double b = 1.0;
    double saturation = 1.0;
    friend bool operator==(const Light&, const Light&) = default;
};

// Reads a BMP file into a premultiplied ARGB32 surface. With `keyed`, pure
// black pixels become fully transparent. Null when the file is missing or
// not a bitmap this reader knows (the reason in `error`).
Surface read_bmp(const std::string& path, bool keyed, std::string* error = nullptr);

// A copy of a surface under the light: saturation, then each channel scaled.
Surface lit_copy(cairo_surface_t* source, Light light);

// Writes a surface as PNG; false on failure.
bool write_png(cairo_surface_t* surface, const std::string& path);

class BitmapStore {
public:
    explicit BitmapStore(std::string folder) : folder_(std::move(folder)) {}

    const std::string& folder() const { return folder_; }
    // The bitmap <folder>/<id>.bmp, or null when it does not exist.
    cairo_surface_t* get(std::uint32_t id, bool keyed);
    // The same under a light (cached by the light rounded to 1/64).
    cairo_surface_t* get(std::uint32_t id, bool keyed, Light light);
    // The same resampled by (sx, sy) once and kept: drawing it at that scale
    // is then a plain copy. Scales are rounded to 1/1024.
    cairo_surface_t* scaled(std::uint32_t id, bool keyed, Light light, double sx, double sy);
    // How many files were read; the tests check that the cache holds.
    long reads() const { return reads_; }

private:
    using Key = std::tuple<std::uint32_t, bool, int, int, int, int>;
    static Key key_of(std::uint32_t id, bool keyed, Light light);
    std::string folder_;
    std::map<Key, Surface> cache_;
    std::map<std::tuple<Key, int, int>, Surface> scaled_;
    long reads_ = 0;
};

}  // namespace host::render
