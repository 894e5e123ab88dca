// Checks of a panel.cfg beyond reading it: what its author would want to
// know before the simulator shows the panel (docs/panel-lint.md).
#pragma once

#include <string>
#include <vector>

#include "host/bitmap_catalog.h"
#include "host/panel.h"
#include "host/panel_config.h"

namespace host {

struct LintFinding {
    int line = 0;
    std::string message;  // "gauge03: ...", printed after "FILE:LINE: "
};

// What this module's gauges read from their parameter strings, by the
// module's own scanning rules.
struct ParameterUse {
    struct WindowCommand {
        std::string what;  // "t toggles", "a closes"...
        int window = 0;    // the window ident it acts on
        bool at_load = false;
    };
    bool reads_parameters = true;
    std::string ignored;                 // the text a gauge that reads none is given
    std::string unread_keys;             // lower-case letters it does not read, each once
    std::string repeated_keys;           // keys read only once that are given again
    bool plate_text_unread = false;      // Registration: text not after a leading t
    std::vector<WindowCommand> windows;  // panel buttons: the windows they act on
};
ParameterUse parameter_use(const std::string& gauge, const std::string& parameters);

// Every finding, in line order. Modules are looked for as Panel::load does;
// gauge sizes come from `bitmaps`, window sizes from size_mm and the
// background bitmaps beside the panel.cfg.
std::vector<LintFinding> lint_panel(const PanelConfig& config, const Panel::Options& modules,
                                    const BitmapCatalog& bitmaps);

}  // namespace host
