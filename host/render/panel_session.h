// A panel loaded for drawing, as the drawing commands and the viewer use it:
// the simulation, the panel with its modules, the module's bitmaps, fonts
// and the renderer.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/bitmap_catalog.h"
#include "host/panel.h"
#include "host/panel_config.h"
#include "host/render/panel_renderer.h"

namespace host::render {

// Where the modules and their bitmaps come from.
struct SessionOptions {
    std::vector<std::string> gauge_folders;       // --gauges
    std::map<std::string, std::string> modules;   // --module NAME=FILE
    std::string bitmaps;                          // the bitmap size table
    std::string resources;                        // the module's bitmap folder
    bool open_all = false;                        // open every window with an ident
};

// The module of this build: beside the running program, else where the
// build put it; throws HostError when there is none.
std::string default_module();
// The bitmap size table given, else the source tree's.
BitmapCatalog bitmap_catalog(const SessionOptions& options);
// The module's bitmaps: --resources, else NAME.resources/bitmap beside it.
std::string resources_for(const SessionOptions& options, const std::string& module_path);

struct PanelSession {
    Simulation simulation;
    BitmapCatalog sizes;
    PanelConfig config;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<BitmapStore> bitmaps;
    FontBook fonts;
    std::unique_ptr<PanelRenderer> renderer;
    std::string background_folder;
    std::vector<std::string> notes;

    // Loads the panel (modules from the options, else the build's) and its
    // bitmaps; throws HostError.
    void open(const SessionOptions& options, PanelConfig config, const std::string& background_folder);
    // Puts another configuration in place of the panel's (Panel::reload),
    // keeping the simulation, and draws it afresh; throws HostError, the
    // panel then as it was.
    void reload(PanelConfig config);
    void warn(const std::string& message) { notes.push_back(message); }
    // What was not as asked, on standard error as "PROGRAM: warning: ...":
    // the notes, the panel's warnings (module, scenario), backgrounds and fonts.
    void report_warnings(bool with_panel = true, const char* program = "panelhost") const;
    // Gauges on visible windows that were never updated get one frame.
    void settle();
};

}  // namespace host::render
