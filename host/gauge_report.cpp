#include "host/gauge_report.h"

#include <cstdarg>
#include <cstdio>
#include <string>

#include "host/needle_calibration.h"
#include "host/text_encoding.h"

namespace host {

namespace {

std::string fmt(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string fmt(const char* format, ...) {
    char buffer[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

std::string var(const MODULE_VAR& v) { return v.token != 0 ? "token " + std::to_string(v.token) : "no token"; }

std::string callback(const void* fn) { return fn != nullptr ? "callback" : "no callback"; }

std::string failures(const FAILURE_RECORD* f) {
    if (f == nullptr || f->key == 0) {
        return "";
    }
    std::string s = " failures";
    for (int i = 0; i < 64 && f[i].key != 0; ++i) {
        s += fmt(" (%u, %u)", static_cast<unsigned>(f[i].key), static_cast<unsigned>(f[i].action));
    }
    return s;
}

void print_element(std::ostream& out, ELEMENT_HEADER& e, int depth, const BitmapCatalog& bitmaps) {
    std::string indent(static_cast<std::size_t>(2 * depth + 2), ' ');
    out << indent << element_kind_name(e.element_type);
    if (e.bitmap_id != 0xFFFFFFFF) {
        out << " bitmap " << e.bitmap_id;
        if (auto size = bitmaps.size(e.bitmap_id)) {
            out << fmt(" (%dx%d)", size->width, size->height);
        }
    }
    out << fmt(" at (%d, %d)", e.position.x, e.position.y);
    if (e.offset.x != 0 || e.offset.y != 0) {
        out << fmt(" offset (%d, %d)", e.offset.x, e.offset.y);
    }
    out << fmt(" flags 0x%X", static_cast<unsigned>(e.image_flags));
    if (e.special_flags != 0) {
        out << fmt(" special 0x%X", static_cast<unsigned>(e.special_flags));
    }
    out << failures(e.failures);
    switch (e.element_type) {
    case ELEMENT_TYPE_NEEDLE: {
        auto& n = reinterpret_cast<ELEMENT_NEEDLE&>(e);
        out << "; " << var(n.source_var) << ", " << callback(reinterpret_cast<const void*>(n.callback));
        if (n.max_degrees_per_update != 0) out << ", at most " << n.max_degrees_per_update << " degrees per update";
        out << "\n";
        NeedleCalibration c = NeedleCalibration::from_table(e.position, n.calibration, n.calibration_count);
        for (UINT32 i = 0; n.calibration != nullptr && i < n.calibration_count; ++i) {
            out << indent << fmt("    point (%d, %d) value %g: %.2f degrees\n", n.calibration[i].point.x,
                                 n.calibration[i].point.y, n.calibration[i].value, c.points()[i].angle);
        }
        if (n.calibration == nullptr) out << indent << "    no calibration: the value is the angle\n";
        return;
    }
    case ELEMENT_TYPE_STRING: {
        auto& s = reinterpret_cast<ELEMENT_STRING&>(e);
        out << "; " << var(s.source_var[0]) << ", " << var(s.source_var[1]) << ", " << var(s.source_var[2]);
        out << fmt(", box %ux%u, %u chars, font \"%.32s\" weight %u, colour 0x%06X on 0x%06X, ",
                   static_cast<unsigned>(s.box_width), static_cast<unsigned>(s.box_height),
                   static_cast<unsigned>(s.max_chars), s.font_face, static_cast<unsigned>(s.font_weight),
                   static_cast<unsigned>(s.text_color), static_cast<unsigned>(s.background_color));
        out << callback(reinterpret_cast<const void*>(s.callback));
        break;
    }
    case ELEMENT_TYPE_SLIDER: {
        auto& s = reinterpret_cast<ELEMENT_SLIDER&>(e);
        out << "; x " << var(s.source_var_x) << fmt(" scale %g ", s.scale_x)
            << callback(reinterpret_cast<const void*>(s.callback_x)) << "; y " << var(s.source_var_y)
            << fmt(" scale %g ", s.scale_y) << callback(reinterpret_cast<const void*>(s.callback_y));
        break;
    }
    case ELEMENT_TYPE_ICON: {
        auto& i = reinterpret_cast<ELEMENT_ICON&>(e);
        out << "; " << var(i.source_var) << fmt(", %u images, ", static_cast<unsigned>(i.icon_count))
            << callback(reinterpret_cast<const void*>(i.callback));
        break;
    }
    case ELEMENT_TYPE_MOVING_IMAGE: {
        auto& m = reinterpret_cast<ELEMENT_MOVING_IMAGE&>(e);
        out << "; x " << var(m.source_var_x) << fmt(" %g..%g ", m.min_x, m.max_x)
            << callback(reinterpret_cast<const void*>(m.callback_x)) << "; y " << var(m.source_var_y)
            << fmt(" %g..%g ", m.min_y, m.max_y) << callback(reinterpret_cast<const void*>(m.callback_y));
        if (auto w = bitmaps.size(e.bitmap_id + 1)) out << fmt("; window %dx%d", w->width, w->height);
        break;
    }
    case ELEMENT_TYPE_SPRITE: {
        auto& s = reinterpret_cast<ELEMENT_SPRITE&>(e);
        out << "; x " << var(s.source_var_x) << fmt(" scale %g ", s.scale_x)
            << callback(reinterpret_cast<const void*>(s.callback_x)) << "; y " << var(s.source_var_y)
            << fmt(" scale %g ", s.scale_y) << callback(reinterpret_cast<const void*>(s.callback_y)) << "; angle "
            << var(s.source_var_angle) << fmt(" scale %g ", s.scale_angle)
            << callback(reinterpret_cast<const void*>(s.callback_angle))
            << fmt("; texture scale %g x %g", static_cast<double>(s.texture_scale_x),
                   static_cast<double>(s.texture_scale_y));
        break;
    }
    default:
        break;
    }
    out << "\n";
}

void print_list(std::ostream& out, ELEMENT_LIST* list, int depth, const BitmapCatalog& bitmaps) {
    if (list == nullptr || depth > 64) {
        return;
    }
    for (ELEMENT_LIST* entry = list; *entry != nullptr; ++entry) {
        print_element(out, **entry, depth, bitmaps);
        print_list(out, (*entry)->next_element, depth + 1, bitmaps);
    }
}

const char* row_type(UINT32 type) {
    switch (type) {
    case MOUSE_RECT_PARENT: return "parent";
    case MOUSE_RECT_CHILD: return "child";
    case MOUSE_RECT_END_PARENT: return "end of parent";
    case MOUSE_RECT_TOOLTIP: return "tooltip";
    case MOUSE_RECT_END: return "end of list";
    }
    return "unknown";
}

}  // namespace

void print_element_tree(std::ostream& out, GAUGEHDR& gauge, const BitmapCatalog& bitmaps) {
    out << "elements:\n";
    print_list(out, gauge.elements, 0, bitmaps);
}

void print_mouse_list(std::ostream& out, GAUGEHDR& gauge, const MouseMap& map) {
    out << "mouse rectangles:\n";
    if (gauge.mouse_rects == nullptr) {
        out << "  none\n";
        return;
    }
    for (int i = 0; i < 4096; ++i) {
        const MOUSERECT& r = gauge.mouse_rects[i];
        out << fmt("  %2d %s", i, row_type(r.rect_type));
        if (r.rect_type == MOUSE_RECT_PARENT || r.rect_type == MOUSE_RECT_CHILD) {
            out << fmt(" (%d, %d, %d, %d) cursor %d", r.box.x, r.box.y, r.box.width, r.box.height,
                       static_cast<int>(r.cursor));
        }
        if (r.help_id != 0) out << fmt(" %s 0x%X", r.rect_type == MOUSE_RECT_TOOLTIP ? "text id" : "help id",
                                       static_cast<unsigned>(r.help_id));
        if (r.rect_type == MOUSE_RECT_CHILD) {
            out << fmt(" flags 0x%08X", static_cast<unsigned>(r.mouse_flags));
            if (r.event_id != 0) out << fmt(" event 0x%X", static_cast<unsigned>(r.event_id));
            if (r.function != nullptr) out << " function";
        }
        if (r.rect_type == MOUSE_RECT_TOOLTIP && r.help_id == 0 && r.tooltip_text != nullptr) {
            out << " \"" << cp1252_for_terminal(r.tooltip_text) << "\"" << fmt(" %u argument(s)", static_cast<unsigned>(r.event_id));
        }
        out << "\n";
        if (r.rect_type == MOUSE_RECT_END) break;
    }
    out << "mouse areas on the gauge bitmap:\n";
    for (const MouseArea& a : map.areas()) {
        out << std::string(static_cast<std::size_t>(2 * a.depth + 2), ' ') << fmt("row %d ", a.row)
            << (a.kind == MouseArea::Kind::Parent ? "parent" : "child");
        if (a.whole_gauge) {
            out << " whole gauge";
        } else {
            out << fmt(" (%d, %d, %d, %d)", a.box.x, a.box.y, a.box.width, a.box.height);
        }
        if (a.tooltip != nullptr) out << fmt(" tooltip row %d", static_cast<int>(a.tooltip - a.rect) + a.row);
        out << "\n";
    }
}

void print_element_states(std::ostream& out, const GaugeEvaluation& evaluation) {
    for (const ElementState& s : evaluation.elements()) {
        out << std::string(static_cast<std::size_t>(2 * s.depth + 2), ' ') << element_kind_name(s.kind);
        if (s.bitmap_id != 0xFFFFFFFF) out << " " << s.bitmap_id;
        switch (s.kind) {
        case ELEMENT_TYPE_NEEDLE: out << fmt(": value %g angle %.2f", s.values[0], s.angle); break;
        case ELEMENT_TYPE_ICON: out << fmt(": value %g icon %d", s.values[0], s.icon); break;
        case ELEMENT_TYPE_SLIDER:
            out << fmt(": values %g, %g shift (%.2f, %.2f)", s.values[0], s.values[1], s.shift_x, s.shift_y);
            break;
        case ELEMENT_TYPE_MOVING_IMAGE:
            out << fmt(": values %g, %g at %.3f, %.3f offset (%.2f, %.2f)", s.values[0], s.values[1], s.fraction_x,
                       s.fraction_y, s.shift_x, s.shift_y);
            break;
        case ELEMENT_TYPE_SPRITE:
            out << fmt(": values %g, %g, %g shift (%.2f, %.2f) angle %.2f", s.values[0], s.values[1], s.values[2],
                       s.shift_x, s.shift_y, s.angle);
            break;
        case ELEMENT_TYPE_STRING:
            out << ": \"" << cp1252_for_terminal(s.text) << "\"" << (s.text_overrun ? " OVERRUN" : "");
            break;
        default: break;
        }
        out << fmt(" flags 0x%X", static_cast<unsigned>(s.image_flags));
        if (!s.drawn) out << " not drawn";
        if (s.frozen) out << " frozen";
        if (s.zeroed) out << " zeroed";
        out << "\n";
    }
}

}  // namespace host
