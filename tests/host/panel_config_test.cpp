// panel.cfg reading: the accepted forms, and a clear error for each bad line.
#include <gtest/gtest.h>

#include <sstream>

#include "host/host_error.h"
#include "host/panel_config.h"

using host::PanelConfig;

namespace {

PanelConfig parse(const std::string& text) {
    std::istringstream in(text);
    return PanelConfig::parse(in, "aircraft/panel.cfg");
}

std::string error_of(const std::string& text) {
    try {
        parse(text);
    } catch (const host::HostError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(PanelConfig, ReadsWindowsAndGaugesInTheSimulatorsFormat) {
    PanelConfig config = parse(
        "// Panel of the aircraft\n"
        "[Window Titles]\n"
        "Window00=Main Panel\n"
        "Window01=Radio Stack\n"
        "\n"
        "[VIEWS]\n"
        "VIEW_FORWARD_DIR=0.000, 0.000, 0.000\n"
        "\n"
        "[Window00]\n"
        "file=panel_background.bmp\n"
        "size_mm=1024\n"
        "position=7\n"
        "visible=1\n"
        "ident=MAIN_PANEL\n"
        "window_size_ratio=1.000\n"
        "gauge00=Vantor_Instr!Airspeed,  60, 40, 150\n"
        "gauge01=Vantor_Instr!Registration, 430,600, 150, 25, tF-AZUR r255 g255 b0\n"
        "gauge02=Vantor_Instr!Radios_Toggle, 900,600,19,19, t50 // o75, c10\n"
        "gauge03=Vantor_Instr!Clock, 5, 6\n"
        "gauge04=Vantor_Instr!Seat_Up_Toggle, 1, 2, p-3\n"
        "\n"
        "[Window01]\n"
        "size_mm=300,200\n"
        "window_title=Radio Stack\n"
        "visible=0\n"
        "ident=50\n"
        "gauge00=Vantor_Instr!Radio_COM1, 0, 0, 300, 100\n"
        "\n"
        "[Vcockpit01]\n"
        "texture=$VC01\n"
        "gauge00=Whatever!Else, not numbers\n");
    ASSERT_EQ(config.windows.size(), 2u);
    EXPECT_EQ(config.window_titles, (std::vector<std::string>{"Main Panel", "Radio Stack"}));

    const auto& main = config.windows[0];
    EXPECT_EQ(main.number, 0);
    EXPECT_EQ(main.background, "panel_background.bmp");
    EXPECT_EQ(main.size_mm_x, 1024);
    EXPECT_FALSE(main.size_mm_y.has_value());
    EXPECT_EQ(main.position, 7);
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.ident, 0);
    ASSERT_EQ(main.gauges.size(), 5u);

    const auto& airspeed = main.gauges[0];
    EXPECT_EQ(airspeed.module, "Vantor_Instr");
    EXPECT_EQ(airspeed.gauge, "Airspeed");
    EXPECT_EQ(airspeed.x, 60);
    EXPECT_EQ(airspeed.y, 40);
    EXPECT_EQ(airspeed.width, 150);
    EXPECT_FALSE(airspeed.height.has_value());
    EXPECT_EQ(airspeed.parameters, "");
    EXPECT_EQ(airspeed.line, 16);
    EXPECT_EQ(airspeed.key, "gauge00");

    EXPECT_EQ(main.gauges[1].height, 25);
    EXPECT_EQ(main.gauges[1].parameters, "tF-AZUR r255 g255 b0");
    // Parameters run to the end of the line: commas and comment marks belong
    // to the gauge, which reads them by its own rules.
    EXPECT_EQ(main.gauges[2].parameters, "t50 // o75, c10");
    EXPECT_FALSE(main.gauges[3].width.has_value());
    EXPECT_EQ(main.gauges[4].parameters, "p-3");
    EXPECT_FALSE(main.gauges[4].width.has_value());

    const auto& radios = config.windows[1];
    EXPECT_EQ(radios.size_mm_x, 300);
    EXPECT_EQ(radios.size_mm_y, 200);
    EXPECT_EQ(radios.title, "Radio Stack");
    EXPECT_FALSE(radios.visible);
    EXPECT_EQ(radios.ident, 50);
    EXPECT_EQ(radios.gauges[0].width, 300);
    EXPECT_EQ(radios.gauges[0].height, 100);
}

TEST(PanelConfig, PanelNamesMapToTheirIds) {
    const std::pair<const char*, int> names[] = {
        {"MAIN_PANEL", 0},          {"RADIO_STACK_PANEL", 50}, {"COMPASS_PANEL", 75},     {"ANNUNCIATOR_PANEL", 125},
        {"ANNUNCIATOR2_PANEL", 150}, {"COLLECTIVE_PANEL", 200}, {"THROTTLE_PANEL", 10},   {"MINI_CONTROLS_PANEL", 100},
        {"IFR_MAIN_PANEL", 175},    {"GPS_PANEL", 225},        {"OVERHEAD_PANEL", 250}};
    for (const auto& [name, id] : names) {
        PanelConfig config = parse(std::string("[Window03]\nident=") + name + "\n");
        EXPECT_EQ(config.windows[0].ident, id) << name;
        EXPECT_EQ(host::panel_name(id), name);
    }
    EXPECT_EQ(parse("[Window03]\nident=10050\n").windows[0].ident, 10050);
    EXPECT_EQ(host::panel_name(7), "7");
}

TEST(PanelConfig, EveryBadLineIsNamedWithFileAndLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"[Window00]\ngauge00=Vantor_Instr Airspeed, 1, 2\n", "aircraft/panel.cfg:2: gauge00: expected Module!Gauge"},
        {"[Window00]\ngauge00=!Airspeed, 1, 2\n", "aircraft/panel.cfg:2: gauge00: expected Module!Gauge"},
        {"[Window00]\n\ngauge01=Vantor_Instr!Airspeed, 1\n", "aircraft/panel.cfg:3: gauge01: expected Module!Gauge, x, y"},
        {"[Window00]\ngauge00=Vantor_Instr!Airspeed, left, 2\n",
         "aircraft/panel.cfg:2: gauge00 x: expected a whole number, found \"left\""},
        {"[Window00]\ngauge00=Vantor_Instr!Airspeed, 1, 2, 0\n", "aircraft/panel.cfg:2: gauge00: width and height must be positive"},
        {"[Window00]\nident=SIDE_PANEL\n", "aircraft/panel.cfg:2: ident: expected a panel name"},
        {"[Window00]\nvisible=yes\n", "aircraft/panel.cfg:2: visible: expected a whole number"},
        {"[Window00]\nvisible=2\n", "aircraft/panel.cfg:2: visible: expected 0 or 1"},
        {"[Window00]\nposition=9\n", "aircraft/panel.cfg:2: position: expected 0 to 8"},
        {"[Window00]\nsize_mm=1,2,3\n", "aircraft/panel.cfg:2: size_mm: expected WIDTH or WIDTH,HEIGHT"},
        {"[Window00]\nthis line has no equals sign\n", "aircraft/panel.cfg:2: expected KEY=VALUE or [Section]"},
        {"file=x.bmp\n", "aircraft/panel.cfg:1: \"file\" before the first [Section]"},
        {"[Window00\n", "aircraft/panel.cfg:1: section header without closing ']'"},
        {"[Window00]\n[Window01]\n[window00]\n", "aircraft/panel.cfg:3: \"[window00]\" is defined twice (first at line 1)"},
    };
    for (const auto& [text, message] : cases) {
        std::string error = error_of(text);
        EXPECT_EQ(error.rfind(message, 0), 0u) << "for:\n" << text << "got: " << error;
    }
}

TEST(PanelConfig, CommentsBlankLinesAndWindowsLineEndingsAreAccepted) {
    PanelConfig config = parse("\xEF\xBB\xBF; first\r\n[Window00]\r\n// note\r\n\r\ngauge00=M!G, 1, 2, 3, 4, x y\r\n");
    ASSERT_EQ(config.windows.size(), 1u);
    ASSERT_EQ(config.windows[0].gauges.size(), 1u);
    EXPECT_EQ(config.windows[0].gauges[0].parameters, "x y");
    EXPECT_EQ(config.windows[0].gauges[0].line, 5);
}

TEST(PanelConfig, AMissingFileIsAnError) {
    EXPECT_THROW(PanelConfig::read("/nonexistent/panel.cfg"), host::HostError);
}
