// The bitmap table, resources/bitmaps.tsv: one row per bitmap resource of the
// module, tab-separated, with a header row naming the columns.
#pragma once

#include <string>
#include <vector>

#include "tools/artgen/art.h"

namespace artgen {

// Reads the table. On failure returns false and says why in `error`
// (file and line). A row with an empty depth is a 24-bit bitmap.
bool read_table(const std::string& path, std::vector<BitmapInfo>& rows, std::string& error);

// The table's own rules, one message per broken rule: ids unique, sizes
// positive, depth 8 or 24, the bitmaps of an icon element on consecutive ids
// ("icon k of n" rows with the same count), and every moving image and sprite
// followed by its window at the next id.
std::vector<std::string> check_table(const std::vector<BitmapInfo>& rows);

}  // namespace artgen
