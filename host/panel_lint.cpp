#include "host/panel_lint.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "frame/parameters.h"
#include "host/host_error.h"
#include "host/module_loader.h"
#include "host/suggest.h"
#include "host/text_util.h"

namespace host {

namespace {

// The module whose gauges' parameter keys lint knows.
constexpr const char* THIS_MODULE = "vantor_instr";

// The generic panel buttons: their strings hold click and install commands.
const std::set<std::string> GENERIC_BUTTONS = {
    "Invisible_Toggle",       "Radios_Toggle",        "GPS_Toggle",
    "Throttle_Toggle",        "Compass_Toggle",       "Close_Subpanel",
    "Nav_Instruments_Toggle", "Seat_Up_Toggle",       "Seat_Down_Toggle",
    "Landing_View_Toggle",    "Left_Taxi_Toggle",     "Right_Taxi_Toggle",
    "Show_Yoke",              "Overhead_Toggle",      "Electricity_Toggle",
    "Fuel_Zoom",              "ADF_Indicator_Toggle", "VOR_Indicator_Toggle",
};

bool is_key_letter(char c) { return c >= 'a' && c <= 'z'; }

// Where the gauges stop reading: the first comment character (or the
// string's end, for them its first zero byte).
std::size_t read_end(const std::string& p) {
    const std::size_t at = p.find_first_of(std::string("/#'\0", 4));
    return at == std::string::npos ? p.size() : at;
}

void add_once(std::string& letters, char c) {
    if (letters.find(c) == std::string::npos) letters += c;
}

// Letters in p[from, to): those in `once` count the first time only, those
// in `every` always; any other lower-case letter is not read.
void sort_keys(const std::string& p, std::size_t from, std::size_t to, const std::string& once,
               const std::string& every, ParameterUse& use) {
    std::string seen;
    for (std::size_t i = from; i < to; ++i) {
        const char c = p[i];
        if (!is_key_letter(c) || every.find(c) != std::string::npos) continue;
        if (once.find(c) == std::string::npos) add_once(use.unread_keys, c);
        else if (seen.find(c) != std::string::npos) add_once(use.repeated_keys, c);
        else seen += c;
    }
}

void button_use(const std::string& p, ParameterUse& use) {
    if (p.empty()) {
        use.windows.push_back({"a click without parameters toggles", 0, false});
        return;
    }
    const std::size_t end = read_end(p);
    sort_keys(p, 0, end, "pabh", "oct", use);
    bool start_panel_read = false;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = p[i];
        const bool command = c == 'o' || c == 'c' || c == 't';
        if (!command && (c != 'a' || start_panel_read)) continue;
        start_panel_read = start_panel_read || c == 'a';
        const SINT32 id = param_panel_id(p.c_str() + i + 1);
        if (id < 0) continue;  // sends nothing
        const char* what = c == 'o' ? "o opens" : c == 'c' ? "c closes" : c == 't' ? "t toggles" : "a closes";
        use.windows.push_back({what, id, c == 'a'});
    }
}

void registration_use(const std::string& p, ParameterUse& use) {
    if (p.empty()) return;
    const std::size_t end = read_end(p);
    const std::size_t blank = std::min(p.find(' '), end);
    if (blank > 0 && p[0] != 't') use.plate_text_unread = true;
    if (blank >= end) return;
    // After the first blank: colour keys, then the font to the end.
    const std::size_t font = std::min(p.find('f', blank), end);
    sort_keys(p, blank + 1, font, "rgb", "", use);
}

}  // namespace

ParameterUse parameter_use(const std::string& gauge, const std::string& parameters) {
    ParameterUse use;
    if (GENERIC_BUTTONS.count(gauge) != 0) {
        button_use(parameters, use);
    } else if (gauge == "Registration") {
        registration_use(parameters, use);
    } else if (gauge == "Radio_Altimeter") {
        sort_keys(parameters, 0, read_end(parameters), "s", "", use);
    } else {
        use.reads_parameters = false;
        use.ignored = trim(parameters.substr(0, read_end(parameters)));
    }
    return use;
}

namespace {

using Size = WindowConfig::Pixels;

struct Rect {
    int x, y, width, height;
    bool overlaps(const Rect& o) const {
        return x < o.x + o.width && o.x < x + width && y < o.y + o.height && o.y < y + height;
    }
};

std::string describe(const Rect& r) {
    return "at " + std::to_string(r.x) + "," + std::to_string(r.y) + " (" + std::to_string(r.width) + " x " +
           std::to_string(r.height) + ")";
}

// A bitmap file's width and height from its headers.
std::optional<Size> bmp_size(const std::string& path, std::string* why) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        *why = "no such file";
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    unsigned char h[26] = {};
    if (!in.read(reinterpret_cast<char*>(h), sizeof h) || h[0] != 'B' || h[1] != 'M') {
        *why = "not a bitmap file";
        return std::nullopt;
    }
    auto u16 = [&](int at) { return static_cast<std::uint16_t>(h[at] | h[at + 1] << 8); };
    auto i32 = [&](int at) { return static_cast<std::int32_t>(u16(at) | static_cast<std::uint32_t>(u16(at + 2)) << 16); };
    Size s;
    if (u16(14) == 12) {  // the old core header: 16-bit sizes
        s = {u16(18), u16(20)};
    } else {
        const std::int32_t height = i32(22);
        s = {i32(18), height == INT32_MIN ? 0 : std::abs(height)};
    }
    if (s.width <= 0 || s.height <= 0 || s.width > MAX_WINDOW_PIXELS || s.height > MAX_WINDOW_PIXELS) {
        *why = "a bitmap of " + std::to_string(s.width) + " x " + std::to_string(s.height) + " pixels";
        return std::nullopt;
    }
    return s;
}

class Linter {
public:
    Linter(const PanelConfig& config, const Panel::Options& options, const BitmapCatalog& bitmaps)
        : config_(config), options_(options), bitmaps_(bitmaps) {}

    std::vector<LintFinding> run() {
        std::set<int> idents;
        for (const WindowConfig& w : config_.windows) {
            if (w.ident >= 0) idents.insert(w.ident);
        }
        for (const WindowConfig& w : config_.windows) {
            duplicate_keys(w);
            std::optional<Size> size = window_size(w);
            std::vector<std::pair<const GaugePlacement*, Rect>> placed;
            for (const GaugePlacement& g : w.gauges) {
                GAUGEHDR* header = gauge(g);
                if (header == nullptr) continue;
                if (lower(g.module) == THIS_MODULE) parameters(g, idents);
                std::optional<Rect> r = rect(g, *header);
                if (!r) continue;
                if (size) inside(w, *size, g, *r);
                for (const auto& [other, other_rect] : placed) {
                    if (r->overlaps(other_rect)) {
                        add(g.line, g.key + " " + g.gauge + " " + describe(*r) + " overlaps " + other->key + " " +
                                        other->gauge + " " + describe(other_rect) + ", line " +
                                        std::to_string(other->line));
                    }
                }
                placed.emplace_back(&g, *r);
            }
        }
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const LintFinding& a, const LintFinding& b) { return a.line < b.line; });
        return findings_;
    }

private:
    void add(int line, std::string message) { findings_.push_back({line, std::move(message)}); }

    void duplicate_keys(const WindowConfig& w) {
        std::map<std::string, int> first;
        for (const GaugePlacement& g : w.gauges) {
            auto [at, fresh] = first.emplace(lower(g.key), g.line);
            if (!fresh) {
                add(g.line, g.key + " is given twice in [" + w.section + "] (first at line " +
                                std::to_string(at->second) + ")");
            }
        }
    }

    // The module's header of a placement's gauge; null (and a finding) when
    // the module or the gauge is missing.
    GAUGEHDR* gauge(const GaugePlacement& g) {
        auto known = modules_.find(g.module);
        if (known == modules_.end()) {
            known = modules_.emplace(g.module, load(g)).first;
        }
        if (!known->second) return nullptr;
        GAUGEHDR* header = known->second->gauge(g.gauge);
        if (header == nullptr) {
            add(g.line, g.key + ": module " + excerpt(g.module) + " has no gauge named " + quoted(g.gauge) +
                            did_you_mean(g.gauge, known->second->gauge_names()));
        }
        return header;
    }

    std::unique_ptr<LoadedModule> load(const GaugePlacement& g) {
        std::string where;
        const std::string path = Panel::module_file(g.module, options_, config_.path, &where);
        if (path.empty()) {
            add(g.line, g.key + ": module " + excerpt(g.module) + " not found (looked in " + where +
                            "): its gauges are not checked");
            return nullptr;
        }
        try {
            return std::make_unique<LoadedModule>(ModuleLoader::load(path));
        } catch (const HostError& e) {
            add(g.line, g.key + ": " + e.what() + ": its gauges are not checked");
            return nullptr;
        }
    }

    // The window's pixel size as the renderer takes it, its background read
    // here from the bitmap file's headers.
    std::optional<Size> window_size(const WindowConfig& w) {
        std::optional<Size> background;
        if (!w.background.empty()) {
            std::string why;
            background = bmp_size((std::filesystem::path(panel_folder(config_.path)) / w.background).string(), &why);
            if (!background) add(w.line, "[" + w.section + "] file=" + excerpt(w.background) + ": " + why);
        }
        return w.pixel_size(background);
    }

    // Where the gauge is drawn: its placed size, or its background
    // bitmap's, a missing height kept in the bitmap's proportions.
    std::optional<Rect> rect(const GaugePlacement& g, const GAUGEHDR& header) const {
        Rect r{g.x, g.y, g.width.value_or(0), g.height.value_or(0)};
        if (g.width && g.height) return r;
        std::optional<BitmapSize> bitmap;
        if (header.elements != nullptr && header.elements[0] != nullptr) {
            bitmap = bitmaps_.size(header.elements[0]->bitmap_id);
        }
        if (!bitmap || bitmap->width <= 0 || bitmap->height <= 0) return std::nullopt;
        if (!g.width) r.width = bitmap->width;
        if (!g.height) {
            r.height = std::max(1, static_cast<int>((static_cast<long long>(bitmap->height) * r.width +
                                                     bitmap->width / 2) / bitmap->width));
        }
        return r;
    }

    void inside(const WindowConfig& w, Size size, const GaugePlacement& g, const Rect& r) {
        std::vector<std::string> edges;
        if (r.x < 0) edges.push_back("left");
        if (r.y < 0) edges.push_back("top");
        if (r.x + r.width > size.width) edges.push_back("right");
        if (r.y + r.height > size.height) edges.push_back("bottom");
        if (edges.empty()) return;
        std::string list;
        for (std::size_t i = 0; i < edges.size(); ++i) {
            list += (i == 0 ? "" : i + 1 == edges.size() ? " and " : ", ") + edges[i];
        }
        add(g.line, g.key + " " + g.gauge + " " + describe(r) + " reaches past the " + list + " edge" +
                        (edges.size() > 1 ? "s" : "") + " of [" + w.section + "] (" + std::to_string(size.width) +
                        " x " + std::to_string(size.height) + ")");
    }

    void parameters(const GaugePlacement& g, const std::set<int>& idents) {
        const ParameterUse use = parameter_use(g.gauge, g.parameters);
        const std::string who = g.key + " " + g.gauge;
        if (!use.reads_parameters && !use.ignored.empty()) {
            add(g.line, who + " reads no parameters: " + quoted(use.ignored) + " is ignored");
        }
        if (use.plate_text_unread) {
            add(g.line, who + " shows N700MS: the plate text is read only after a leading t (tN123)");
        }
        if (!use.unread_keys.empty()) {
            std::string keys;
            for (char c : use.unread_keys) keys += std::string(keys.empty() ? "" : " ") + c;
            add(g.line, who + " does not read the key" + (use.unread_keys.size() > 1 ? "s " : " ") + keys + " in " +
                            quoted(g.parameters) +
                            " (lower-case letters are keys anywhere, also inside words: write other text in "
                            "capitals or after a #)");
        }
        for (char c : use.repeated_keys) {
            add(g.line, who + " reads only the first " + std::string(1, c) + " of " + quoted(g.parameters));
        }
        for (const ParameterUse::WindowCommand& command : use.windows) {
            if (idents.count(command.window) != 0) continue;
            add(g.line, who + ": " + command.what + " window " + std::to_string(command.window) +
                            (panel_name(command.window) != std::to_string(command.window)
                                 ? " (" + panel_name(command.window) + ")"
                                 : "") +
                            (command.at_load ? " at load" : "") + ", which no window has as its ident");
        }
    }

    const PanelConfig& config_;
    const Panel::Options& options_;
    const BitmapCatalog& bitmaps_;
    std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
    std::vector<LintFinding> findings_;
};

}  // namespace

std::vector<LintFinding> lint_panel(const PanelConfig& config, const Panel::Options& modules,
                                    const BitmapCatalog& bitmaps) {
    return Linter(config, modules, bitmaps).run();
}

}  // namespace host
