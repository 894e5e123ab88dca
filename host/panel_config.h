// The simulator's panel.cfg: window sections with their gauges. See
// docs/panel-cfg.md for the grammar accepted.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace host {

// Whole numbers in panel.cfg lie within +-MAX_WHOLE_NUMBER; window sizes
// (size_mm) and placed gauge sizes are at most MAX_WINDOW_PIXELS, and gauge
// positions within +-MAX_WINDOW_PIXELS: as large as the largest background
// bitmap the renderer reads.
constexpr long MAX_WHOLE_NUMBER = 1000000000L;
constexpr int MAX_WINDOW_PIXELS = 16384;

// Panel window names and their ids; nullopt for other names.
std::optional<int> panel_id_by_name(const std::string& name);
std::string panel_name(int id);  // "RADIO_STACK_PANEL" or the number

struct GaugePlacement {
    std::string module;       // before the '!'
    std::string gauge;        // registered gauge name
    int x = 0;
    int y = 0;
    std::optional<int> width;   // window pixels
    std::optional<int> height;
    std::string parameters;     // empty when none
    std::string key;            // "gauge03"
    int line = 0;               // where it was read
};

struct WindowConfig {
    int number = 0;  // NN of [WindowNN]
    std::string section;
    std::string title;
    std::string background;  // file=
    std::optional<int> size_mm_x;
    std::optional<int> size_mm_y;
    int position = 0;
    bool visible = true;
    int ident = -1;  // -1: none
    std::vector<GaugePlacement> gauges;
    int line = 0;

    struct Pixels {
        int width = 0;
        int height = 0;
    };
    // The window's size in pixels as drawn: size_mm, its height kept in the
    // proportions of the background (its file= bitmap's size, when read)
    // where not given, else the background's own size; nullopt when neither
    // gives one.
    std::optional<Pixels> pixel_size(const std::optional<Pixels>& background) const;
};

struct PanelConfig {
    std::string path;  // as given, for messages
    std::vector<WindowConfig> windows;
    std::vector<std::string> window_titles;  // [Window Titles]

    // Throws HostError naming the file and line of the first problem.
    static PanelConfig read(const std::string& path);
    static PanelConfig parse(std::istream& in, const std::string& path);
};

}  // namespace host
