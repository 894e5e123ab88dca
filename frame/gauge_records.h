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
