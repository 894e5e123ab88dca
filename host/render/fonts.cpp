#include "host/render/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cstdint>
#include <strings.h>

namespace host::render {

namespace {

bool same_family(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

// Code points of 0x80..0x9F in Windows-1252 (0 where undefined).
constexpr std::uint16_t CP1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string cp1252_to_utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        std::uint32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = CP1252_HIGH[c - 0x80] != 0 ? CP1252_HIGH[c - 0x80] : 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

FontBook::~FontBook() {
    for (auto& [key, font] : fonts_) cairo_font_face_destroy(font.face);
}

std::string FontBook::wanted_family(const std::string& face) {
    if (same_family(face, "Arial")) return "Liberation Sans";
    if (same_family(face, "Quartz")) return "DSEG7 Classic";
    return face;
}

const ResolvedFont& FontBook::resolve(const std::string& face, unsigned weight) {
    const bool bold = weight >= 600;
    auto key = std::make_pair(face, bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;

    ResolvedFont font;
    const std::string wanted = wanted_family(face);
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(wanted.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match != nullptr) {
        FcChar8* family = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch) {
            font.family = reinterpret_cast<const char*>(family);
        }
        FcChar8* file = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            font.file = reinterpret_cast<const char*>(file);
        }
        font.face = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
    }
    font.fallback = !same_family(font.family, wanted);
    if (font.face == nullptr) {
        font.face = cairo_toy_font_face_create("sans-serif", CAIRO_FONT_SLANT_NORMAL,
                                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        font.fallback = true;
    }
    return fonts_.emplace(key, std::move(font)).first->second;
}

void use_font(cairo_t* cr, const ResolvedFont& font) {
    cairo_set_font_face(cr, font.face);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

}  // namespace host::render
