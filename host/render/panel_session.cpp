#include "host/render/panel_session.h"

#include <cstdio>
#include <filesystem>

#include "host/host_error.h"
#include "host/module_loader.h"

#ifndef VANTOR_DEFAULT_MODULE
#define VANTOR_DEFAULT_MODULE ""
#endif
#ifndef VANTOR_DEFAULT_BITMAP_TABLE
#define VANTOR_DEFAULT_BITMAP_TABLE ""
#endif

namespace fs = std::filesystem;

namespace host::render {

std::string default_module() {
    const std::string m = ModuleLoader::beside_program(VANTOR_DEFAULT_MODULE);
    if (m.empty()) {
        throw HostError(std::string("no module given, and none built beside this program") +
                        (std::string(VANTOR_DEFAULT_MODULE).empty() ? "" : " or at " VANTOR_DEFAULT_MODULE));
    }
    return m;
}

BitmapCatalog bitmap_catalog(const SessionOptions& o) {
    if (!o.bitmaps.empty()) return BitmapCatalog::read(o.bitmaps);
    std::error_code error;
    const std::string table = VANTOR_DEFAULT_BITMAP_TABLE;
    if (!table.empty() && fs::is_regular_file(table, error)) return BitmapCatalog::read(table);
    return {};
}

std::string resources_for(const SessionOptions& o, const std::string& module_path) {
    if (!o.resources.empty()) return o.resources;
    fs::path p(module_path);
    return (p.parent_path() / (p.stem().string() + ".resources") / "bitmap").string();
}

void PanelSession::open(const SessionOptions& o, PanelConfig c, const std::string& backgrounds) {
    sizes = bitmap_catalog(o);
    background_folder = backgrounds;
    config = std::move(c);
    Panel::Options options;
    options.module_folders = o.gauge_folders;
    options.module_paths = o.modules;
    if (options.module_folders.empty() && options.module_paths.empty()) {
        options.module_folders.push_back(fs::path(default_module()).parent_path().string());
    }
    panel = std::make_unique<Panel>(simulation, sizes, options);
    panel->load(config);
    std::string module_path;
    if (!panel->gauges().empty() && panel->gauges().front()->module != nullptr) {
        module_path = panel->gauges().front()->module->path();
    } else {
        module_path = default_module();
    }
    bitmaps = std::make_unique<BitmapStore>(resources_for(o, module_path));
    std::error_code error;
    if (!fs::is_directory(bitmaps->folder(), error)) {
        throw HostError("no bitmaps in " + bitmaps->folder() + " (build the module's resources, or give --resources)");
    }
    renderer = std::make_unique<PanelRenderer>(*panel, *bitmaps, fonts, background_folder);
    renderer->set_titles(config.window_titles);
    if (o.open_all) {
        for (const PanelWindow& w : panel->windows()) {
            if (w.config.ident >= 0) panel->open_window(w.config.ident);
        }
    }
}

void PanelSession::reload(PanelConfig c) {
    panel->reload(c);
    config = std::move(c);
    renderer = std::make_unique<PanelRenderer>(*panel, *bitmaps, fonts, background_folder);
    renderer->set_titles(config.window_titles);
}

void PanelSession::report_warnings(bool with_panel, const char* program) const {
    std::vector<std::string> all = notes;
    if (panel && with_panel) all.insert(all.end(), panel->warnings().begin(), panel->warnings().end());
    if (renderer) all.insert(all.end(), renderer->warnings().begin(), renderer->warnings().end());
    all.insert(all.end(), fonts.fallbacks().begin(), fonts.fallbacks().end());
    for (const std::string& w : all) std::fprintf(stderr, "%s: warning: %s\n", program, w.c_str());
}

void PanelSession::settle() {
    for (const auto& g : panel->gauges()) {
        if (panel->visible(*g) && g->evaluation.updates() == 0) {
            panel->frame();
            return;
        }
    }
}

}  // namespace host::render
