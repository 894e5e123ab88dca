// Plain-text descriptions of gauge records and of their evaluated state.
#pragma once

#include <ostream>

#include "frame/host_types.h"
#include "host/bitmap_catalog.h"
#include "host/evaluator.h"
#include "host/mouse_map.h"

namespace host {

// The element tree with each record's fields.
void print_element_tree(std::ostream& out, GAUGEHDR& gauge, const BitmapCatalog& bitmaps);
// The mouse rectangle list row by row, then the areas as the host sees them.
void print_mouse_list(std::ostream& out, GAUGEHDR& gauge, const MouseMap& map);
// One line per element of an update's result.
void print_element_states(std::ostream& out, const GaugeEvaluation& evaluation);

}  // namespace host
