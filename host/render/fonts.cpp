#include "host/render/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <strings.h>

namespace host::render {

namespace {

bool same_family(const std::string& a, const std::string& b) { return strcasecmp(a.c_str(), b.c_str()) == 0; }

}  // namespace

FontBook::~FontBook() {
    for (auto& [key, font] : fonts_) cairo_font_face_destroy(font.face);
}

std::string FontBook::wanted_family(const std::string& face) {
    if (same_family(face, "Arial")) return "Liberation Sans";
    // Segment displays show letters too ("NM", "MIN"): fourteen segments.
    if (same_family(face, "Quartz")) return "DSEG14 Classic";
    return face;
}

namespace {

// The Debian package that brings a family the host asks for.
const char* package_of(const std::string& family) {
    if (family.rfind("DSEG", 0) == 0) return "fonts-dseg";
    if (family.rfind("Liberation", 0) == 0) return "fonts-liberation";
    return nullptr;
}

}  // namespace

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
    if (font.fallback) {
        std::string message = "font \"" + face + "\": " + wanted + " is not installed, drawn with " +
                              (font.family.empty() ? std::string("a default face") : font.family) + " instead";
        if (const char* package = package_of(wanted)) message += std::string(" (Debian package ") + package + ")";
        fallbacks_.push_back(message);
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
