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
#include "host/command_help.h"
#include "host/gauge_report.h"
#include "host/host_error.h"
#include "host/module_loader.h"
#include "host/mouse_map.h"
#include "host/panel.h"
#include "host/panel_config.h"
#include "host/panel_lint.h"
#include "host/scenario.h"
#include "host/service_table.h"
#include "host/simulation.h"
#include "host/suggest.h"
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

const std::vector<CommandHelp> CORE_COMMANDS = {
    {"list", "  panelhost list [MODULE] [--bitmaps FILE]\n",
     "list the module's gauges: registered name, width in mm, callback, bitmap size",
     "MODULE: the module file; without it, the module built beside panelhost (the\n"
     "first line says which file was read).\n"
     "  --bitmaps FILE      the bitmap size table (default: the source tree's resources/bitmaps.tsv)\n"},
    {"dump", "  panelhost dump [MODULE] GAUGE [--bitmaps FILE]\n",
     "print one gauge's element tree and mouse rectangles",
     "MODULE: the module file; without it, the module built beside panelhost.\n"
     "GAUGE: a registered name (panelhost list shows them).\n"
     "  --bitmaps FILE      the bitmap size table\n"},
    {"scenario",
     "  panelhost scenario --panel PANEL.CFG --scenario FILE [--gauges DIR]... [--module NAME=FILE]...\n"
     "            [--bitmaps FILE] [--trace]\n",
     "run a scenario against a panel and print what it shows",
     "Loads the panel, runs the scenario's commands (docs/scenarios.md) and prints what\n"
     "they show, then the key-event log, the window changes and any warnings.\n\n"
     "  --panel PANEL.CFG   the panel to load\n"
     "  --scenario FILE     the timeline to run\n"
     "  --gauges DIR        look for modules named by panel.cfg in DIR (repeatable)\n"
     "  --module NAME=FILE  the module panel.cfg calls NAME is FILE\n"
     "                      (without either: the module built beside panelhost; the\n"
     "                      panel.cfg's folder is always searched too)\n"
     "  --bitmaps FILE      the bitmap size table\n"
     "  --trace             also list the host's notifications to the gauges\n"},
    {"lint", "  panelhost lint PANEL.CFG... [--gauges DIR]... [--module NAME=FILE]... [--bitmaps FILE]\n",
     "check a panel.cfg: gauge names, keys, window bounds, overlaps, parameters",
     "Reads each panel.cfg and prints one line per finding, FILE:LINE: what (docs/panel-lint.md).\n"
     "Exit status: 0 no findings, 1 findings, 2 a panel.cfg that cannot be read or a bad command line.\n\n"
     "  --gauges DIR        look for modules named by panel.cfg in DIR (repeatable)\n"
     "  --module NAME=FILE  the module panel.cfg calls NAME is FILE\n"
     "  --bitmaps FILE      the bitmap size table (gauge sizes)\n"},
};

const std::vector<CommandHelp> OWN_COMMANDS = {
    {"help", "  panelhost help [COMMAND]\n", "this text, or one command's options", ""},
    {"--version", "  panelhost --version\n", "the program's version", ""},
};

// Every command, in the order the usage lists them.
const std::vector<CommandHelp>& commands() {
    static const std::vector<CommandHelp> all = [] {
        std::vector<CommandHelp> c = CORE_COMMANDS;
#ifdef VANTOR_HAS_RENDER
        const auto& drawing = host::render::render_command_help();
        c.insert(c.end(), drawing.begin(), drawing.end());
#endif
        c.insert(c.end(), OWN_COMMANDS.begin(), OWN_COMMANDS.end());
        return c;
    }();
    return all;
}

std::string usage() {
    std::string text = usage_text("panelhost", commands());
#ifdef VANTOR_HAS_RENDER
    text += "The panel can also be tried interactively: panelview PANEL.CFG (panelview --help).\n";
#endif
    return text;
}

std::vector<std::string> command_names() {
    std::vector<std::string> names;
    for (const CommandHelp& c : commands()) names.push_back(c.name);
    return names;
}

// "help" and "help COMMAND".
int help(const std::vector<std::string>& words) {
    if (words.empty()) {
        std::fputs(usage().c_str(), stdout);
        return 0;
    }
    for (const CommandHelp& c : commands()) {
        if (words[0] != c.name) continue;
        std::string text = command_help_text(c);
#ifdef VANTOR_HAS_RENDER
        if (host::render::is_render_command(c.name)) text += std::string("\n") + host::render::render_shared_options();
#endif
        std::fputs(text.c_str(), stdout);
        return 0;
    }
    throw HostError("help: no command " + quoted(words[0]) + did_you_mean(words[0], command_names()) +
                    " (panelhost help lists them)");
}

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
            if (i + 1 >= argc) throw HostError(arg + " needs a value (panelhost help " + std::string(argv[1]) + ")");
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
            static const std::vector<std::string> known = {"--panel", "--scenario", "--bitmaps", "--gauges", "--trace",
                                                           "--module"};
            throw HostError("unknown option " + excerpt(arg) + did_you_mean(arg, known) + " (panelhost help " +
                            std::string(argv[1]) + ")");
        } else {
            a.positional.push_back(arg);
        }
    }
    return a;
}

// The module of this build: beside the program, else where the build put it.
std::string built_module() { return ModuleLoader::beside_program(VANTOR_DEFAULT_MODULE); }

// MODULE as given, else the module of this build.
std::string module_or_default(const std::vector<std::string>& positional, std::size_t given_when,
                              const char* command, const char* expected) {
    if (positional.size() == given_when) return positional.front();
    if (positional.size() + 1 == given_when) {
        std::string built = built_module();
        if (!built.empty()) return built;
        throw HostError(std::string(command) + ": no MODULE given, and no module is built beside panelhost");
    }
    throw HostError(std::string(command) + " expects " + expected + ", found " + std::to_string(positional.size()) +
                    " word" + (positional.size() == 1 ? "" : "s") + " (panelhost help " + command + ")");
}

// Where a panel's modules are looked for: --gauges and --module, else the
// folder of the module of this build (the panel.cfg's folder is searched too).
Panel::Options module_options(const Arguments& a) {
    Panel::Options options{a.gauge_folders, a.modules};
    if (options.module_folders.empty() && options.module_paths.empty()) {
        const std::string built = built_module();
        if (!built.empty()) options.module_folders.push_back(std::filesystem::path(built).parent_path().string());
    }
    return options;
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
    const std::string module = module_or_default(a.positional, 1, "list", "[MODULE]");
    BitmapCatalog bitmaps = bitmaps_for(a);
    ProbedModule probe(module);
    std::printf("module %s%s\n", std::filesystem::absolute(module).lexically_normal().string().c_str(),
                a.positional.empty() ? " (the module built beside panelhost)" : "");
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
    const std::string module = module_or_default(a.positional, 2, "dump", "[MODULE] GAUGE");
    const std::string& name = a.positional.back();
    BitmapCatalog bitmaps = bitmaps_for(a);
    ProbedModule probe(module);
    GAUGEHDR* gauge = probe.module.gauge(name);
    if (gauge == nullptr) {
        throw HostError("module " + module + " has no gauge named " + quoted(name) +
                        did_you_mean(name, probe.module.gauge_names()) + " (panelhost list shows them)");
    }
    std::printf("%s: %u mm, callback %s\n", gauge->name, static_cast<unsigned>(gauge->size_x_mm),
                gauge->callback != nullptr ? "yes" : "no");
    print_element_tree(std::cout, *gauge, bitmaps);
    print_mouse_list(std::cout, *gauge, MouseMap::build(gauge->mouse_rects));
    return 0;
}

int scenario(const Arguments& a) {
    if (a.panel.empty() || a.scenario.empty() || !a.positional.empty()) {
        throw HostError("scenario needs --panel and --scenario" +
                        std::string(a.positional.empty() ? "" : ", and takes no " + quoted(a.positional[0])) +
                        " (panelhost help scenario)");
    }
    BitmapCatalog bitmaps = bitmaps_for(a);
    PanelConfig config = PanelConfig::read(a.panel);
    Scenario timeline = Scenario::read(a.scenario);
    Simulation simulation;
    Panel panel(simulation, bitmaps, module_options(a));
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

// Exit status 0 clean, 1 findings, 2 unreadable panel or bad command line.
int lint(int argc, char** argv) {
    try {
        Arguments a = parse_arguments(argc, argv);
        if (a.positional.empty() || !a.panel.empty() || !a.scenario.empty() || a.trace) {
            throw HostError("lint expects PANEL.CFG... and the options --gauges, --module, --bitmaps "
                            "(panelhost help lint)");
        }
        BitmapCatalog bitmaps = bitmaps_for(a);
        const Panel::Options options = module_options(a);
        std::vector<PanelConfig> configs;
        for (const std::string& path : a.positional) configs.push_back(PanelConfig::read(path));
        unsigned long total = 0;
        for (const PanelConfig& config : configs) {
            for (const LintFinding& f : lint_panel(config, options, bitmaps)) {
                std::printf("%s:%d: %s\n", config.path.c_str(), f.line, f.message.c_str());
                ++total;
            }
        }
        if (total > 0) std::printf("%lu finding%s\n", total, total == 1 ? "" : "s");
        return total > 0 ? 1 : 0;
    } catch (const HostError& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "panelhost: %s\n", e.what());
        return 2;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs(usage().c_str(), stderr);
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
        if (command == "--help" || command == "-h" || command == "help") {
            return help(std::vector<std::string>(argv + 2, argv + argc));
        }
        for (int i = 2; i < argc; ++i) {
            if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return help({command});
        }
#ifdef VANTOR_HAS_RENDER
        // render, run, gallery, sheet: the drawing commands (host/render).
        if (host::render::is_render_command(command)) {
            return host::render::run_render_command(command, std::vector<std::string>(argv + 2, argv + argc));
        }
#endif
        if (command == "lint") return lint(argc, argv);
        if (command == "list" || command == "dump" || command == "scenario") {
            Arguments a = parse_arguments(argc, argv);
            if (command == "list") return list(a);
            if (command == "dump") return dump(a);
            return scenario(a);
        }
        std::fprintf(stderr, "panelhost: unknown command %s%s (panelhost --help lists the commands)\n",
                     host::quoted(command).c_str(), did_you_mean(command, command_names()).c_str());
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
