#include "host/mouse_map.h"

#include "host/host_error.h"

namespace host {

namespace {

constexpr int MAX_ROWS = 4096;

}  // namespace

bool MouseArea::contains(PIXPOINT p) const {
    if (whole_gauge) {
        return true;
    }
    return p.x >= box.x && p.y >= box.y && p.x < box.x + box.width && p.y < box.y + box.height;
}

MouseMap MouseMap::build(MOUSERECT* list) {
    MouseMap map;
    if (list == nullptr) {
        return map;
    }
    int rows = 0;
    int parents = 0;
    int ends = 0;
    while (list[rows].rect_type != MOUSE_RECT_END) {
        if (list[rows].rect_type == MOUSE_RECT_PARENT) ++parents;
        if (list[rows].rect_type == MOUSE_RECT_END_PARENT) ++ends;
        if (++rows >= MAX_ROWS) {
            throw HostError("mouse rectangle list has no end row within " + std::to_string(MAX_ROWS) + " rows");
        }
    }
    int unclosed = parents - ends;

    std::vector<int> open;  // area indices of the open parents
    auto origin = [&]() -> PIXPOINT {
        if (open.empty()) return {0, 0};
        const MouseArea& p = map.areas_[static_cast<std::size_t>(open.back())];
        return p.whole_gauge ? PIXPOINT{0, 0} : PIXPOINT{p.box.x, p.box.y};
    };
    for (int i = 0; i < rows; ++i) {
        MOUSERECT& row = list[i];
        switch (row.rect_type) {
        case MOUSE_RECT_PARENT:
        case MOUSE_RECT_CHILD: {
            MouseArea area;
            area.kind = row.rect_type == MOUSE_RECT_PARENT ? MouseArea::Kind::Parent : MouseArea::Kind::Child;
            area.row = i;
            area.rect = &row;
            PIXPOINT o = origin();
            area.box = {row.box.x + o.x, row.box.y + o.y, row.box.width, row.box.height};
            area.whole_gauge = area.kind == MouseArea::Kind::Parent && row.box.x == 0 && row.box.y == 0 &&
                               row.box.width == 0 && row.box.height == 0;
            area.parent = open.empty() ? -1 : open.back();
            area.depth = static_cast<int>(open.size());
            map.areas_.push_back(area);
            if (area.kind == MouseArea::Kind::Parent) {
                open.push_back(static_cast<int>(map.areas_.size()) - 1);
            }
            break;
        }
        case MOUSE_RECT_TOOLTIP:
            if (!open.empty()) {
                map.areas_[static_cast<std::size_t>(open.back())].tooltip = &row;
                bool end_follows = i + 1 < rows && list[i + 1].rect_type == MOUSE_RECT_END_PARENT;
                if (unclosed > 0 && open.size() > 1 && !end_follows) {
                    open.pop_back();
                    --unclosed;
                }
            }
            break;
        case MOUSE_RECT_END_PARENT:
            if (!open.empty()) {
                open.pop_back();
            }
            break;
        default:
            throw HostError("mouse rectangle row " + std::to_string(i) + " has unknown type " +
                            std::to_string(row.rect_type));
        }
    }
    return map;
}

const MouseArea* MouseMap::child_at(PIXPOINT p) const {
    for (const MouseArea& area : areas_) {
        if (area.kind == MouseArea::Kind::Child && area.contains(p)) {
            return &area;
        }
    }
    return nullptr;
}

const MouseArea* MouseMap::text_parent_at(PIXPOINT p) const {
    const MouseArea* best = nullptr;
    for (const MouseArea& area : areas_) {
        if (area.kind != MouseArea::Kind::Parent || !area.contains(p)) continue;
        if (area.tooltip == nullptr && area.rect->help_id == 0) continue;
        if (best == nullptr || area.depth >= best->depth) {
            best = &area;
        }
    }
    return best;
}

}  // namespace host
