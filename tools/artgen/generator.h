// The generator's own pieces around the drawing functions.
#pragma once

#include <string>
#include <vector>

#include "tools/artgen/art.h"
#include "tools/artgen/core/bitmap_file.h"

namespace artgen {

// Registered ranges that overlap or have no function.
std::vector<std::string> check_drawings();

struct SheetEntry {
    const BitmapInfo* bitmap;
    Image image;          // as stored in the resource (after palette, for 8-bit)
    bool marks_pending;   // a face whose gauge has no needle in the module yet
};

// One PNG with every bitmap at 1:1, key pixels shown as a checkerboard, each
// labelled with its id and size.
bool write_contact_sheet(const std::string& path, const std::vector<SheetEntry>& entries, std::string& error);

}  // namespace artgen
