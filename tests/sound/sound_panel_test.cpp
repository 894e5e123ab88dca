// The sound panel and scenario of the Wine check (data/sound_panel.cfg,
// data/sound.scenario) run natively through the host: the same buffers are
// created and played as that check counts in the Windows module's trace.
#include <set>
#include <sstream>

#include "host/panel.h"
#include "host/scenario.h"
#include "sound_fixture.h"

namespace {

std::size_t lines_starting(const std::string& prefix, const std::string& outcome) {
    std::size_t n = 0;
    for (const std::string& line : calls_starting(prefix)) {
        n += line.size() >= outcome.size() && line.compare(line.size() - outcome.size(), outcome.size(), outcome) == 0;
    }
    return n;
}

TEST_F(PlatformTest, SoundPanelScenarioPlaysEveryClickAndTwoCallouts) {
    host::Simulation simulation;
    const host::BitmapCatalog bitmaps = host::BitmapCatalog::read(VANTOR_BITMAPS);
    host::Panel::Options options;
    options.module_paths["Vantor_Instr"] = VANTOR_MODULE_PATH;
    host::Panel panel(simulation, bitmaps, options);
    panel.load(host::PanelConfig::read(std::string(VANTOR_TEST_DATA) + "/sound_panel.cfg"));
    std::ostringstream out;
    host::Scenario::read(std::string(VANTOR_TEST_DATA) + "/sound.scenario").run(panel, out);
    std::vector<std::uint32_t> waves = played_waves();
    panel.shutdown();

    // 13 callouts and the clicks of the radio altimeter switch, six heads,
    // two selectors, the fuel selector, the master switch and the eight
    // two-position switches.
    EXPECT_EQ(lines_starting("CreateSoundBuffer", "-> 0"), 32u);
    // The radio click (WAVE 30) plays decoded from ADPCM: one size of its own.
    const std::vector<std::string> plays = calls_starting("Play ");
    ASSERT_EQ(plays.size(), waves.size());
    std::set<std::string> radio_click_sizes;
    for (std::size_t i = 0; i < waves.size(); ++i) {
        if (waves[i] == 0) {
            radio_click_sizes.insert(plays[i].substr(0, plays[i].find(" bytes")));
            waves[i] = 30;
        }
    }
    EXPECT_EQ(radio_click_sizes.size(), 1u);
    const std::vector<std::uint32_t> expected = {
        10,                  // radio altimeter switch on
        30, 30,              // COM1 off, on (the second off click is silent)
        10,                  // COM2 off
        30, 30,              // NAV1 off, on (NAV2's on area while on is silent)
        30, 30, 30, 30,      // ADF: tone on; off; power and tone on again
        30, 30,              // transponder off, on
        10, 10,              // the two selectors
        10, 10,              // fuel selector left, right
        10, 10, 10,          // master switch guard opened, battery on, guard closed
        10, 10, 10, 10, 10, 10, 10, 10,  // the eight two-position switches
        1280, 1290,          // 2500 ft, 1000 ft
        10, 10,              // radio altimeter switch off, on
    };
    EXPECT_EQ(waves, expected) << out.str();
    EXPECT_EQ(lines_starting("Play ", "-> 0"), expected.size());
    EXPECT_EQ(calls_starting("Release buffer").size(), 32u) << "every buffer released at the kill";
}

}  // namespace
