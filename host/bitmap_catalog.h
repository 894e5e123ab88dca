// Pixel sizes of the module's bitmaps by resource id, read from the
// resources table (tab-separated, a header row, then id, width, height, ...).
#pragma once

#include <map>
#include <optional>
#include <string>

#include "frame/host_types.h"

namespace host {

struct BitmapSize {
    int width;
    int height;
};

class BitmapCatalog {
public:
    BitmapCatalog() = default;
    // Throws HostError naming the file and line of a malformed row.
    static BitmapCatalog read(const std::string& path);

    void add(UINT32 id, BitmapSize size) { sizes_[id] = size; }
    std::optional<BitmapSize> size(UINT32 id) const;
    bool empty() const { return sizes_.empty(); }

private:
    std::map<UINT32, BitmapSize> sizes_;
};

}  // namespace host
