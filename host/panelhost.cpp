// panelhost: loads gauge modules the way the simulator does, lists and dumps
// their gauges, and runs panel scenarios. Built for Windows as hostprobe.exe.
#include <clocale>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "host/bitmap_catalog.h"
#include "host/gauge_report.h"
#include "host/host_error.h"
#include "host/module_loader.h"
#include "host/mouse_map.h"
#include "host/panel.h"
#include "host/panel_config.h"
#include "host/scenario.h"
#include "host/service_table.h"
#include "host/simulation.h"
#include "host/text_util.h"
#ifdef VANTOR_HAS_RENDER
#include "host/render/render_commands.h"
#endif

#ifndef VANTOR_VERSION
#define VANTOR_VERSION "0.0.0"
#endif
#ifndef VANTOR_DEFAULT_BITMAPS
#define VANTOR_DEFAULT_BITMAPS ""
#endif
// The module of this build, used when the command line names none (the
// drawing commands do the same); empty where none is built in.
#ifndef VANTOR_DEFAULT_MODULE
#define VANTOR_DEFAULT_MODULE ""
#endif

namespace {

using namespace host;

constexpr const char* USAGE =
    "usage:\n"
    "  panelhost list [MODULE] [--bitmaps FILE]\n"
    "  panelhost dump [MODULE] GAUGE [--bitmaps FILE]\n"
    "  panelhost scenario --panel PANEL.CFG --scenario FILE [--gauges DIR]... [--module NAME=FILE]...\n"
    "            [--bitmaps FILE] [--trace]\n"
    "  panelhost --version\n";

struct Arguments {
    std::vector<std::string> positional;
    std::string panel;
    std::string scenario;
    std::string bitmaps;
    std::vector<std::string> gauge_folders;
    std::map<std::string, std::string> modules;
    bool trace = false;
};

Arguments parse_arguments(int argc, char** argv) {
    Arguments a;
    for (int i = 2; i < argc; ++i) {
        std::string arg = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc) throw HostError(arg + " needs a value\n" + USAGE);
            return argv[++i];
        };
        if (arg == "--panel") a.panel = value();
        else if (arg == "--scenario") a.scenario = value();
        else if (arg == "--bitmaps") a.bitmaps = value();
        else if (arg == "--gauges") a.gauge_folders.push_back(value());
        else if (arg == "--trace") a.trace = true;
        else if (arg == "--module") {
            std::string v = value();
            auto eq = v.find('=');
            if (eq == std::string::npos || eq == 0) throw HostError("--module expects NAME=FILE, found " + excerpt(v));
            a.modules[v.substr(0, eq)] = v.substr(eq + 1);
        } else if (arg.rfind("--", 0) == 0) {
            throw HostError("unknown option " + excerpt(arg) + "\n" + USAGE);
        } else {
            a.positional.push_back(arg);
        }
    }
    return a;
}

// MODULE as given, else the module of this build.
std::string module_or_default(const std::vector<std::string>& positional, std::size_t given_when, const char* usage) {
    if (positional.size() == given_when) return positional.front();
    if (positional.size() + 1 == given_when && std::strlen(VANTOR_DEFAULT_MODULE) != 0) return VANTOR_DEFAULT_MODULE;
    throw HostError(std::string(usage) + USAGE);
}

BitmapCatalog bitmaps_for(const Arguments& a) {
    if (!a.bitmaps.empty()) {
        return BitmapCatalog::read(a.bitmaps);
    }
    std::error_code error;
    if (std::strlen(VANTOR_DEFAULT_BITMAPS) != 0 && std::filesystem::is_regular_file(VANTOR_DEFAULT_BITMAPS, error)) {
        return BitmapCatalog::read(VANTOR_DEFAULT_BITMAPS);
    }
    return {};
}

// Loads a module with a service table behind it and its init routine run.
struct ProbedModule {
    Simulation simulation;
    Calculator calculator{simulation};
    ServiceTable services{ServiceTargets{&simulation, &calculator, {}, {}}};
    LoadedModule module;

    explicit ProbedModule(const std::string& path) : module(ModuleLoader::load(path)) {
        services.install(module.imports());
        if (module.linkage().module_init != nullptr) module.linkage().module_init();
    }
    ~ProbedModule() {
        if (module.linkage().module_deinit != nullptr) module.linkage().module_deinit();
    }
};

int list(const Arguments& a) {
    const std::string module = module_or_default(a.positional, 1, "list needs MODULE\n");
    BitmapCatalog bitmaps = bitmaps_for(a);
    ProbedModule probe(module);
    int position = 0;
    for (GAUGEHDR* const* g = probe.module.linkage().gauges; *g != nullptr; ++g, ++position) {
        GAUGEHDR& gauge = **g;
        std::printf("%2d %-24s %3u mm  callback %-3s", position, gauge.name != nullptr ? gauge.name : "?",
                    static_cast<unsigned>(gauge.size_x_mm), gauge.callback != nullptr ? "yes" : "no");
        std::optional<BitmapSize> size;
        if (gauge.elements != nullptr && gauge.elements[0] != nullptr) {
            size = bitmaps.size(gauge.elements[0]->bitmap_id);
        }
        if (size) std::printf("  %dx%d px\n", size->width, size->height);
        else std::printf("  size unknown\n");
    }
    std::printf("%d gauges\n", position);
    return 0;
}

int dump(const Arguments& a) {
    const std::string module = module_or_default(a.positional, 2, "dump needs MODULE and GAUGE\n");
    const std::string& name = a.positional.back();
    BitmapCatalog bitmaps = bitmaps_for(a);
    ProbedModule probe(module);
    GAUGEHDR* gauge = probe.module.gauge(name);
    if (gauge == nullptr) {
        throw HostError("module " + module + " has no gauge named " + quoted(name));
    }
    std::printf("%s: %u mm, callback %s\n", gauge->name, static_cast<unsigned>(gauge->size_x_mm),
                gauge->callback != nullptr ? "yes" : "no");
    print_element_tree(std::cout, *gauge, bitmaps);
    print_mouse_list(std::cout, *gauge, MouseMap::build(gauge->mouse_rects));
    return 0;
}

int scenario(const Arguments& a) {
    if (a.panel.empty() || a.scenario.empty() || !a.positional.empty()) {
        throw HostError(std::string("scenario needs --panel and --scenario\n") + USAGE);
    }
    BitmapCatalog bitmaps = bitmaps_for(a);
    PanelConfig config = PanelConfig::read(a.panel);
    Scenario timeline = Scenario::read(a.scenario);
    Simulation simulation;
    Panel::Options options;
    options.module_folders = a.gauge_folders;
    options.module_paths = a.modules;
    if (options.module_folders.empty() && options.module_paths.empty() && std::strlen(VANTOR_DEFAULT_MODULE) != 0) {
        options.module_folders.push_back(std::filesystem::path(VANTOR_DEFAULT_MODULE).parent_path().string());
    }
    Panel panel(simulation, bitmaps, options);
    panel.load(config);
    timeline.run(panel, std::cout);
    panel.shutdown();
    if (a.trace) {
        std::cout << "host calls:\n";
        for (const LifecycleCall& call : panel.lifecycle()) {
            switch (call.kind) {
            case LifecycleCall::ModuleInit: std::cout << "  module init " << call.module << "\n"; break;
            case LifecycleCall::ModuleDeinit: std::cout << "  module deinit " << call.module << "\n"; break;
            case LifecycleCall::Service:
                if (call.service == PANEL_SERVICE_PRE_UPDATE) break;  // one per frame: too many to list
                std::cout << "  frame " << call.frame << " " << call.gauge << " service " << call.service;
                if (!call.parameters.empty()) std::cout << " parameters \"" << call.parameters << "\"";
                std::cout << "\n";
                break;
            }
        }
    }
    std::cout.flush();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(USAGE, stderr);
#ifdef VANTOR_HAS_RENDER
        std::fputs(host::render::RENDER_USAGE, stderr);
#endif
        return 2;
    }
    std::string command = argv[1];
    // Texts print in the terminal's encoding (host/text_encoding.h).
    std::setlocale(LC_CTYPE, "");
    try {
        if (command == "--version") {
            std::printf("panelhost %s\n", VANTOR_VERSION);
            return 0;
        }
#ifdef VANTOR_HAS_RENDER
        // render, run, gallery, sheet: the drawing commands (host/render).
        if (host::render::is_render_command(command)) {
            return host::render::run_render_command(command, std::vector<std::string>(argv + 2, argv + argc));
        }
#endif
        Arguments a = parse_arguments(argc, argv);
        if (command == "list") return list(a);
        if (command == "dump") return dump(a);
        if (command == "scenario") return scenario(a);
        std::fprintf(stderr, "panelhost: unknown command %s\n%s", excerpt(command).c_str(), USAGE);
        return 2;
    } catch (const HostError& e) {
        std::cout.flush();
        std::fprintf(stderr, "panelhost: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::fprintf(stderr, "panelhost: internal error: %s\n", e.what());
        return 3;
    }
}
