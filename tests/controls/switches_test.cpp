// The eight two-position switches and the guarded master switch.
#include <limits>

#include "controls_fixture.h"

namespace {

struct SwitchRow {
    const char* name;
    UINT32 token;
    UINT32 event;
    const char* tooltip;
};

const SwitchRow SWITCHES[] = {
    {"Avionics_Switch", 740, 0x102F5, "Avionics switch (%1!s!)"},
    {"Beacon_Light_Switch", 368, 0x102BF, "Beacon lights switch (%1!s!)"},
    {"Landing_Light_Switch", 14, 0x100D7, "Landing lights switch (%1!s!)"},
    {"Navigation_Light_Switch", 619, 0x1034B, "Navigation lights switch (%1!s!)"},
    {"Panel_Light_Switch", 10, 0x100D6, "Panel lights switch (%1!s!)"},
    {"Pitot_Heat_Switch", 13, 0x10142, "Pitot_Heat switch (%1!s!)"},
    {"Strobe_Light_Switch", 11, 0x10018, "Strobe lights switch (%1!s!)"},
    {"Taxi_Light_Switch", 369, 0x102C0, "Taxi lights switch (%1!s!)"},
};

using TwoPositionSwitches = ControlsTest;

TEST_F(TwoPositionSwitches, ShowTheirTokenAndSayOnOnlyAboveZero) {
    for (const SwitchRow& row : SWITCHES) {
        SCOPED_TRACE(row.name);
        GAUGEHDR* g = gauge(row.name);
        ASSERT_NE(g, nullptr);
        auto* lever = as<ELEMENT_ICON>(child_of(g->elements[0]));
        ASSERT_NE(lever, nullptr);
        EXPECT_EQ(lever->source_var.token, row.token);
        EXPECT_EQ(lever->callback, nullptr) << "the host picks the lever from the token";
        ASSERT_NE(tooltip_row(g), nullptr);
        EXPECT_STREQ(tooltip_row(g)->tooltip_text, row.tooltip);
        EXPECT_EQ(tooltip_row(g)->event_id, 1u);

        const struct {
            FLOAT64 value;
            const char* word;
        } words[] = {{0.0, "off"}, {0.5, "on"}, {1.0, "on"}, {-1.0, "off"},
                     {std::numeric_limits<FLOAT64>::quiet_NaN(), "off"}};
        for (const auto& w : words) {
            host.numbers[row.token] = w.value;
            EXPECT_EQ(tooltip_word(g), w.word) << w.value;
        }
        // A change made elsewhere shows at the next look: nothing is cached.
        host.numbers.erase(row.token);
        EXPECT_EQ(tooltip_word(g), "off");
    }
}

TEST_F(TwoPositionSwitches, AClickSendsTheToggleOnceAndPlaysTheClick) {
    const unsigned buffers = vantor_platform_live_buffers();
    const unsigned devices = vantor_platform_live_devices();
    for (const SwitchRow& row : SWITCHES) {
        SCOPED_TRACE(row.name);
        GAUGEHDR* g = gauge(row.name);
        ASSERT_NE(g, nullptr);
        install(g);
        const auto rows = child_rows(g);
        ASSERT_EQ(rows.size(), 1u);
        const MOUSERECT& area = g->mouse_rects[rows[0]];
        EXPECT_EQ(area.mouse_flags, MOUSE_LEFT_SINGLE) << "no right click, wheel or repeat";
        EXPECT_EQ(area.event_id, 0u) << "the function sends the event, so the host must not";

        host.clear_log();
        plays();
        host.numbers[row.token] = 0.0;
        click(g, rows[0]);
        EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{row.event, 0}}));
        EXPECT_EQ(plays(), 1);
        // The simulation ignored the toggle: the switch still says off.
        EXPECT_EQ(tooltip_word(g), "off");
        send_service(g, PANEL_SERVICE_PRE_KILL);
    }
    EXPECT_EQ(vantor_platform_live_buffers(), buffers);
    EXPECT_EQ(vantor_platform_live_devices(), devices);
}

// Master switch rows in list order after the parent and the tooltip.
constexpr std::size_t ALL_OFF_ROW = 2;
constexpr std::size_t BATTERY_ROW = 3;
constexpr std::size_t BOTH_ON_ROW = 4;
constexpr std::size_t GUARD_ROW = 5;
constexpr UINT32 BATTERY_TOGGLE = 0x102C1;
constexpr UINT32 GENERATOR_TOGGLE = 0x102C2;

class MasterSwitch : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        g = gauge("Master_Switch");
        ASSERT_NE(g, nullptr);
        lever = child_of(g->elements[0]);
        guard = child_of(lever);
        ASSERT_NE(guard, nullptr);
    }
    void set(FLOAT64 battery, FLOAT64 generator) {
        host.numbers[759] = battery;
        host.numbers[761] = generator;
    }
    void press(std::size_t row, UINT32 flags = MOUSE_LEFT_SINGLE) { click(g, row, flags); }
    void open_guard() {
        press(ALL_OFF_ROW, MOUSE_RIGHT_SINGLE);
        ASSERT_EQ(icon_value(guard, 0.0), -1.0);
        host.clear_log();
        plays();
    }
    FLOAT64 lever_image() { return icon_value(lever, 0.0); }

    GAUGEHDR* g = nullptr;
    ELEMENT_HEADER* lever = nullptr;
    ELEMENT_HEADER* guard = nullptr;
};

TEST_F(MasterSwitch, StartsGuardedAndTheGuardIgnoresLeftClicksOnTheLever) {
    install(g);
    set(0, 0);
    EXPECT_EQ(icon_value(guard, 0.0), 0.0) << "closed guard drawn";
    EXPECT_EQ(tooltip_word(g), "protected and all off");
    plays();
    for (std::size_t row : {ALL_OFF_ROW, BATTERY_ROW, BOTH_ON_ROW}) press(row);
    EXPECT_TRUE(host.key_events.empty());
    EXPECT_EQ(plays(), 0);

    press(BATTERY_ROW, MOUSE_RIGHT_SINGLE);
    EXPECT_EQ(icon_value(guard, 0.0), -1.0);
    EXPECT_EQ(tooltip_word(g), "all off");
    EXPECT_EQ(plays(), 1);
    press(BOTH_ON_ROW, MOUSE_RIGHT_SINGLE);
    EXPECT_EQ(icon_value(guard, 0.0), 0.0);
    EXPECT_EQ(plays(), 1);
    // Either button on the guard itself.
    press(GUARD_ROW, MOUSE_LEFT_SINGLE);
    EXPECT_EQ(icon_value(guard, 0.0), -1.0);
    press(GUARD_ROW, MOUSE_RIGHT_SINGLE);
    EXPECT_EQ(icon_value(guard, 0.0), 0.0);
    EXPECT_EQ(plays(), 2);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(MasterSwitch, PositionsAreReachedByTogglingOnlyWhatDiffers) {
    install(g);
    open_guard();
    struct Case {
        FLOAT64 battery, generator;
        std::size_t row;
        std::vector<KeyEvent> sent;
    };
    const Case cases[] = {
        {0, 1, BATTERY_ROW, {{BATTERY_TOGGLE, 0}, {GENERATOR_TOGGLE, 0}}},
        {1, 1, ALL_OFF_ROW, {{BATTERY_TOGGLE, 0}, {GENERATOR_TOGGLE, 0}}},
        {0, 0, BOTH_ON_ROW, {{BATTERY_TOGGLE, 0}, {GENERATOR_TOGGLE, 0}}},
        {1, 0, BOTH_ON_ROW, {{GENERATOR_TOGGLE, 0}}},
        {1, 1, BATTERY_ROW, {{GENERATOR_TOGGLE, 0}}},
        {1, 0, BATTERY_ROW, {}},   // already there: nothing sent, still a click
        {-1, 0, BOTH_ON_ROW, {{GENERATOR_TOGGLE, 0}}},  // a negative battery is neither on nor off
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.battery << "/" << c.generator << " row " << c.row);
        set(c.battery, c.generator);
        host.clear_log();
        press(c.row);
        EXPECT_EQ(host.key_events, c.sent);
        EXPECT_EQ(plays(), 1);
    }
}

TEST_F(MasterSwitch, LeverAndTooltipFollowTheSimulation) {
    install(g);
    struct Case {
        FLOAT64 battery, generator;
        FLOAT64 image;
        const char* open_word;
        const char* guarded_word;
    };
    const Case cases[] = {
        {0, 0, 0, "all off", "protected and all off"},
        {1, 0, 1, "battery on", "protected with battery on"},
        {1, 1, 2, "battery and generator on", "protected with battery and generator on"},
        {0, 1, 2, "off", "off"},
        {-1, 1, 2, "off", "off"},  // unchanged from the row before
        {0.5, -3, 2, "off", "off"},
        {0, 0, 0, "all off", "protected and all off"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.battery << "/" << c.generator);
        set(c.battery, c.generator);
        EXPECT_EQ(lever_image(), c.image);
        EXPECT_EQ(tooltip_word(g), c.guarded_word);
    }
    open_guard();
    for (const Case& c : cases) {
        set(c.battery, c.generator);
        EXPECT_EQ(tooltip_word(g), c.open_word) << c.battery << "/" << c.generator;
    }
}

TEST_F(MasterSwitch, InstallTakesThePositionFromTheVariablesAndKillReleasesTheSound) {
    const unsigned buffers = vantor_platform_live_buffers();
    const unsigned devices = vantor_platform_live_devices();
    set(0, 1);  // generator alone counts as up
    install(g);
    set(-1, -1);  // the lever keeps what install found
    EXPECT_EQ(lever_image(), 2.0);
    EXPECT_EQ(vantor_platform_live_buffers(), buffers + 1);
    send_service(g, PANEL_SERVICE_PRE_KILL);
    EXPECT_EQ(vantor_platform_live_buffers(), buffers);
    EXPECT_EQ(vantor_platform_live_devices(), devices);
    // Sound gone: clicks still work, silently.
    open_guard();
    set(0, 0);
    press(BATTERY_ROW);
    EXPECT_EQ(host.key_events, (std::vector<KeyEvent>{{BATTERY_TOGGLE, 0}}));
    EXPECT_EQ(plays(), 0);
}

}  // namespace
