// Font faces for string elements, found through fontconfig. The module's
// faces are Windows names: "Arial" is drawn with a metric-compatible face
// (Liberation Sans) and "Quartz" with a fourteen-segment face (DSEG14), which
// shows letters as well as digits; any other
// name is asked for as it stands. Fontconfig always answers with something,
// so a fallback is told by comparing the family it returned.
#pragma once

#include <cairo.h>

#include <map>
#include <string>
#include <vector>

#include "host/text_encoding.h"

namespace host::render {

struct ResolvedFont {
    cairo_font_face_t* face = nullptr;  // owned by the FontBook
    std::string family;                 // what fontconfig returned
    std::string file;
    bool fallback = false;              // not the family asked for
};

class FontBook {
public:
    FontBook() = default;
    ~FontBook();
    FontBook(const FontBook&) = delete;
    FontBook& operator=(const FontBook&) = delete;

    // The family asked of fontconfig for a face name of the module.
    static std::string wanted_family(const std::string& face);
    // Bold when `weight` >= 600.
    const ResolvedFont& resolve(const std::string& face, unsigned weight);
    // One message for each face drawn with another family than the one asked for.
    const std::vector<std::string>& fallbacks() const { return fallbacks_; }

private:
    std::map<std::pair<std::string, bool>, ResolvedFont> fonts_;
    std::vector<std::string> fallbacks_;
};

// Selects the font on the context with grey antialiasing and no hinting, so
// text scales smoothly with its gauge.
void use_font(cairo_t* cr, const ResolvedFont& font);

using host::cp1252_to_utf8;

}  // namespace host::render
