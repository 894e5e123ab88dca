#include "host/panel_config.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
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

// A whole field that is a decimal integer with an optional sign.
std::optional<int> integer(const std::string& field) {
    std::string t = trim(field);
    if (t.empty()) {
        return std::nullopt;
    }
    std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size() || !std::all_of(t.begin() + static_cast<long>(i), t.end(),
                                      [](unsigned char c) { return std::isdigit(c) != 0; })) {
        return std::nullopt;
    }
    if (t.size() > 10) {
        return std::nullopt;
    }
    long value = std::strtol(t.c_str(), nullptr, 10);
    if (value < -1000000000L || value > 1000000000L) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

class Reader {
public:
    Reader(const std::string& path) : path_(path) {}

    [[noreturn]] void error(int line, const std::string& what) const { throw HostError(path_, line, what); }

    int require_int(int line, const std::string& key, const std::string& value) const {
        auto v = integer(value);
        if (!v) {
            error(line, key + ": expected a whole number, found \"" + trim(value) + "\"");
        }
        return *v;
    }

    GaugePlacement gauge(int line, const std::string& key, const std::string& value) const {
        GaugePlacement g;
        g.key = key;
        g.line = line;
        std::vector<std::string> fields = split(value, ',');
        std::string name = trim(fields[0]);
        auto bang = name.find('!');
        if (bang == std::string::npos || bang == 0 || bang + 1 == name.size()) {
            error(line, key + ": expected Module!Gauge, found \"" + name + "\"");
        }
        g.module = trim(name.substr(0, bang));
        g.gauge = trim(name.substr(bang + 1));
        if (fields.size() < 3) {
            error(line, key + ": expected Module!Gauge, x, y[, w[, h]][, parameters]");
        }
        g.x = require_int(line, key + " x", fields[1]);
        g.y = require_int(line, key + " y", fields[2]);
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
            w.gauges.push_back(gauge(line, key, value));
        } else if (k == "file") {
            w.background = trim(value);
        } else if (k == "window_title") {
            w.title = trim(value);
        } else if (k == "size_mm") {
            std::vector<std::string> parts = split(value, ',');
            if (parts.size() > 2) {
                error(line, "size_mm: expected WIDTH or WIDTH,HEIGHT");
            }
            w.size_mm_x = require_int(line, "size_mm", parts[0]);
            if (parts.size() == 2) {
                w.size_mm_y = require_int(line, "size_mm height", parts[1]);
            }
        } else if (k == "position") {
            w.position = require_int(line, "position", value);
            if (w.position < 0 || w.position > 8) {
                error(line, "position: expected 0 to 8, found " + trim(value));
            }
        } else if (k == "visible") {
            int v = require_int(line, "visible", value);
            if (v != 0 && v != 1) {
                error(line, "visible: expected 0 or 1, found " + trim(value));
            }
            w.visible = v == 1;
        } else if (k == "ident") {
            std::string t = trim(value);
            if (auto id = panel_id_by_name(t)) {
                w.ident = *id;
            } else if (auto n = integer(t)) {
                w.ident = *n;
            } else {
                error(line, "ident: expected a panel name (MAIN_PANEL, RADIO_STACK_PANEL, ...) or a number, found \"" +
                                t + "\"");
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

PanelConfig PanelConfig::read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw HostError("cannot open panel configuration " + path);
    }
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
                reader.error(line, "section header without closing ']': " + text);
            }
            std::string name = trim(text.substr(1, text.size() - 2));
            std::string l = lower(name);
            window = nullptr;
            if (l.rfind("window", 0) == 0 && l.size() > 6 &&
                std::all_of(l.begin() + 6, l.end(), [](unsigned char c) { return std::isdigit(c) != 0; })) {
                int number = std::atoi(l.c_str() + 6);
                for (const WindowConfig& w : config.windows) {
                    if (w.number == number) {
                        reader.error(line, "[" + name + "] is defined twice (first at line " + std::to_string(w.line) + ")");
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
            reader.error(line, "expected KEY=VALUE or [Section], found \"" + text + "\"");
        }
        std::string key = trim(text.substr(0, equals));
        std::string value = text.substr(equals + 1);
        switch (section) {
        case Section::None:
            reader.error(line, "\"" + key + "\" before the first [Section]");
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
