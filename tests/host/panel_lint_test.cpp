// panelhost lint's checks, one broken panel each, against the real module
// and bitmap table; the example panel has nothing to report.
#include <gtest/gtest.h>

#include <sstream>

#include "host/panel_lint.h"

namespace {

struct Expected {
    int line;
    std::string text;  // a part of the message
};

struct LintCase {
    const char* name;
    const char* panel;
    std::vector<Expected> findings;
};

const LintCase CASES[] = {
    {"unknown gauge with the nearest name",
     "[Window00]\nsize_mm=400,300\nident=MAIN_PANEL\n"
     "gauge00=Vantor_Instr!Altimeterr, 0, 0, 100, 100\n",
     {{4, "gauge00: module Vantor_Instr has no gauge named \"Altimeterr\"; did you mean \"Altimeter\"?"}}},
    {"missing module, told once",
     "[Window00]\nsize_mm=400,300\nident=MAIN_PANEL\n"
     "gauge00=Other!Thing, 0, 0, 10, 10\n"
     "gauge01=Other!Else, 20, 0, 10, 10\n",
     {{4, "gauge00: module Other not found (looked in "}}},
    {"duplicate key in one window, whatever its case",
     "[Window00]\nsize_mm=400,300\nident=MAIN_PANEL\n"
     "gauge00=Vantor_Instr!Airspeed, 0, 0, 100, 100\n"
     "GAUGE00=Vantor_Instr!Altimeter, 200, 0, 100, 100\n"
     "[Window01]\n"
     "gauge00=Vantor_Instr!Clock, 0, 0, 100, 100\n",
     {{5, "GAUGE00 is given twice in [Window00] (first at line 4)"}}},
    {"gauges past the window's edges, sizes from the bitmap table",
     "[Window00]\nsize_mm=400,300\nident=MAIN_PANEL\n"
     "gauge00=Vantor_Instr!Airspeed, 350, -10, 100, 100\n"
     "gauge01=Vantor_Instr!Clock, 0, 150\n"
     "gauge02=Vantor_Instr!Bendix_DME, 0, 0, 238\n",  // 238 x 118: inside
     {{4, "gauge00 Airspeed at 350,-10 (100 x 100) reaches past the top and right edges of [Window00] (400 x 300)"},
      {5, "gauge01 Clock at 0,150 (300 x 300) reaches past the bottom edge of [Window00]"}}},
    {"window sizes from the background, a missing background",
     "[Window00]\nfile=subpanel.bmp\nsize_mm=200\nident=MAIN_PANEL\n"
     "gauge00=Vantor_Instr!Airspeed, 0, 200, 100, 100\n"
     "[Window01]\nfile=subpanel.bmp\n"
     "gauge00=Vantor_Instr!Airspeed, 350, 0, 100, 100\n"
     "[Window02]\nfile=no_such.bmp\n"
     "gauge00=Vantor_Instr!Airspeed, 5000, 0, 100, 100\n",
     {{5, "reaches past the bottom edge of [Window00] (200 x 250)"},
      {8, "reaches past the right edge of [Window01] (400 x 500)"},
      {9, "[Window02] file=no_such.bmp: no such file"}}},
    {"overlapping gauges; touching ones and other windows' do not count",
     "[Window00]\nsize_mm=400,300\nident=MAIN_PANEL\n"
     "gauge00=Vantor_Instr!Airspeed, 0, 0, 100, 100\n"
     "gauge01=Vantor_Instr!Altimeter, 100, 0, 100, 100\n"
     "gauge02=Vantor_Instr!Clock, 150, 50, 100, 100\n"
     "[Window01]\n"
     "gauge00=Vantor_Instr!Attitude, 0, 0, 100, 100\n",
     {{6, "gauge02 Clock at 150,50 (100 x 100) overlaps gauge01 Altimeter at 100,0 (100 x 100), line 5"}}},
    {"panel buttons acting on windows no window has",
     "[Window00]\nsize_mm=400,300\nident=RADIO_STACK_PANEL\n"
     "gauge00=Vantor_Instr!Radios_Toggle, 0, 0, 19, 19, tRADIO_STACK_PANEL // o75\n"
     "gauge01=Vantor_Instr!GPS_Toggle, 20, 0, 19, 19, tGPS_PANEL\n"
     "gauge02=Vantor_Instr!Throttle_Toggle, 40, 0, 19, 19, o50 c10 aTHROTTLE_PANEL\n"
     "gauge03=Vantor_Instr!Seat_Up_Toggle, 60, 0, 19, 19\n"
     "gauge04=Vantor_Instr!Map_Toggle, 80, 0, 12, 12\n"
     "gauge05=Vantor_Instr!Show_Yoke, 100, 0, 19, 19, t-5 p3\n",
     {{5, "gauge01 GPS_Toggle: t toggles window 225 (GPS_PANEL), which no window has as its ident"},
      {6, "gauge02 Throttle_Toggle: c closes window 10 (THROTTLE_PANEL), which"},
      {6, "gauge02 Throttle_Toggle: a closes window 10 (THROTTLE_PANEL) at load, which"},
      {7, "gauge03 Seat_Up_Toggle: a click without parameters toggles window 0 (MAIN_PANEL), which"}}},
    {"parameter text the gauges do not read",
     "[Window00]\nsize_mm=600,300\nident=0\n"
     "gauge00=Vantor_Instr!Radios_Toggle, 0, 0, 19, 19, t0 radios\n"
     "gauge01=Vantor_Instr!GPS_Toggle, 20, 0, 19, 19, b100 b110 hTOGGLE_GPS_WINDOW # any text here\n"
     "gauge02=Vantor_Instr!Airspeed, 40, 0, 100, 100, s1\n"
     "gauge03=Vantor_Instr!Altimeter, 140, 0, 100, 100, // a note\n"
     "gauge04=Vantor_Instr!Registration, 240, 0, 150, 25, x tN123\n"
     "gauge05=Vantor_Instr!Registration, 240, 30, 150, 25, tN_123 r255 q1 r0 fTimes new roman\n"
     "gauge06=Vantor_Instr!Radio_Altimeter, 400, 0, 150, 150, s1 v2\n"
     "gauge07=Vantor_Instr!Registration, 240, 60, 150, 25, tN1/2 r0\n",
     {{4, "gauge00 Radios_Toggle does not read the keys r d i s in \"t0 radios\""},
      {5, "gauge01 GPS_Toggle reads only the first b of"},
      {6, "gauge02 Airspeed reads no parameters: \"s1\" is ignored"},
      {8, "gauge04 Registration shows N700MS: the plate text is read only after a leading t"},
      {8, "gauge04 Registration does not read the key t in"},
      {9, "gauge05 Registration does not read the key q in"},
      {9, "gauge05 Registration reads only the first r of"},
      {10, "gauge06 Radio_Altimeter does not read the key v in"}}},
};

host::Panel::Options module_options() {
    host::Panel::Options options;
    options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
    return options;
}

std::string listing(const std::vector<host::LintFinding>& findings) {
    std::string text;
    for (const auto& f : findings) text += std::to_string(f.line) + ": " + f.message + "\n";
    return text;
}

}  // namespace

TEST(PanelLint, ReportsEachKindOfMistakeAtItsLine) {
    const host::BitmapCatalog bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
    for (const LintCase& c : CASES) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.panel);
        // Beside the example's backgrounds.
        const auto config = host::PanelConfig::parse(in, std::string(VANTOR_EXAMPLES) + "/lint.cfg");
        const auto findings = host::lint_panel(config, module_options(), bitmaps);
        ASSERT_EQ(findings.size(), c.findings.size()) << listing(findings);
        for (std::size_t i = 0; i < findings.size(); ++i) {
            EXPECT_EQ(findings[i].line, c.findings[i].line) << findings[i].message;
            EXPECT_NE(findings[i].message.find(c.findings[i].text), std::string::npos)
                << findings[i].message << "\nexpected: " << c.findings[i].text;
        }
    }
}

TEST(PanelLint, TheExamplePanelHasNothingToReport) {
    const auto findings = host::lint_panel(host::PanelConfig::read(VANTOR_EXAMPLE_PANEL), module_options(),
                                           host::BitmapCatalog::read(VANTOR_BITMAPS));
    EXPECT_TRUE(findings.empty()) << listing(findings);
}

TEST(PanelLint, GaugesOfUnknownSizeAreLeftOutOfTheEdgeAndOverlapChecks) {
    std::istringstream in(
        "[Window00]\nsize_mm=100,100\nident=MAIN_PANEL\n"
        "gauge00=Vantor_Instr!Airspeed, 50, 50\n"
        "gauge01=Vantor_Instr!Altimeter, 60, 60\n");
    const auto findings =
        host::lint_panel(host::PanelConfig::parse(in, "lint.cfg"), module_options(), host::BitmapCatalog());
    EXPECT_TRUE(findings.empty()) << listing(findings);
}
