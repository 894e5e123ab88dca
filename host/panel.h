// A loaded panel: the modules its configuration names, the placed gauges on
// their windows, and their life: pre-install, connect to window, one update
// per frame while the window is visible, kill.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/host_types.h"
#include "host/audio_output.h"
#include "host/bitmap_catalog.h"
#include "host/calculator.h"
#include "host/evaluator.h"
#include "host/module_loader.h"
#include "host/mouse_map.h"
#include "host/mouse_router.h"
#include "host/panel_config.h"
#include "host/service_table.h"
#include "host/simulation.h"
#include "host/tooltip_formatter.h"

namespace host {

// Key events that open, close and toggle panel windows; the value is the
// window's ident.
constexpr UINT32 EVENT_PANEL_TOGGLE = 0x103CA;
constexpr UINT32 EVENT_PANEL_OPEN = 0x103CB;
constexpr UINT32 EVENT_PANEL_CLOSE = 0x103CC;

// The folder of a panel.cfg (where its modules and backgrounds are also
// looked for), "." for a bare file name.
std::string panel_folder(const std::string& panel_path);

struct PlacedGauge {
    int window = 0;  // index into Panel::windows()
    GaugePlacement placement;
    LoadedModule* module = nullptr;
    GAUGEHDR* header = nullptr;
    std::optional<BitmapSize> size;  // the background bitmap's, when known
    GaugeEvaluation evaluation;
    bool connected = false;
};

struct PanelWindow {
    WindowConfig config;
    bool visible = false;
};

// One notification the host sent, in order.
struct LifecycleCall {
    enum Kind { ModuleInit, Service, ModuleDeinit };
    Kind kind;
    std::string module;
    std::string gauge;   // Service only
    UINT32 service = 0;  // Service only
    WORD_PTR extra = 0;
    std::string parameters;  // the header's parameter string at the call
    long frame = 0;
};

class Panel {
public:
    struct Options {
        std::vector<std::string> module_folders;              // searched by module name
        std::map<std::string, std::string> module_paths;      // name -> file, searched first
    };

    Panel(Simulation& simulation, const BitmapCatalog& bitmaps, Options options);
    ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The file of the module a panel names: the one options.module_paths
    // gives, else NAME.so / NAME.gau in each module folder and then the
    // panel.cfg's folder; empty when none exists, `looked_in` then listing
    // the folders searched.
    static std::string module_file(const std::string& name, const Options& options, const std::string& config_path,
                                   std::string* looked_in);

    // Loads the modules and installs every placed gauge; throws HostError
    // naming the configuration file and line of a missing module or gauge.
    void load(const PanelConfig& config);
    // Puts `config` in place of the loaded panel, as the simulator reloads
    // a panel. Its placements are resolved first: a missing module or gauge
    // throws and leaves the panel as it was. Then every gauge is killed,
    // modules no longer named are de-initialised and unloaded, new ones
    // loaded and initialised (those still named stay loaded, with their own
    // state), and the new gauges installed. A window of the same section
    // keeps its open or closed state; the simulation is untouched.
    void reload(const PanelConfig& config);
    // One frame: the simulation's frame models, pending window connections,
    // then an update of each gauge on a visible window, then the held mouse
    // button.
    void frame();
    // Kills every gauge, de-initialises and unloads the modules.
    void shutdown();

    void open_window(int ident);
    void close_window(int ident);
    void toggle_window(int ident);
    const std::vector<PanelWindow>& windows() const { return windows_; }

    const std::vector<std::unique_ptr<PlacedGauge>>& gauges() const { return gauges_; }
    // The first placement of a gauge on a visible window, else the first
    // placement; null when it is not placed.
    PlacedGauge* find(const std::string& name) const;
    // The registered names of the placed gauges, each once, in placement order.
    std::vector<std::string> placed_names() const;
    // "gauge "X" is not placed on the panel" with the nearest placed names,
    // or the note that a loaded module has it.
    std::string not_placed(const std::string& name) const;
    bool visible(const PlacedGauge& gauge) const { return windows_[static_cast<std::size_t>(gauge.window)].visible; }

    const MouseMap& mouse_map(const PlacedGauge& gauge) const;
    MouseRouter& mouse() { return mouse_; }
    MouseRouter::Outcome press(PlacedGauge& gauge, PIXPOINT point, MouseButton button);
    // The text shown when the pointer rests at the point, if any.
    std::optional<std::string> tooltip_at(PlacedGauge& gauge, PIXPOINT point);

    const std::vector<LifecycleCall>& lifecycle() const { return lifecycle_; }
    // Window changes in order: "frame 3: window 50 (RADIO_STACK_PANEL) opened".
    const std::vector<std::string>& window_log() const { return window_log_; }
    std::vector<std::string>& warnings() { return warnings_; }
    Simulation& simulation() { return simulation_; }
    AudioOutput& audio() { return audio_; }
    const ServiceTable& services() const { return services_; }

private:
    // Modules a panel names that are loaded but not yet initialised, in the
    // order first named.
    using NewModules = std::vector<std::pair<std::string, std::unique_ptr<LoadedModule>>>;
    LoadedModule& module_for(const PanelConfig& config, const GaugePlacement& placement, NewModules& fresh);
    // The gauges `config` places on `windows`, and their mouse maps; throws
    // HostError naming the line of a missing module or gauge.
    std::vector<std::unique_ptr<PlacedGauge>> place_all(const PanelConfig& config, NewModules& fresh,
                                                        std::map<const GAUGEHDR*, MouseMap>& maps);
    void install(const PanelConfig& config, bool keep_window_states);
    void kill_gauges();
    // Records and makes a loaded module's de-initialisation call.
    void deinit_module(const std::string& name);
    void notify(PlacedGauge& gauge, UINT32 service, WORD_PTR extra);
    void connect_pending();
    void set_visible(int ident, int how);  // 0 close, 1 open, 2 toggle

    Simulation& simulation_;
    AudioOutput audio_;
    const BitmapCatalog& bitmaps_;
    Options options_;
    Calculator calculator_;
    ServiceTable services_;
    Evaluator evaluator_;
    TooltipFormatter tooltips_;
    MouseRouter mouse_;
    std::map<std::string, std::unique_ptr<LoadedModule>> modules_;
    std::vector<std::string> module_order_;
    std::vector<PanelWindow> windows_;
    std::vector<std::unique_ptr<PlacedGauge>> gauges_;
    std::map<const GAUGEHDR*, MouseMap> mouse_maps_;
    std::vector<LifecycleCall> lifecycle_;
    std::vector<std::string> warnings_;
    std::vector<std::string> window_log_;
    bool loaded_ = false;
};

}  // namespace host
