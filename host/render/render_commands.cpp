#include "host/render/render_commands.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "host/bitmap_catalog.h"
#include "host/host_error.h"
#include "host/module_loader.h"
#include "host/panel_config.h"
#include "host/render/panel_renderer.h"
#include "host/render/panel_session.h"
#include "host/scenario.h"
#include "host/suggest.h"
#include "host/text_util.h"

namespace fs = std::filesystem;

namespace host::render {

namespace {

constexpr const char* SHARED_OPTIONS =
    "Where the modules and bitmaps come from:\n"
    "  --gauges DIR        look for modules named by panel.cfg in DIR (repeatable)\n"
    "  --module NAME=FILE  the module panel.cfg calls NAME is FILE\n"
    "                      (without either: the module built beside panelhost; the\n"
    "                      panel.cfg's folder is always searched too)\n"
    "  --bitmaps FILE      the bitmap size table (default: resources/bitmaps.tsv)\n"
    "  --resources DIR     the module's bitmaps (default: NAME.resources/bitmap beside it)\n";

}  // namespace

const std::vector<CommandHelp>& render_command_help() {
    static const std::vector<CommandHelp> help = {
        {"render",
         "  panelhost render --panel PANEL.CFG [--scenario FILE] [--at SECONDS] --out FILE.png\n"
         "            [--hover GAUGE X Y] [--open-all] [--gauges DIR]... [--module NAME=FILE]...\n"
         "            [--bitmaps FILE] [--resources DIR]\n"
         "  panelhost render --gauge NAME [--scale N] [--panel PANEL.CFG [--scenario FILE] [--at SECONDS]]\n"
         "            --out FILE.png ...\n",
         "draw the panel's open windows, or one gauge enlarged, into a PNG",
         "Runs the scenario (18 frames a second) to its end, or to --at SECONDS, and draws\n"
         "every open window: the first on top, the others side by side below it.\n\n"
         "  --panel PANEL.CFG   the panel to load\n"
         "  --scenario FILE     a timeline of values and clicks (docs/scenarios.md)\n"
         "  --at SECONDS        draw that moment of the scenario (at most 86400)\n"
         "  --out FILE.png      where the picture goes\n"
         "  --hover GAUGE X Y   draw the tooltip shown with the pointer at X, Y of the gauge's bitmap\n"
         "  --open-all          open every window that has an ident first\n"
         "  --gauge NAME        draw that gauge alone (with --panel: its first placement)\n"
         "  --scale N           ... at N times its bitmap's size (up to 16)\n"},
        {"run",
         "  panelhost run --panel PANEL.CFG --scenario FILE [--frames DIR] [--every N] [--audio FILE.wav]\n"
         "            [--open-all] ...\n",
         "run a scenario and write every frame as a PNG, and/or its sound as a WAVE file",
         "Prints what the scenario shows, as `scenario` does.\n\n"
         "  --frames DIR        write DIR/frame_NNNNN.png after each frame\n"
         "  --every N           ... only every Nth frame\n"
         "  --audio FILE.wav    record the module's sounds (mono, 16-bit, 22050 Hz)\n"
         "  --open-all, --hover GAUGE X Y as for render\n"},
        {"gallery", "  panelhost gallery [MODULE] --out FILE.png [--resources DIR] [--bitmaps FILE]\n",
         "draw every gauge of the module once, named",
         "MODULE: the module file; without it, the module built beside panelhost.\n"},
        {"sheet", "  panelhost sheet [MODULE] [--out FILE.md] [--resources DIR]\n",
         "write the panel author's sheet: every gauge's name, size and a panel.cfg line",
         "Writes Markdown to FILE.md, or to standard output without --out.\n"
         "MODULE: the module file; without it, the module built beside panelhost.\n"},
    };
    return help;
}

const char* render_shared_options() { return SHARED_OPTIONS; }

namespace {

// A gauge drawn alone is at most this many times its bitmap's size.
constexpr double MAX_GAUGE_SCALE = 16.0;

struct Options : SessionOptions {
    std::vector<std::string> positional;
    std::string panel, scenario, out, frames, audio, gauge;
    std::optional<double> at;
    double scale = 1.0;
    long every = 1;
    std::optional<Hover> hover;
};

Options parse(const std::vector<std::string>& args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw HostError(arg + " needs a value");
            return args[++i];
        };
        auto number = [&](const std::string& v) {
            auto d = real_number(v);
            if (!d || !std::isfinite(*d)) throw HostError(arg + " expects a number, found " + excerpt(v));
            return *d;
        };
        auto whole = [&](const std::string& v, long long low, long long high) {
            auto n = whole_number(v);
            if (!n || *n < low || *n > high) {
                throw HostError(arg + " expects a whole number from " + std::to_string(low) + " to " +
                                std::to_string(high) + ", found " + excerpt(v));
            }
            return *n;
        };
        if (arg == "--panel") o.panel = value();
        else if (arg == "--scenario") o.scenario = value();
        else if (arg == "--out") o.out = value();
        else if (arg == "--frames") o.frames = value();
        else if (arg == "--audio") o.audio = value();
        else if (arg == "--bitmaps") o.bitmaps = value();
        else if (arg == "--resources") o.resources = value();
        else if (arg == "--gauges") o.gauge_folders.push_back(value());
        else if (arg == "--open-all") o.open_all = true;
        else if (arg == "--gauge") o.gauge = value();
        else if (arg == "--scale") {
            o.scale = number(value());
            if (!(o.scale > 0 && o.scale <= MAX_GAUGE_SCALE)) {
                throw HostError("--scale expects a factor above 0 and at most " + std::to_string(int(MAX_GAUGE_SCALE)));
            }
        }
        else if (arg == "--at") {
            o.at = number(value());
            if (*o.at < 0) throw HostError("--at expects seconds from the start, found a negative time");
            if (*o.at * FRAMES_PER_SECOND > static_cast<double>(Scenario::MAX_FRAMES)) {
                throw HostError("--at expects at most " +
                                std::to_string(Scenario::MAX_FRAMES / static_cast<long>(FRAMES_PER_SECOND)) +
                                " seconds (a day)");
            }
        } else if (arg == "--every") {
            o.every = static_cast<long>(whole(value(), 1, Scenario::MAX_FRAMES));
        } else if (arg == "--hover") {
            Hover h;
            h.gauge = value();
            h.point.x = static_cast<SINT32>(whole(value(), INT32_MIN, INT32_MAX));
            h.point.y = static_cast<SINT32>(whole(value(), INT32_MIN, INT32_MAX));
            o.hover = h;
        } else if (arg == "--module") {
            std::string v = value();
            auto eq = v.find('=');
            if (eq == std::string::npos || eq == 0) throw HostError("--module expects NAME=FILE, found " + excerpt(v));
            o.modules[v.substr(0, eq)] = v.substr(eq + 1);
        } else if (arg.rfind("--", 0) == 0) {
            static const std::vector<std::string> known = {
                "--panel", "--scenario", "--out", "--frames", "--audio", "--bitmaps", "--resources", "--gauges",
                "--open-all", "--gauge", "--scale", "--at", "--every", "--hover", "--module"};
            throw HostError("unknown option " + excerpt(arg) + did_you_mean(arg, known));
        } else {
            o.positional.push_back(arg);
        }
    }
    return o;
}

using Session = PanelSession;

void check_hover(const Session& s, const Options& o) {
    if (o.hover && s.panel->find(o.hover->gauge) == nullptr) {
        throw HostError("--hover " + o.hover->gauge + ": " + s.panel->not_placed(o.hover->gauge));
    }
}

void write_or_throw(cairo_surface_t* surface, const std::string& path) {
    std::error_code error;
    fs::path parent = fs::path(path).parent_path();
    if (!parent.empty()) fs::create_directories(parent, error);
    if (!write_png(surface, path)) throw HostError("cannot write " + path);
}

std::string format_seconds(double seconds) {
    char b[32];
    std::snprintf(b, sizeof b, "%.2f s", seconds);
    return b;
}

std::string module_name(const std::string& path) { return fs::path(path).stem().string(); }

// The MODULE a command names, else the module of this build.
std::string module_given(const Options& o) { return o.positional.empty() ? default_module() : o.positional[0]; }

// A panel of one open window, [Window00], holding `gauges`.
PanelConfig one_window_panel(const std::string& path, const std::string& title, std::vector<GaugePlacement> gauges) {
    PanelConfig config;
    config.path = path;
    WindowConfig window;
    window.number = 0;
    window.section = "Window00";
    window.title = title;
    window.visible = true;
    window.gauges = std::move(gauges);
    config.windows.push_back(std::move(window));
    return config;
}

// A window at its gauge's size holding one gauge of the module.
PanelConfig single_gauge_panel(const std::string& module, const std::string& gauge) {
    GaugePlacement p;
    p.module = module;
    p.gauge = gauge;
    p.key = "gauge00";
    return one_window_panel("(" + gauge + ")", gauge, {p});
}

// One gauge at `scale` times its bitmap's size, on plain panel paint under
// the light of the moment; strings are drawn at that size, not enlarged.
Surface draw_gauge(Session& s, const Options& o) {
    PlacedGauge* gauge = s.panel->find(o.gauge);
    if (gauge == nullptr) throw HostError("--gauge " + o.gauge + ": " + s.panel->not_placed(o.gauge));
    if (!s.panel->visible(*gauge)) {
        throw HostError("--gauge " + o.gauge + ": its window is closed (--open-all opens every window)");
    }
    cairo_surface_t* background = gauge->header->elements != nullptr && gauge->header->elements[0] != nullptr
                                      ? s.bitmaps->get(gauge->header->elements[0]->bitmap_id, false)
                                      : nullptr;
    if (background == nullptr) throw HostError("--gauge " + o.gauge + ": its background bitmap is missing");
    const int bw = cairo_image_surface_get_width(background), bh = cairo_image_surface_get_height(background);
    const int w = std::max(1, static_cast<int>(std::lround(bw * o.scale)));
    const int h = std::max(1, static_cast<int>(std::lround(bh * o.scale)));
    const Lighting lighting = Lighting::from(s.simulation);
    GaugeRenderer renderer(*s.bitmaps, s.fonts);
    renderer.render(gauge->evaluation.elements(), gauge_size(bw, bh, w, h), lighting);
    Surface out(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h));
    cairo_t* cr = cairo_create(out.get());
    const Light light = lighting.ambient();
    cairo_set_source_rgb(cr, 0.17 * light.r, 0.18 * light.g, 0.19 * light.b);
    cairo_paint(cr);
    cairo_set_source_surface(cr, renderer.frame(), 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return out;
}

int render_command(const Options& o) {
    if (o.out.empty() || (o.panel.empty() && o.gauge.empty())) {
        throw HostError("render needs --panel or --gauge, and --out (panelhost help render)");
    }
    Session s;
    if (o.panel.empty()) {
        const std::string module_path = module_given(o);
        const LoadedModule module = ModuleLoader::load(module_path);
        if (module.gauge(o.gauge) == nullptr) {
            throw HostError("--gauge: module " + module_path + " has no gauge named " + quoted(o.gauge) +
                            did_you_mean(o.gauge, module.gauge_names()));
        }
        Options with_module = o;
        with_module.modules[module_name(module_path)] = module_path;
        s.open(with_module, single_gauge_panel(module_name(module_path), o.gauge), ".");
    } else {
        s.open(o, PanelConfig::read(o.panel), panel_folder(o.panel));
    }
    check_hover(s, o);
    const long target = o.at ? std::lround(*o.at * FRAMES_PER_SECOND) : -1;
    Scenario::Outcome progress;
    if (!o.scenario.empty()) {
        std::ostringstream sink;
        progress = Scenario::read(o.scenario).run_commands(*s.panel, sink, [] {}, [&] {
            return target >= 0 && s.simulation.frame() >= target;
        });
    }
    if (target >= 0 && s.simulation.frame() < target && !o.scenario.empty()) {
        s.warn("--at " + format_seconds(*o.at) + " lies past the end of " + o.scenario + " (" +
             format_seconds(static_cast<double>(s.simulation.frame()) / FRAMES_PER_SECOND) +
             "); the panel is drawn as it stands then, " + format_seconds(*o.at) + " in");
    }
    while (target >= 0 && s.simulation.frame() < target) s.panel->frame();
    // The gauges show the commands of the moment drawn after one update.
    if (progress.commands_unshown) s.panel->frame();
    s.settle();
    Surface picture;
    if (!o.gauge.empty()) {
        picture = draw_gauge(s, o);
    } else {
        s.renderer->render();
        picture = s.renderer->compose(o.hover);
    }
    write_or_throw(picture.get(), o.out);
    std::printf("%s: frame %ld, %d x %d\n", o.out.c_str(), s.simulation.frame(),
                cairo_image_surface_get_width(picture.get()), cairo_image_surface_get_height(picture.get()));
    s.report_warnings();
    s.panel->shutdown();
    return 0;
}

int run_command(const Options& o) {
    if (o.panel.empty() || o.scenario.empty() || (o.frames.empty() && o.audio.empty())) {
        throw HostError("run needs --panel, --scenario and --frames or --audio (panelhost help run)");
    }
    Session s;
    s.open(o, PanelConfig::read(o.panel), panel_folder(o.panel));
    check_hover(s, o);
    if (!o.frames.empty()) {
        std::error_code error;
        fs::create_directories(o.frames, error);
        if (!fs::is_directory(o.frames, error)) throw HostError("cannot make the folder " + o.frames + " for the frames");
    }
    if (!o.audio.empty()) s.panel->audio().start_recording();
    long written = 0;
    auto on_frame = [&] {
        if (o.frames.empty()) return;
        s.renderer->render();
        const long frame = s.simulation.frame();
        if (frame % o.every != 0) return;
        char name[32];
        std::snprintf(name, sizeof name, "frame_%05ld.png", frame);
        Surface picture = s.renderer->compose(o.hover);
        write_or_throw(picture.get(), (fs::path(o.frames) / name).string());
        ++written;
    };
    const Scenario scenario = Scenario::read(o.scenario);
    scenario.run_commands(*s.panel, std::cout, on_frame, [] { return false; });
    scenario.report(*s.panel, std::cout);
    if (!o.frames.empty()) std::printf("%ld frames written to %s\n", written, o.frames.c_str());
    s.report_warnings(false);  // the panel's are in the closing report
    s.panel->shutdown();
    if (!o.audio.empty()) {
        s.panel->audio().write_wave(o.audio);
        std::printf("%.2f s of sound written to %s\n",
                    static_cast<double>(s.panel->audio().recorded().size()) / AUDIO_RATE, o.audio.c_str());
    }
    return 0;
}

struct GaugeInfo {
    std::string name;
    UINT32 size_mm = 0;
    int width = 0;
    int height = 0;
};

std::vector<GaugeInfo> gauge_infos(const std::string& module_path, BitmapStore& bitmaps) {
    LoadedModule module = ModuleLoader::load(module_path);
    std::vector<GaugeInfo> out;
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        GaugeInfo info;
        info.name = (*g)->name != nullptr ? (*g)->name : "?";
        info.size_mm = (*g)->size_x_mm;
        if ((*g)->elements != nullptr && (*g)->elements[0] != nullptr) {
            if (cairo_surface_t* b = bitmaps.get((*g)->elements[0]->bitmap_id, false)) {
                info.width = cairo_image_surface_get_width(b);
                info.height = cairo_image_surface_get_height(b);
            }
        }
        out.push_back(info);
    }
    return out;
}


int gallery_command(const Options& o) {
    if (o.out.empty()) throw HostError("gallery needs --out (panelhost help gallery)");
    const std::string module_path = module_given(o);
    BitmapStore probe(resources_for(o, module_path));
    std::vector<GaugeInfo> infos = gauge_infos(module_path, probe);

    // Every gauge at its own size (at most CELL pixels), shelf-packed in rows.
    constexpr int CELL = 200, WIDTH = 1700, GAP = 16, LABEL = 22;
    const std::string name = module_name(module_path);
    std::vector<GaugePlacement> placements;
    int x = GAP, y = GAP, row_h = 0;
    int index = 0;
    for (const GaugeInfo& g : infos) {
        if (g.width <= 0 || g.height <= 0) continue;
        const double f = std::min(1.0, static_cast<double>(CELL) / std::max(g.width, g.height));
        const int w = std::max(1, static_cast<int>(std::lround(g.width * f)));
        const int h = std::max(1, static_cast<int>(std::lround(g.height * f)));
        const int cell_w = std::max(w, 130);
        if (x + cell_w + GAP > WIDTH) {
            x = GAP;
            y += row_h + LABEL + GAP;
            row_h = 0;
        }
        GaugePlacement p;
        p.module = name;
        p.gauge = g.name;
        p.x = x + (cell_w - w) / 2;
        p.y = y;
        p.width = w;
        p.height = h;
        char key[16];
        std::snprintf(key, sizeof key, "gauge%02d", index++);
        p.key = key;
        placements.push_back(p);
        x += cell_w + GAP;
        row_h = std::max(row_h, h);
    }
    PanelConfig config = one_window_panel("(gallery)", "Gauges of " + name, std::move(placements));
    config.windows[0].size_mm_x = WIDTH;
    config.windows[0].size_mm_y = y + row_h + LABEL + GAP;

    Options with_module = o;
    with_module.modules[name] = module_path;
    Session s;
    s.open(with_module, config, ".");
    s.panel->frame();
    s.panel->frame();
    s.renderer->render();
    std::vector<Caption> captions;
    for (const auto& g : s.panel->gauges()) {
        captions.push_back({g->window, s.renderer->rect(*g), g->placement.gauge});
    }
    Surface picture = s.renderer->compose(std::nullopt, captions);
    write_or_throw(picture.get(), o.out);
    std::printf("%s: %zu gauges\n", o.out.c_str(), s.panel->gauges().size());
    s.report_warnings();
    s.panel->shutdown();
    return 0;
}

int sheet_command(const Options& o) {
    const std::string module_path = module_given(o);
    BitmapStore probe(resources_for(o, module_path));
    std::vector<GaugeInfo> infos = gauge_infos(module_path, probe);
    const std::string name = module_name(module_path);
    std::ostringstream md;
    md << "# Panel author's sheet: " << name << "\n\n"
       << "Every gauge of the module with its registered name, its width in millimetres as the\n"
       << "module declares it, its pixel size (the background bitmap's) and a ready `panel.cfg`\n"
       << "line placing it at its own size at the window's top-left corner: change the position,\n"
       << "and the width and height to scale it. Parameter strings are described in\n"
       << "`docs/panel-buttons.md`.\n\n"
       << "Generated by `panelhost sheet`; do not edit by hand.\n\n"
       << "| # | gauge | mm | pixels | panel.cfg line |\n|---|---|---|---|---|\n";
    int i = 0;
    for (const GaugeInfo& g : infos) {
        md << "| " << i++ << " | `" << g.name << "` | " << g.size_mm << " | ";
        if (g.width > 0) {
            md << g.width << " x " << g.height << " | `gauge00=" << name << "!" << g.name << ", 0, 0, " << g.width
               << ", " << g.height << "` |\n";
        } else {
            md << "unknown | `gauge00=" << name << "!" << g.name << ", 0, 0` |\n";
        }
    }
    if (o.out.empty()) {
        std::cout << md.str();
    } else {
        std::ofstream out(o.out, std::ios::binary);
        out << md.str();
        if (!out) throw HostError("cannot write " + o.out);
    }
    return 0;
}

}  // namespace

bool is_render_command(const std::string& command) {
    return command == "render" || command == "run" || command == "gallery" || command == "sheet";
}

int run_render_command(const std::string& command, const std::vector<std::string>& args) {
    Options o = parse(args);
    if (command == "render") return render_command(o);
    if (command == "run") return run_command(o);
    if (command == "gallery") return gallery_command(o);
    if (command == "sheet") return sheet_command(o);
    throw HostError("unknown command " + command);
}

}  // namespace host::render
