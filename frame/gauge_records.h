// Builders that let a gauge write its records as plain constant-initialised
// data. Every field a builder does not take is zero, as the host expects.
#pragma once

#include "frame/host_types.h"

constexpr UINT32 NO_BITMAP = 0xFFFFFFFF;

struct ElementPlacement {
    UINT32 bitmap_id;
    PIXPOINT position;
    UINT32 image_flags;
    GAUGEHDR* gauge;
    ELEMENT_LIST* children = nullptr;
    FAILURE_RECORD* failures = nullptr;
    PIXPOINT offset = {0, 0};
    UINT32 special_flags = 0;
};

constexpr ELEMENT_HEADER element_header(ELEMENT_KIND type, const ElementPlacement& p) {
    ELEMENT_HEADER h{};
    h.element_type = type;
    h.bitmap_id = p.bitmap_id;
    h.position = p.position;
    h.offset = p.offset;
    h.gauge = p.gauge;
    h.next_element = p.children;
    h.failures = p.failures;
    h.image_flags = p.image_flags;
    h.special_flags = p.special_flags;
    return h;
}

constexpr ELEMENT_STATIC_IMAGE static_image(const ElementPlacement& p) {
    ELEMENT_STATIC_IMAGE e{};
    e.header = element_header(ELEMENT_TYPE_STATIC_IMAGE, p);
    return e;
}

constexpr MODULE_VAR module_var(UINT32 token) {
    MODULE_VAR v{};
    v.token = token;
    return v;
}

constexpr MODULE_VAR NO_VAR = {};

// Needle: turns about `offset` (inside its bitmap), placed at `position`.
struct NeedleFields {
    MODULE_VAR var = NO_VAR;
    NONLINEARITY* calibration = nullptr;
    UINT32 calibration_count = 0;
    NEEDLE_CALLBACK callback = nullptr;
};

constexpr ELEMENT_NEEDLE needle(const ElementPlacement& p, const NeedleFields& f) {
    ELEMENT_NEEDLE e{};
    e.header = element_header(ELEMENT_TYPE_NEEDLE, p);
    e.source_var = f.var;
    e.calibration = f.calibration;
    e.calibration_count = f.calibration_count;
    e.callback = f.callback;
    return e;
}

struct StringFields {
    MODULE_VAR vars[3] = {NO_VAR, NO_VAR, NO_VAR};
    UINT32 box_width = 0;
    UINT32 box_height = 0;
    UINT32 text_color = 0;
    UINT32 background_color = 0;
    UINT32 highlight_color = 0;
    const char* font_face = "Arial";
    UINT32 font_weight = 400;
    UINT32 char_set = 1;
    UINT32 draw_text_flags = 0x25;
    UINT32 max_chars = 0;
    STRING_CALLBACK callback = nullptr;
};

constexpr ELEMENT_STRING string_element(const ElementPlacement& p, const StringFields& f) {
    ELEMENT_STRING e{};
    e.header = element_header(ELEMENT_TYPE_STRING, p);
    e.header.bitmap_id = NO_BITMAP;
    for (int i = 0; i < 3; ++i) {
        e.source_var[i] = f.vars[i];
    }
    e.box_width = f.box_width;
    e.box_height = f.box_height;
    e.text_color = f.text_color;
    e.background_color = f.background_color;
    e.highlight_color = f.highlight_color;
    for (std::size_t i = 0; i + 1 < FONT_FACE_BYTES && f.font_face != nullptr && f.font_face[i] != 0; ++i) {
        e.font_face[i] = f.font_face[i];
    }
    e.font_weight = f.font_weight;
    e.char_set = f.char_set;
    e.draw_text_flags = f.draw_text_flags;
    e.max_chars = f.max_chars;
    e.callback = f.callback;
    return e;
}

struct SliderFields {
    MODULE_VAR var_x = NO_VAR;
    FLOAT64 scale_x = 0.0;
    MODULE_VAR var_y = NO_VAR;
    FLOAT64 scale_y = 0.0;
    SLIDER_CALLBACK callback_x = nullptr;
    SLIDER_CALLBACK callback_y = nullptr;
};

constexpr ELEMENT_SLIDER slider(const ElementPlacement& p, const SliderFields& f) {
    ELEMENT_SLIDER e{};
    e.header = element_header(ELEMENT_TYPE_SLIDER, p);
    e.source_var_x = f.var_x;
    e.scale_x = f.scale_x;
    e.source_var_y = f.var_y;
    e.scale_y = f.scale_y;
    e.callback_x = f.callback_x;
    e.callback_y = f.callback_y;
    return e;
}

struct IconFields {
    MODULE_VAR var = NO_VAR;
    FLOAT64 scale = 1.0;
    UINT32 icon_count = 0;
    ICON_CALLBACK callback = nullptr;
};

constexpr ELEMENT_ICON icon(const ElementPlacement& p, const IconFields& f) {
    ELEMENT_ICON e{};
    e.header = element_header(ELEMENT_TYPE_ICON, p);
    e.source_var = f.var;
    e.scale = f.scale;
    e.icon_count = f.icon_count;
    e.callback = f.callback;
    return e;
}

struct MovingImageFields {
    MODULE_VAR var_x = NO_VAR;
    FLOAT64 min_x = 0.0;
    FLOAT64 max_x = 0.0;
    MODULE_VAR var_y = NO_VAR;
    FLOAT64 min_y = 0.0;
    FLOAT64 max_y = 0.0;
    MOVING_IMAGE_CALLBACK callback_x = nullptr;
    MOVING_IMAGE_CALLBACK callback_y = nullptr;
};

constexpr ELEMENT_MOVING_IMAGE moving_image(const ElementPlacement& p, const MovingImageFields& f) {
    ELEMENT_MOVING_IMAGE e{};
    e.header = element_header(ELEMENT_TYPE_MOVING_IMAGE, p);
    e.source_var_x = f.var_x;
    e.min_x = f.min_x;
    e.max_x = f.max_x;
    e.source_var_y = f.var_y;
    e.min_y = f.min_y;
    e.max_y = f.max_y;
    e.callback_x = f.callback_x;
    e.callback_y = f.callback_y;
    return e;
}

// Sprite: turns about `offset` (its texture centre), seen through the window
// bitmap at bitmap id + 1.
struct SpriteFields {
    MODULE_VAR var_x = NO_VAR;
    FLOAT64 scale_x = 1.0;
    MODULE_VAR var_y = NO_VAR;
    FLOAT64 scale_y = 1.0;
    MODULE_VAR var_angle = NO_VAR;
    FLOAT64 scale_angle = 1.0;
    float texture_scale_x = 1.0f;
    float texture_scale_y = 1.0f;
    SPRITE_CALLBACK callback_x = nullptr;
    SPRITE_CALLBACK callback_y = nullptr;
    SPRITE_CALLBACK callback_angle = nullptr;
};

constexpr ELEMENT_SPRITE sprite(const ElementPlacement& p, const SpriteFields& f) {
    ELEMENT_SPRITE e{};
    e.header = element_header(ELEMENT_TYPE_SPRITE, p);
    e.source_var_x = f.var_x;
    e.scale_x = f.scale_x;
    e.source_var_y = f.var_y;
    e.scale_y = f.scale_y;
    e.source_var_angle = f.var_angle;
    e.scale_angle = f.scale_angle;
    e.texture_scale_x = f.texture_scale_x;
    e.texture_scale_y = f.texture_scale_y;
    e.callback_x = f.callback_x;
    e.callback_y = f.callback_y;
    e.callback_angle = f.callback_angle;
    return e;
}

// Number of entries of a static array, for calibration counts.
template <typename T, std::size_t N>
constexpr UINT32 count_of(const T (&)[N]) {
    return static_cast<UINT32>(N);
}

// Mouse rectangle lists: parents, children and tooltips, ended by mouse_end().

constexpr MOUSERECT mouse_parent(PIXBOX box, SINT32 cursor, UINT32 help_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_PARENT;
    r.box = box;
    r.cursor = cursor;
    r.help_id = help_id;
    return r;
}

constexpr MOUSERECT mouse_whole_gauge(UINT32 help_id) {
    return mouse_parent({0, 0, 0, 0}, CURSOR_NONE, help_id);
}

constexpr MOUSERECT mouse_child(PIXBOX box, SINT32 cursor, UINT32 mouse_flags, MOUSE_FUNCTION function,
                                UINT32 event_id = 0) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_CHILD;
    r.box = box;
    r.cursor = cursor;
    r.mouse_flags = mouse_flags;
    r.event_id = event_id;
    r.function = function;
    return r;
}

constexpr MOUSERECT mouse_child_event(PIXBOX box, SINT32 cursor, UINT32 mouse_flags, UINT32 event_id) {
    return mouse_child(box, cursor, mouse_flags, nullptr, event_id);
}

constexpr MOUSERECT mouse_tooltip_id(UINT32 text_id) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_TOOLTIP;
    r.help_id = text_id;
    r.cursor = CURSOR_NONE;
    return r;
}

// Tooltip argument entries (variable token 0): a number or a text.
constexpr MOUSE_ARG mouse_number_arg(TOOLTIP_NUMBER_CALLBACK callback) {
    MOUSE_ARG a{};
    a.number_callback = callback;
    return a;
}

constexpr MOUSE_ARG mouse_text_arg(TOOLTIP_TEXT_CALLBACK callback) {
    MOUSE_ARG a{};
    a.text_callback = callback;
    return a;
}

constexpr MOUSERECT mouse_tooltip_text(const char* text, UINT32 arg_count, MOUSE_ARG* args) {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_TOOLTIP;
    r.cursor = CURSOR_NONE;
    r.event_id = arg_count;
    r.tooltip_text = text;
    r.args = args;
    return r;
}

constexpr MOUSERECT mouse_end_parent() {
    MOUSERECT r{};
    r.rect_type = MOUSE_RECT_END_PARENT;
    return r;
}

constexpr MOUSERECT mouse_end() {
    return MOUSERECT{};
}

struct GaugeDefinition {
    const char* name;
    UINT32 width_mm;
    ELEMENT_LIST* elements;
    MOUSERECT* mouse_rects;
    GAUGE_CALLBACK callback = nullptr;
};

constexpr GAUGEHDR gauge_header(const GaugeDefinition& d) {
    GAUGEHDR g{};
    g.version = GAUGE_HEADER_VERSION;
    g.name = d.name;
    g.elements = d.elements;
    g.size_x_mm = d.width_mm;
    g.mouse_rects = d.mouse_rects;
    g.callback = d.callback;
    return g;
}
