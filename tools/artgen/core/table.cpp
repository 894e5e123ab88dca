#include "tools/artgen/core/table.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>

namespace artgen {

namespace {

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool parse_number(const std::string& text, long long& value) {
    if (text.empty()) {
        return false;
    }
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return *end == '\0';
}

// "... icon 2 of 3 ..." in the role column: index 1 of a 3-image icon.
bool icon_position(const std::string& role, int& index, int& count) {
    for (std::size_t at = role.find("icon "); at != std::string::npos; at = role.find("icon ", at + 1)) {
        int k = 0;
        int n = 0;
        if (std::sscanf(role.c_str() + at, "icon %d of %d", &k, &n) == 2 && k >= 1 && n >= 1) {
            index = k - 1;
            count = n;
            return true;
        }
    }
    return false;
}

}  // namespace

bool read_table(const std::string& path, std::vector<BitmapInfo>& rows, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open";
        return false;
    }
    std::string line;
    if (!std::getline(in, line)) {
        error = path + ": empty";
        return false;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const std::vector<std::string> header = split_tabs(line);
    std::map<std::string, std::size_t> column;
    for (std::size_t i = 0; i < header.size(); ++i) {
        column[header[i]] = i;
    }
    for (const char* name : {"id", "w", "h", "depth", "kind", "gauge", "role", "what_it_shows", "icon_count"}) {
        if (!column.count(name)) {
            error = path + ": no column '" + name + "'";
            return false;
        }
    }
    rows.clear();
    for (int number = 2; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty()) {
            continue;
        }
        const std::vector<std::string> fields = split_tabs(line);
        const std::string where = path + ":" + std::to_string(number) + ": ";
        auto field = [&](const char* name) -> std::string {
            const std::size_t i = column[name];
            return i < fields.size() ? fields[i] : std::string();
        };
        BitmapInfo row;
        long long id = 0;
        long long w = 0;
        long long h = 0;
        if (!parse_number(field("id"), id) || id <= 0 || id > 0xFFFF) {
            error = where + "bad id '" + field("id") + "' (1 to 65535)";
            return false;
        }
        if (!parse_number(field("w"), w) || !parse_number(field("h"), h)) {
            error = where + "bad size";
            return false;
        }
        row.id = static_cast<std::uint32_t>(id);
        row.width = static_cast<int>(w);
        row.height = static_cast<int>(h);
        const std::string depth = field("depth");
        long long d = 24;
        if (!depth.empty() && !parse_number(depth, d)) {
            error = where + "bad depth '" + depth + "'";
            return false;
        }
        row.depth = static_cast<int>(d);
        row.kind = field("kind");
        row.gauge = field("gauge");
        row.role = field("role");
        row.what_it_shows = field("what_it_shows");
        long long count = 0;
        if (!field("icon_count").empty() && !parse_number(field("icon_count"), count)) {
            error = where + "bad icon_count '" + field("icon_count") + "'";
            return false;
        }
        row.icon_count = static_cast<int>(count);
        int index = -1;
        int of = 0;
        if (icon_position(row.role, index, of)) {
            row.icon_index = index;
        }
        rows.push_back(row);
    }
    return true;
}

std::vector<std::string> check_table(const std::vector<BitmapInfo>& rows) {
    std::vector<std::string> problems;
    std::map<std::uint32_t, const BitmapInfo*> by_id;
    for (const BitmapInfo& row : rows) {
        const std::string name = std::to_string(row.id) + ": ";
        if (!by_id.emplace(row.id, &row).second) {
            problems.push_back(name + "listed twice");
        }
        if (row.width <= 0 || row.height <= 0) {
            problems.push_back(name + "size must be positive");
        }
        if (row.depth != 8 && row.depth != 24) {
            problems.push_back(name + "depth must be 8 or 24");
        }
    }
    for (const BitmapInfo& row : rows) {
        const std::string name = std::to_string(row.id) + ": ";
        int index = -1;
        int count = 0;
        const bool is_icon = icon_position(row.role, index, count);
        if (row.kind == "icon" && !is_icon) {
            problems.push_back(name + "icon row without 'icon k of n' in its role");
        }
        if (is_icon) {
            if (row.icon_count != count) {
                problems.push_back(name + "icon_count " + std::to_string(row.icon_count) + " but role says of " +
                                   std::to_string(count));
            }
            // Every image of the element sits at first id + index.
            const std::uint32_t first = row.id - static_cast<std::uint32_t>(index);
            for (int k = 0; k < count; ++k) {
                auto it = by_id.find(first + static_cast<std::uint32_t>(k));
                int other_index = -1;
                int other_count = 0;
                if (it == by_id.end() || !icon_position(it->second->role, other_index, other_count) ||
                    other_index != k || other_count != count) {
                    problems.push_back(name + "icon " + std::to_string(index + 1) + " of " + std::to_string(count) +
                                       " needs icon " + std::to_string(k + 1) + " at id " +
                                       std::to_string(first + static_cast<std::uint32_t>(k)));
                }
            }
        }
        if (row.kind == "moving" || row.kind == "sprite") {
            auto it = by_id.find(row.id + 1);
            if (it == by_id.end() || it->second->kind != row.kind + "_window") {
                problems.push_back(name + row.kind + " without its window (" + row.kind + "_window) at id " +
                                   std::to_string(row.id + 1));
            }
        }
        if (row.kind == "moving_window" || row.kind == "sprite_window") {
            auto it = by_id.find(row.id - 1);
            if (it == by_id.end() || it->second->kind + "_window" != row.kind) {
                problems.push_back(name + row.kind + " without its image at id " + std::to_string(row.id - 1));
            }
        }
    }
    return problems;
}

}  // namespace artgen
