// The panel host driving the real module: load, pre-install, connect,
// updates, windows, kill, unload.
// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "host/host_error.h"
#include "host/panel.h"

using host::LifecycleCall;
using host::Panel;
using host::PanelConfig;

namespace {

const char* const PANEL =
    "[Window Titles]\n"
    "Window00=Main\n"
    "[Window00]\n"
    "size_mm=1024\n"
    "ident=MAIN_PANEL\n"
    "gauge00=Vantor_Instr!Airspeed, 10, 10, 150\n"
    "gauge01=Vantor_Instr!Registration, 400, 600, 150, 25, tF-AZUR\n"
    "gauge02=Vantor_Instr!Registration, 400, 700, 150, 25, tN700MS\n"
    "[Window01]\n"
    "visible=0\n"
    "ident=RADIO_STACK_PANEL\n"
    "gauge00=Vantor_Instr!Clock, 0, 0, 100\n";

PanelConfig config(const std::string& text = PANEL) {
    std::istringstream in(text);
    return PanelConfig::parse(in, "test/panel.cfg");
}

class LifecycleTest : public ::testing::Test {
protected:
    Panel::Options options() {
        Panel::Options o;
        o.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
        return o;
    }
    std::vector<std::string> calls(LifecycleCall::Kind kind, UINT32 service = 0) {
        std::vector<std::string> out;
        for (const LifecycleCall& c : panel.lifecycle()) {
            if (c.kind == kind && (kind != LifecycleCall::Service || c.service == service)) {
                out.push_back(kind == LifecycleCall::Service ? c.gauge : c.module);
            }
        }
        return out;
    }

    host::Simulation simulation;
    host::BitmapCatalog bitmaps;
    Panel panel{simulation, bitmaps, options()};
};

}  // namespace

TEST_F(LifecycleTest, GaugesArePreInstalledThenConnectedThenUpdatedThenKilled) {
    panel.load(config());
    const auto& log = panel.lifecycle();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().kind, LifecycleCall::ModuleInit);
    // Every placement is pre-installed with its parameter string already in
    // the header and the module handle as the extra argument.
    std::vector<const LifecycleCall*> pre;
    for (const auto& c : log) {
        if (c.kind == LifecycleCall::Service && c.service == PANEL_SERVICE_PRE_INSTALL) pre.push_back(&c);
    }
    ASSERT_EQ(pre.size(), 4u);
    EXPECT_EQ(pre[1]->gauge, "Registration");
    EXPECT_EQ(pre[1]->parameters, "tF-AZUR");
    EXPECT_EQ(pre[2]->parameters, "tN700MS");
    for (const auto* c : pre) {
        EXPECT_EQ(c->extra, panel.gauges()[0]->module->handle());
        EXPECT_NE(c->extra, 0u);
    }
    // Only the gauges of the open window are connected.
    EXPECT_EQ(calls(LifecycleCall::Service, PANEL_SERVICE_CONNECT_TO_WINDOW),
              (std::vector<std::string>{"Airspeed", "Registration", "Registration"}));
    EXPECT_TRUE(calls(LifecycleCall::Service, PANEL_SERVICE_PRE_UPDATE).empty());

    panel.frame();
    panel.frame();
    EXPECT_EQ(calls(LifecycleCall::Service, PANEL_SERVICE_PRE_UPDATE).size(), 6u);
    EXPECT_EQ(simulation.frame(), 2);
    EXPECT_EQ(panel.find("Airspeed")->evaluation.updates(), 2);
    EXPECT_EQ(panel.find("Clock")->evaluation.updates(), 0);

    panel.shutdown();
    EXPECT_EQ(calls(LifecycleCall::Service, PANEL_SERVICE_PRE_KILL),
              (std::vector<std::string>{"Airspeed", "Registration", "Registration", "Clock"}));
    EXPECT_EQ(panel.lifecycle().back().kind, LifecycleCall::ModuleDeinit);
}

TEST_F(LifecycleTest, TheSameGaugePlacedTwiceSharesOneHeader) {
    panel.load(config());
    const auto& gauges = panel.gauges();
    ASSERT_EQ(gauges.size(), 4u);
    EXPECT_EQ(gauges[1]->header, gauges[2]->header);
    EXPECT_NE(gauges[0]->header, gauges[1]->header);
    // The header holds the parameters of the last placement installed.
    EXPECT_STREQ(gauges[1]->header->parameters, "tN700MS");
    EXPECT_EQ(&panel.mouse_map(*gauges[1]), &panel.mouse_map(*gauges[2]));
}

TEST_F(LifecycleTest, TheModuleSeesTheServiceTableWhileLoaded) {
    panel.load(config());
    GAUGESIMPORT& imports = panel.gauges()[0]->module->imports();
    EXPECT_EQ(+imports.entries[0].table, panel.services().entries());
    EXPECT_EQ(imports.entries[0].id, IMPORT_PANEL_SERVICES_ID);
}

TEST_F(LifecycleTest, WindowEventsAndTheToggleServiceOpenAndCloseWindowsByIdent) {
    panel.load(config());
    const auto& windows = panel.windows();
    EXPECT_FALSE(windows[1].visible);
    simulation.trigger_key_event(host::EVENT_PANEL_TOGGLE, 50, host::EventSource::Module);
    EXPECT_TRUE(windows[1].visible);
    panel.frame();  // the newly shown gauge is connected before its first update
    auto connects = calls(LifecycleCall::Service, PANEL_SERVICE_CONNECT_TO_WINDOW);
    EXPECT_EQ(connects.back(), "Clock");
    EXPECT_EQ(panel.find("Clock")->evaluation.updates(), 1);

    simulation.trigger_key_event(host::EVENT_PANEL_CLOSE, 50, host::EventSource::Module);
    EXPECT_FALSE(windows[1].visible);
    simulation.trigger_key_event(host::EVENT_PANEL_CLOSE, 50, host::EventSource::Module);
    EXPECT_FALSE(windows[1].visible);
    simulation.trigger_key_event(host::EVENT_PANEL_OPEN, 50, host::EventSource::Module);
    EXPECT_TRUE(windows[1].visible);

    // panel_window_toggle, as the module calls it through its import table.
    auto toggle = reinterpret_cast<PANEL_WINDOW_TOGGLE_FN>(
        panel.gauges()[0]->module->imports().entries[0].table[SERVICE_PANEL_WINDOW_TOGGLE]);
    toggle(0);
    EXPECT_FALSE(windows[0].visible);
    toggle(0);
    EXPECT_TRUE(windows[0].visible);
    toggle(999);
    ASSERT_FALSE(panel.warnings().empty());
    EXPECT_NE(panel.warnings().back().find("no panel window has ident 999"), std::string::npos);
    EXPECT_EQ(panel.window_log().size(), 5u);
}

TEST_F(LifecycleTest, MissingModulesAndGaugesNameTheLine) {
    auto error = [&](const std::string& text) -> std::string {
        Panel fresh(simulation, bitmaps, options());
        try {
            fresh.load(config(text));
        } catch (const host::HostError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(error("[Window00]\ngauge00=Vantor_Instr!Airspeed,1,2\ngauge01=Vantor_Instr!Airspeeed,1,2\n")
                  .rfind("test/panel.cfg:3: gauge01: module Vantor_Instr has no gauge named \"Airspeeed\"", 0),
              0u);
    std::string missing = error("[Window00]\n\ngauge00=No_Such_Module!Airspeed,1,2\n");
    EXPECT_EQ(missing.rfind("test/panel.cfg:3: gauge00: module No_Such_Module not found", 0), 0u) << missing;
}

TEST_F(LifecycleTest, RealGaugesEvaluateWithBackgroundSizes) {
    bitmaps.add(430, {300, 300});
    panel.load(config());
    panel.frame();
    const host::PlacedGauge* airspeed = panel.find("Airspeed");
    ASSERT_TRUE(airspeed->size.has_value());
    EXPECT_EQ(airspeed->size->width, 300);
    const auto& elements = airspeed->evaluation.elements();
    ASSERT_FALSE(elements.empty());
    EXPECT_EQ(elements[0].bitmap_id, 430u);
    EXPECT_TRUE(elements[0].drawn);
    EXPECT_EQ(panel.tooltip_at(*panel.find("Airspeed"), {150, 150}).value_or("").empty(), false);
}

TEST(ModuleLoader, FilesThatAreNotModulesAreReported) {
    try {
        host::ModuleLoader::load("/nonexistent/Vantor_Instr.so");
        FAIL() << "loaded a missing file";
    } catch (const host::HostError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("cannot load module /nonexistent/Vantor_Instr.so", 0), 0u) << e.what();
    }
    // A shared object without the two records.
    try {
        host::ModuleLoader::load(VANTOR_NOT_A_MODULE);
        FAIL() << "loaded a library without Linkage";
    } catch (const host::HostError& e) {
        EXPECT_NE(std::string(e.what()).find("does not export both Linkage and ImportTable"), std::string::npos)
            << e.what();
    }
    // The Windows module, which natively only hostprobe.exe under Wine loads.
    const std::string gau = ::testing::TempDir() + "/Vantor_Instr.gau";
    std::ofstream(gau, std::ios::binary) << std::string("MZ\x90\0\3\0\0\0", 8) << std::string(120, '\0');
    try {
        host::ModuleLoader::load(gau);
        FAIL() << "loaded a Windows image natively";
    } catch (const host::HostError& e) {
        const std::string what = e.what();
        for (const char* part : {"is the 32-bit Windows module", "Vantor_Instr.so", "Wine", "hostprobe.exe"}) {
            EXPECT_NE(what.find(part), std::string::npos) << part << " in: " << what;
        }
    }
}

TEST(ModuleLoader, FindsModulesByNameInFoldersInTurn) {
    std::string path = VANTOR_MODULE_PATH;
    std::string folder = path.substr(0, path.rfind('/'));
    EXPECT_EQ(host::ModuleLoader::find("Vantor_Instr", {"/nonexistent", folder}), folder + "/Vantor_Instr.so");
    EXPECT_EQ(host::ModuleLoader::find("Nothing_Here", {folder}), "");
    host::LoadedModule module = host::ModuleLoader::load(path);
    EXPECT_EQ(module.name(), "Vantor_Instr");
    EXPECT_EQ(module.gauge_count(), 88);
    EXPECT_NE(module.gauge("Clock"), nullptr);
    EXPECT_EQ(module.gauge("clock"), nullptr);
    EXPECT_NE(module.handle(), 0u);
}
