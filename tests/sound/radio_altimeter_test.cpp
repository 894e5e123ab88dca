// The radio altimeter and its switch through their records: the pointer,
// lamp and tooltip, and which callout each update starts.
#include <cmath>
#include <limits>

#include "element_tree.h"
#include "sound_fixture.h"

namespace {

constexpr FLOAT64 FT = 3.28084;
constexpr FLOAT64 NaN = std::numeric_limits<FLOAT64>::quiet_NaN();

// Vertical speed token value (metres per second x 256) for feet per minute.
FLOAT64 token_for(FLOAT64 feet_per_minute) { return feet_per_minute / (FT * 60) * 256; }

struct RadioAltimeterTest : SoundTest {
    ELEMENT_NEEDLE* pointer = as<ELEMENT_NEEDLE>(first_child_chain(altimeter, 2));
    ELEMENT_ICON* lamp = as<ELEMENT_ICON>(first_child_chain(altimeter, 3));

    RadioAltimeterTest() {
        host.numbers = {{614, 2000.0}, {615, 60.96}, {65, 0.0}, {755, 28.0}, {616, 1.0}};
        install(alti_switch);
        click(alti_switch, 1);  // on
        install(altimeter, "s1");
        send_service(altimeter, PANEL_SERVICE_CONNECT_TO_WINDOW);
    }
    ~RadioAltimeterTest() override {
        kill(altimeter);
        kill(alti_switch);
    }
    void update() { send_service(altimeter, PANEL_SERVICE_PRE_UPDATE); }
    // Level updates at 2000 m until the smoothed rate is close to the given one.
    void settle_rate(FLOAT64 feet_per_minute) {
        host.numbers[65] = token_for(feet_per_minute);
        host.numbers[614] = 2000.0;
        for (int i = 0; i < 200; ++i) update();
    }
    // From `from` to `to` metres in one update: the callouts it starts.
    std::vector<std::uint32_t> pass(FLOAT64 from, FLOAT64 to) {
        host.numbers[614] = from;
        update();
        vantor_platform_clear_call_log();
        host.numbers[614] = to;
        update();
        return played_waves();
    }
    FLOAT64 shown(FLOAT64 height) {
        pointer->source_var.value.number = height;
        return pointer->callback(pointer);
    }
    std::string tooltip() { return altimeter->mouse_rects[1].args[0].text_callback(0, 0, nullptr, nullptr, altimeter); }
};

using Waves = std::vector<std::uint32_t>;

TEST_F(RadioAltimeterTest, CalloutOfTheHeightPassedGoingDownFastEnough) {
    struct Row {
        const char* what;
        FLOAT64 rate;  // ft/min, smoothed
        FLOAT64 from, to;
        Waves expected;
        FLOAT64 decision_height = 60.96;
    };
    const Row rows[] = {
        {"1000 ft at -500 ft/min", -500, 310, 300, {1290}},
        {"1000 ft at -50 ft/min: below its gate of 100", -50, 310, 300, {}},
        {"50 ft at -50 ft/min: its gate is 10", -50, 16, 15, {1350}},
        {"climbing through 1000 ft", 500, 300, 310, {}},
        {"climbing while the rate still says down", -500, 300, 310, {}},
        {"decision height and 500, 400, 300 ft at once", -800, 153, 90, {1400}, 100.0},
        {"from 800 m to the ground: one callout an update", -3000, 800, 0, {1400}},
        {"leaving a threshold exactly", -500, 1000 / FT, 300, {1290}},
        {"reaching a threshold exactly", -500, 310, 1000 / FT, {1290}},
        {"level at a threshold", -500, 1000 / FT, 1000 / FT, {1290}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        host.numbers[615] = row.decision_height;
        settle_rate(row.rate);
        EXPECT_EQ(pass(row.from, row.to), row.expected);
        vantor_platform_mix(nullptr, 22050 * 5, 22050);  // let it finish
    }
}

TEST_F(RadioAltimeterTest, NoCalloutWithoutSupplyOrWithTheSwitchOff) {
    settle_rate(-1000);
    for (FLOAT64 supply : {19.9, NaN, -1.0}) {
        host.numbers[755] = supply;
        EXPECT_EQ(pass(310, 300), Waves{}) << supply;
    }
    host.numbers[755] = 20.0;
    click(alti_switch, 1);  // off
    EXPECT_EQ(pass(310, 300), Waves{});
    click(alti_switch, 1);  // on
    EXPECT_EQ(pass(310, 300), Waves{1290}) << "20 is enough";
}

TEST_F(RadioAltimeterTest, EntryStillPlayingIsSkippedForTheNextInOrder) {
    settle_rate(-1000);
    EXPECT_EQ(pass(310, 300), Waves{1290});
    EXPECT_EQ(pass(310, 150), Waves{1300}) << "1000 ft still speaks: 500 ft comes next";
    vantor_platform_mix(nullptr, 22050 * 5, 22050);
    EXPECT_EQ(pass(310, 300), Waves{1290}) << "finished, it speaks again";
}

TEST_F(RadioAltimeterTest, OneBadVerticalSpeedSampleDoesNotSilenceTheCallouts) {
    settle_rate(-1000);
    host.numbers[65] = NaN;
    update();
    host.numbers[65] = std::numeric_limits<FLOAT64>::infinity();
    update();
    EXPECT_EQ(pass(310, 300), Waves{1290});
}

TEST_F(RadioAltimeterTest, PointerLampAndTooltipFollowTheSwitch) {
    EXPECT_DOUBLE_EQ(shown(1.7), 0.0);
    EXPECT_EQ(tooltip(), "Radio Altimeter (0 ft)");
    EXPECT_DOUBLE_EQ(shown(31.18), 31.18 - 1.7);
    EXPECT_EQ(tooltip(), "Radio Altimeter (97 ft)");
    lamp->source_var.value.number = 1.0;
    EXPECT_EQ(lamp->callback(lamp), 1.0);

    click(alti_switch, 1);  // off
    EXPECT_EQ(shown(500.0), 0.0);
    EXPECT_EQ(lamp->callback(lamp), -1.0);
    EXPECT_EQ(tooltip(), "Radio Altimeter (inactive)");
}

TEST_F(RadioAltimeterTest, TooltipOfAnyHeightFitsItsText) {
    click(alti_switch, 1);
    click(alti_switch, 1);
    shown(1e300);
    const std::string big = tooltip();
    EXPECT_EQ(big.substr(0, 17), "Radio Altimeter (");
    EXPECT_EQ(big.substr(big.size() - 4), " ft)");
    shown(NaN);
    EXPECT_EQ(tooltip().substr(0, 17), "Radio Altimeter (");
}

// Without the switch on the panel, the radio altimeter is on from the load.
TEST(RadioAltimeterAlone, OnWithoutItsSwitch) {
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* altimeter = module.gauge("Radio_Altimeter");
    ELEMENT_NEEDLE* pointer = as<ELEMENT_NEEDLE>(first_child_chain(altimeter, 2));
    pre_install(altimeter, "", module.handle());
    pointer->source_var.value.number = 101.7;
    EXPECT_DOUBLE_EQ(pointer->callback(pointer), 100.0);
    send_service(altimeter, PANEL_SERVICE_PRE_KILL);
}

}  // namespace
