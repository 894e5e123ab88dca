#include "host/bitmap_catalog.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "host/host_error.h"
#include "host/text_util.h"

namespace host {

BitmapCatalog BitmapCatalog::read(const std::string& path) {
    std::ifstream in = open_input(path, "bitmap table");
    BitmapCatalog catalog;
    std::string row;
    int line = 0;
    while (std::getline(in, row)) {
        ++line;
        if (!row.empty() && row.back() == '\r') {
            row.pop_back();
        }
        if (row.empty() || row[0] == '#' || (line == 1 && row.rfind("id", 0) == 0)) {
            continue;
        }
        std::vector<std::string> fields;
        std::stringstream columns(row);
        std::string field;
        while (fields.size() < 3 && std::getline(columns, field, '\t')) {
            fields.push_back(field);
        }
        try {
            if (fields.size() < 3) {
                throw std::invalid_argument("columns");
            }
            std::size_t used = 0;
            unsigned long id = std::stoul(fields[0], &used);
            int w = std::stoi(fields[1]);
            int h = std::stoi(fields[2]);
            if (used != fields[0].size() || w <= 0 || h <= 0) {
                throw std::invalid_argument("values");
            }
            catalog.add(static_cast<UINT32>(id), {w, h});
        } catch (const std::logic_error&) {
            throw HostError(path, line, "expected id<TAB>width<TAB>height..., found " + quoted(row));
        }
    }
    return catalog;
}

std::optional<BitmapSize> BitmapCatalog::size(UINT32 id) const {
    auto found = sizes_.find(id);
    if (found == sizes_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace host
