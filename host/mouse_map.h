// A gauge's mouse rectangle list as areas on the gauge bitmap.
//
// Child boxes are relative to their innermost parent; a parent with an
// all-zero box covers the whole gauge. Where a list has fewer end rows than
// parents, a nested parent whose tooltip row is not followed by an end row
// closes right after its tooltip (its children then belong to the parent
// around it, in practice the whole-gauge parent).
#pragma once

#include <vector>

#include "frame/host_types.h"

namespace host {

struct MouseArea {
    enum class Kind { Parent, Child };
    Kind kind = Kind::Child;
    int row = 0;                   // index in the gauge's list
    MOUSERECT* rect = nullptr;
    PIXBOX box{};                  // on the gauge bitmap
    bool whole_gauge = false;      // an all-zero parent box
    int parent = -1;               // index of the enclosing parent area
    int depth = 0;                 // 0 for outermost parents
    const MOUSERECT* tooltip = nullptr;  // parents: their tooltip row

    bool contains(PIXPOINT p) const;
};

class MouseMap {
public:
    MouseMap() = default;
    // Throws HostError for a list without an end row or with an unknown row type.
    static MouseMap build(MOUSERECT* list);

    const std::vector<MouseArea>& areas() const { return areas_; }
    // The first child area, in list order, that contains the point.
    const MouseArea* child_at(PIXPOINT p) const;
    // The parent that shows its text at the point: the deepest parent
    // containing it that has a tooltip row or a help id; among equals the
    // later one in the list.
    const MouseArea* text_parent_at(PIXPOINT p) const;

private:
    std::vector<MouseArea> areas_;
};

}  // namespace host
