#include "host/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>

#include "host/host_error.h"
#include "host/text_util.h"

namespace host {

namespace {

struct PanelName {
    const char* name;
    int id;
};

const PanelName panel_names[] = {
    {"MAIN_PANEL", 0},           {"RADIO_STACK_PANEL", 50},   {"COMPASS_PANEL", 75},
    {"ANNUNCIATOR_PANEL", 125},  {"ANNUNCIATOR2_PANEL", 150}, {"COLLECTIVE_PANEL", 200},
    {"THROTTLE_PANEL", 10},      {"MINI_CONTROLS_PANEL", 100}, {"IFR_MAIN_PANEL", 175},
    {"GPS_PANEL", 225},          {"OVERHEAD_PANEL", 250},
};

std::vector<std::string> split(const std::string& s, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    while (true) {
        auto at = s.find(separator, start);
        parts.push_back(s.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) {
            return parts;
        }
        start = at + 1;
    }
}

bool all_digits(const std::string& s, std::size_t from) {
    return from < s.size() &&
           std::all_of(s.begin() + static_cast<long>(from), s.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

// A whole field that is a decimal integer with an optional sign, within
// +-MAX_WHOLE_NUMBER.
std::optional<int> integer(const std::string& field) {
    std::string t = trim(field);
    if (t.empty() || !all_digits(t, (t[0] == '-' || t[0] == '+') ? 1 : 0)) {
        return std::nullopt;
    }
    auto value = whole_number(t);
    if (!value || *value < -MAX_WHOLE_NUMBER || *value > MAX_WHOLE_NUMBER) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

class Reader {
public:
    Reader(const std::string& path) : path_(path) {}

    [[noreturn]] void error(int line, const std::string& what) const { throw HostError(path_, line, what); }

    int require_int(int line, const std::string& key, const std::string& value) const {
        auto v = integer(value);
        if (!v) {
            error(line, key + ": expected a whole number, found " + quoted(trim(value)));
        }
        return *v;
    }

    // A size or position in window pixels: |value| <= MAX_WINDOW_PIXELS, and
    // at least `low`.
    int require_pixels(int line, const std::string& key, int value, int low) const {
        if (value < low || value > MAX_WINDOW_PIXELS || value < -MAX_WINDOW_PIXELS) {
            error(line, key + ": expected " + std::to_string(std::max(low, -MAX_WINDOW_PIXELS)) + " to " +
                            std::to_string(MAX_WINDOW_PIXELS) + " pixels, found " + std::to_string(value));
        }
        return value;
    }

    GaugePlacement gauge(int line, const std::string& key, const std::string& value) const {
        GaugePlacement g;
        g.key = key;
        g.line = line;
        std::vector<std::string> fields = split(value, ',');
        std::string name = trim(fields[0]);
        auto bang = name.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == name.size()) {
            error(line, key + ": expected Module!Gauge, found " + quoted(name));
        }
        g.module = trim(name.substr(0, bang));
        g.gauge = trim(name.substr(bang + 1));
        if (fields.size() < 3) {
            error(line, key + ": expected Module!Gauge, x, y[, w[, h]][, parameters]");
        }
        g.x = require_pixels(line, key + " x", require_int(line, key + " x", fields[1]), INT32_MIN);
        g.y = require_pixels(line, key + " y", require_int(line, key + " y", fields[2]), INT32_MIN);
        std::size_t next = 3;
        if (next < fields.size() && integer(fields[next])) {
            g.width = integer(fields[next++]);
            if (next < fields.size() && integer(fields[next])) {
                g.height = integer(fields[next++]);
            }
        }
        if ((g.width && *g.width <= 0) || (g.height && *g.height <= 0)) {
            error(line, key + ": width and height must be positive");
        }
        if (g.width) require_pixels(line, key + " width", *g.width, 1);
        if (g.height) require_pixels(line, key + " height", *g.height, 1);
        // The rest of the line, commas included, is the gauge's parameter string.
        std::string parameters;
        for (std::size_t i = next; i < fields.size(); ++i) {
            parameters += (i > next ? "," : "") + fields[i];
        }
        g.parameters = trim(parameters);
        return g;
    }

    void window_key(WindowConfig& w, int line, const std::string& key, const std::string& value) const {
        std::string k = lower(key);
        if (k.rfind("gauge", 0) == 0 && k.size() > 5 &&
            std::all_of(k.begin() + 5, k.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) {
            w.gauges.push_back(gauge(line, excerpt(key), value));
        } else if (k == "file") {
            w.background = trim(value);
        } else if (k == "window_title") {
            w.title = trim(value);
        } else if (k == "size_mm") {
            std::vector<std::string> parts = split(value, ',');
            if (parts.size() > 2) {
                error(line, "size_mm: expected WIDTH or WIDTH,HEIGHT");
            }
            w.size_mm_x = require_pixels(line, "size_mm", require_int(line, "size_mm", parts[0]), 0);
            if (parts.size() == 2) {
                w.size_mm_y = require_pixels(line, "size_mm height", require_int(line, "size_mm height", parts[1]), 0);
            }
        } else if (k == "position") {
            w.position = require_int(line, "position", value);
            if (w.position < 0 || w.position > 8) {
                error(line, "position: expected 0 to 8, found " + quoted(trim(value)));
            }
        } else if (k == "visible") {
            int v = require_int(line, "visible", value);
            if (v != 0 && v != 1) {
                error(line, "visible: expected 0 or 1, found " + quoted(trim(value)));
            }
            w.visible = v == 1;
        } else if (k == "ident") {
            std::string t = trim(value);
            if (auto id = panel_id_by_name(t)) {
                w.ident = *id;
            } else if (auto n = integer(t)) {
                w.ident = *n;
            } else {
                error(line, "ident: expected a panel name (MAIN_PANEL, RADIO_STACK_PANEL, ...) or a number, found " +
                                quoted(t));
            }
        }
        // Other window keys (colours, sizing flags...) do not concern this host.
    }

private:
    std::string path_;
};

}  // namespace

std::optional<int> panel_id_by_name(const std::string& name) {
    for (const PanelName& p : panel_names) {
        if (name == p.name) {
            return p.id;
        }
    }
    return std::nullopt;
}

std::string panel_name(int id) {
    for (const PanelName& p : panel_names) {
        if (p.id == id) {
            return p.name;
        }
    }
    return std::to_string(id);
}

std::optional<WindowConfig::Pixels> WindowConfig::pixel_size(const std::optional<Pixels>& background) const {
    if (!size_mm_x || *size_mm_x <= 0) return background;
    Pixels s{*size_mm_x, 0};
    if (size_mm_y && *size_mm_y > 0) {
        s.height = *size_mm_y;
    } else if (background && background->width > 0) {
        s.height = static_cast<int>(
            std::min<long long>(static_cast<long long>(background->height) * s.width / background->width, MAX_WINDOW_PIXELS));
    }
    if (s.height <= 0) return std::nullopt;
    return s;
}

PanelConfig PanelConfig::read(const std::string& path) {
    std::ifstream in = open_input(path, "panel configuration");
    return parse(in, path);
}

PanelConfig PanelConfig::parse(std::istream& in, const std::string& path) {
    PanelConfig config;
    config.path = path;
    Reader reader(path);
    enum class Section { None, Window, Titles, Other } section = Section::None;
    WindowConfig* window = nullptr;
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        std::string text = trim(raw);
        if (line == 1 && text.rfind("\xEF\xBB\xBF", 0) == 0) {
            text = trim(text.substr(3));  // UTF-8 byte order mark
        }
        if (text.empty() || text[0] == ';' || text.rfind("//", 0) == 0) {
            continue;
        }
        if (text[0] == '[') {
            if (text.back() != ']') {
                reader.error(line, "section header without closing ']': " + quoted(text));
            }
            std::string name = trim(text.substr(1, text.size() - 2));
            std::string l = lower(name);
            window = nullptr;
            if (l.rfind("window", 0) == 0 && all_digits(l, 6)) {
                auto n = integer(l.substr(6));
                if (!n) {
                    reader.error(line, "[" + name.substr(0, 6) + "NN]: expected a window number up to " +
                                           std::to_string(MAX_WHOLE_NUMBER) + ", found " + quoted(name.substr(6)));
                }
                int number = *n;
                for (const WindowConfig& w : config.windows) {
                    if (w.number == number) {
                        reader.error(line, quoted("[" + name + "]") + " is defined twice (first at line " +
                                           std::to_string(w.line) + ")");
                    }
                }
                config.windows.push_back({});
                window = &config.windows.back();
                window->number = number;
                window->section = name;
                window->line = line;
                section = Section::Window;
            } else if (l == "window titles") {
                section = Section::Titles;
            } else {
                section = Section::Other;  // [VIEWS], [Vcockpit01], [fltsim]... not used here
            }
            continue;
        }
        auto equals = text.find('=');
        if (equals == std::string::npos || trim(text.substr(0, equals)).empty()) {
            reader.error(line, "expected KEY=VALUE or [Section], found " + quoted(text));
        }
        std::string key = trim(text.substr(0, equals));
        std::string value = text.substr(equals + 1);
        switch (section) {
        case Section::None:
            reader.error(line, quoted(key) + " before the first [Section]");
        case Section::Window:
            reader.window_key(*window, line, key, value);
            break;
        case Section::Titles:
            config.window_titles.push_back(trim(value));
            break;
        case Section::Other:
            break;
        }
    }
    return config;
}

}  // namespace host
