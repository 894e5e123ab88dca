#include "host/panel.h"

#include <algorithm>
#include <filesystem>

#include "host/host_error.h"
#include "host/suggest.h"
#include "host/text_util.h"

namespace host {

Panel::Panel(Simulation& simulation, const BitmapCatalog& bitmaps, Options options)
    : simulation_(simulation),
      bitmaps_(bitmaps),
      options_(std::move(options)),
      calculator_(simulation),
      services_(ServiceTargets{&simulation, &calculator_, [this](UINT32 id) { toggle_window(static_cast<int>(id)); },
                               [this](const char* message) { warnings_.emplace_back(message); }}),
      evaluator_(simulation, bitmaps),
      tooltips_(simulation),
      mouse_(simulation) {
    evaluator_.warn = [this](const std::string& message) { warnings_.push_back(message); };
    simulation_.on_key(EVENT_PANEL_OPEN, [this](Simulation&, UINT32 id) { open_window(static_cast<int>(id)); });
    simulation_.on_key(EVENT_PANEL_CLOSE, [this](Simulation&, UINT32 id) { close_window(static_cast<int>(id)); });
    simulation_.on_key(EVENT_PANEL_TOGGLE, [this](Simulation&, UINT32 id) { toggle_window(static_cast<int>(id)); });
}

Panel::~Panel() {
    shutdown();
    simulation_.remove_key_handler(EVENT_PANEL_OPEN);
    simulation_.remove_key_handler(EVENT_PANEL_CLOSE);
    simulation_.remove_key_handler(EVENT_PANEL_TOGGLE);
}

std::string panel_folder(const std::string& panel_path) {
    const std::filesystem::path folder = std::filesystem::path(panel_path).parent_path();
    return folder.empty() ? "." : folder.string();
}

std::string Panel::module_file(const std::string& name, const Options& options, const std::string& config_path,
                               std::string* looked_in) {
    if (auto given = options.module_paths.find(name); given != options.module_paths.end()) {
        return given->second;
    }
    std::vector<std::string> folders = options.module_folders;
    folders.push_back(panel_folder(config_path));
    std::string path = ModuleLoader::find(name, folders);
    if (path.empty() && looked_in != nullptr) {
        looked_in->clear();
        for (const std::string& f : folders) {
            *looked_in += (looked_in->empty() ? "" : ", ") + f;
        }
    }
    return path;
}

LoadedModule& Panel::module_for(const PanelConfig& config, const GaugePlacement& placement, NewModules& fresh) {
    if (auto loaded = modules_.find(placement.module); loaded != modules_.end()) {
        return *loaded->second;
    }
    for (auto& [name, module] : fresh) {
        if (name == placement.module) return *module;
    }
    std::string where;
    const std::string path = module_file(placement.module, options_, config.path, &where);
    if (path.empty()) {
        throw HostError(config.path, placement.line,
                        placement.key + ": module " + excerpt(placement.module) + " not found (looked in " + where + ")");
    }
    try {
        fresh.emplace_back(placement.module, std::make_unique<LoadedModule>(ModuleLoader::load(path)));
    } catch (const HostError& e) {
        throw HostError(config.path, placement.line, placement.key + ": " + e.what());
    }
    return *fresh.back().second;
}

void Panel::load(const PanelConfig& config) {
    if (loaded_) {
        throw HostError("a panel is already loaded");
    }
    install(config, false);
}

void Panel::reload(const PanelConfig& config) { install(config, loaded_); }

void Panel::install(const PanelConfig& config, bool keep_window_states) {
    // Every gauge is placed first, so a bad line stops before any gauge or
    // module runs (new modules are unloaded uninitialised).
    NewModules fresh;
    std::map<const GAUGEHDR*, MouseMap> maps;
    std::vector<PanelWindow> windows;
    for (const WindowConfig& window : config.windows) {
        windows.push_back({window, window.visible});
        if (!keep_window_states) continue;
        for (const PanelWindow& old : windows_) {
            if (old.config.section == window.section) windows.back().visible = old.visible;
        }
    }
    std::vector<std::unique_ptr<PlacedGauge>> gauges = place_all(config, fresh, maps);

    kill_gauges();
    std::vector<std::string> kept;
    for (const std::string& name : module_order_) {
        if (std::any_of(gauges.begin(), gauges.end(), [&](const auto& g) { return g->placement.module == name; })) {
            kept.push_back(name);
            continue;
        }
        deinit_module(name);
        modules_.erase(name);
    }
    module_order_ = kept;
    for (auto& [name, module] : fresh) {
        services_.install(module->imports());
        lifecycle_.push_back({LifecycleCall::ModuleInit, name, {}, 0, 0, {}, simulation_.frame()});
        if (module->linkage().module_init != nullptr) module->linkage().module_init();
        modules_[name] = std::move(module);
        module_order_.push_back(name);
    }
    windows_ = std::move(windows);
    gauges_ = std::move(gauges);
    mouse_maps_ = std::move(maps);
    loaded_ = true;
    // Pre-install: the parameter string first, the module handle as the extra argument.
    for (auto& gauge : gauges_) {
        gauge->header->parameters = gauge->placement.parameters.c_str();
        notify(*gauge, PANEL_SERVICE_PRE_INSTALL, gauge->module->handle());
    }
    connect_pending();
}

std::vector<std::unique_ptr<PlacedGauge>> Panel::place_all(const PanelConfig& config, NewModules& fresh,
                                                           std::map<const GAUGEHDR*, MouseMap>& maps) {
    std::vector<std::unique_ptr<PlacedGauge>> gauges;
    for (std::size_t w = 0; w < config.windows.size(); ++w) {
        for (const GaugePlacement& placement : config.windows[w].gauges) {
            LoadedModule& module = module_for(config, placement, fresh);
            GAUGEHDR* header = module.gauge(placement.gauge);
            if (header == nullptr) {
                throw HostError(config.path, placement.line,
                                placement.key + ": module " + excerpt(placement.module) + " has no gauge named " +
                                    quoted(placement.gauge) + did_you_mean(placement.gauge, module.gauge_names()));
            }
            auto gauge = std::make_unique<PlacedGauge>();
            gauge->window = static_cast<int>(w);
            gauge->placement = placement;
            gauge->module = &module;
            gauge->header = header;
            if (header->elements != nullptr && header->elements[0] != nullptr) {
                gauge->size = bitmaps_.size(header->elements[0]->bitmap_id);
            }
            if (maps.count(header) == 0) {
                try {
                    maps[header] = MouseMap::build(header->mouse_rects);
                } catch (const HostError& e) {
                    throw HostError(config.path, placement.line, placement.gauge + ": " + e.what());
                }
            }
            gauges.push_back(std::move(gauge));
        }
    }
    return gauges;
}

void Panel::notify(PlacedGauge& gauge, UINT32 service, WORD_PTR extra) {
    GAUGEHDR* h = gauge.header;
    lifecycle_.push_back({LifecycleCall::Service, gauge.module->name(), h->name, service, extra,
                          h->parameters != nullptr ? h->parameters : "", simulation_.frame()});
    if (h->callback != nullptr) {
        h->callback(h, service, extra);
    }
}

void Panel::connect_pending() {
    for (auto& gauge : gauges_) {
        if (visible(*gauge) && !gauge->connected) {
            gauge->connected = true;
            notify(*gauge, PANEL_SERVICE_CONNECT_TO_WINDOW, 0);
        }
    }
}

void Panel::frame() {
    simulation_.run_frame_models();
    connect_pending();
    for (auto& gauge : gauges_) {
        if (!visible(*gauge)) {
            continue;
        }
        notify(*gauge, PANEL_SERVICE_PRE_UPDATE, 0);
        evaluator_.evaluate(*gauge->header, gauge->evaluation);
    }
    mouse_.frame();
    audio_.frame();
    simulation_.advance_frame();
}

void Panel::kill_gauges() {
    mouse_.release();
    for (auto& gauge : gauges_) {
        notify(*gauge, PANEL_SERVICE_PRE_KILL, 0);
    }
    // The parameter strings are the host's and go with it.
    for (auto& gauge : gauges_) {
        gauge->header->parameters = nullptr;
    }
    gauges_.clear();
    mouse_maps_.clear();
}

void Panel::deinit_module(const std::string& name) {
    LoadedModule& m = *modules_.at(name);
    lifecycle_.push_back({LifecycleCall::ModuleDeinit, name, {}, 0, 0, {}, simulation_.frame()});
    if (m.linkage().module_deinit != nullptr) {
        m.linkage().module_deinit();
    }
}

void Panel::shutdown() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    kill_gauges();
    for (const std::string& name : module_order_) {
        deinit_module(name);
    }
    modules_.clear();
    module_order_.clear();
}

void Panel::set_visible(int ident, int how) {
    bool found = false;
    for (PanelWindow& window : windows_) {
        if (window.config.ident != ident) {
            continue;
        }
        found = true;
        bool now = how == 2 ? !window.visible : how == 1;
        if (window.visible && !now) {
            // A closed window's gauges are connected again when it reopens.
            for (auto& gauge : gauges_) {
                if (&windows_[static_cast<std::size_t>(gauge->window)] == &window) {
                    gauge->connected = false;
                }
            }
        }
        if (window.visible != now) {
            window_log_.push_back("frame " + std::to_string(simulation_.frame()) + ": window " +
                                  std::to_string(ident) + " (" + panel_name(ident) + ") " +
                                  (now ? "opened" : "closed"));
        }
        window.visible = now;
    }
    if (!found) {
        warnings_.push_back("no panel window has ident " + std::to_string(ident) + " (" + panel_name(ident) + ")");
    }
}

void Panel::open_window(int ident) { set_visible(ident, 1); }
void Panel::close_window(int ident) { set_visible(ident, 0); }
void Panel::toggle_window(int ident) { set_visible(ident, 2); }

PlacedGauge* Panel::find(const std::string& name) const {
    PlacedGauge* first = nullptr;
    for (const auto& gauge : gauges_) {
        if (gauge->placement.gauge != name) {
            continue;
        }
        if (visible(*gauge)) {
            return gauge.get();
        }
        if (first == nullptr) {
            first = gauge.get();
        }
    }
    return first;
}

std::vector<std::string> Panel::placed_names() const {
    std::vector<std::string> names;
    for (const auto& gauge : gauges_) {
        if (std::find(names.begin(), names.end(), gauge->placement.gauge) == names.end()) {
            names.push_back(gauge->placement.gauge);
        }
    }
    return names;
}

std::string Panel::not_placed(const std::string& name) const {
    std::string text = "gauge " + quoted(name) + " is not placed on the panel";
    for (const auto& [module_name, module] : modules_) {
        if (module->gauge(name) != nullptr) return text + " (module " + module_name + " has it: place it in panel.cfg)";
    }
    return text + did_you_mean(name, placed_names());
}

const MouseMap& Panel::mouse_map(const PlacedGauge& gauge) const { return mouse_maps_.at(gauge.header); }

MouseRouter::Outcome Panel::press(PlacedGauge& gauge, PIXPOINT point, MouseButton button) {
    return mouse_.press(*gauge.header, mouse_map(gauge), point, button);
}

std::optional<std::string> Panel::tooltip_at(PlacedGauge& gauge, PIXPOINT point) {
    const MouseArea* parent = mouse_map(gauge).text_parent_at(point);
    if (parent == nullptr) {
        return std::nullopt;
    }
    if (parent->tooltip != nullptr) {
        return tooltips_.tooltip(*parent->tooltip, gauge.header);
    }
    return host_text_or_placeholder(parent->rect->help_id);
}

}  // namespace host
