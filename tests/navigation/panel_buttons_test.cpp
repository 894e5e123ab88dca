// Panel buttons through the module's records: pre-install through the gauge
// callback, clicks through the mouse function of the 13 x 13 area.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_host.h"
#include "guarded_text.h"
#include "loaded_module.h"

namespace {

constexpr UINT32 TOGGLE = 0x103CA;
constexpr UINT32 OPEN = 0x103CB;
constexpr UINT32 CLOSE = 0x103CC;
constexpr UINT32 VIEW_RESET = 0x10153;
constexpr UINT32 VIEW_NEXT = 0x100C6;
constexpr UINT32 VIEW_PREVIOUS = 0x100C7;
constexpr std::size_t AREA = 1;  // index of the click area in each button's list

using Events = std::vector<KeyEvent>;
using Panels = std::vector<UINT32>;

struct Button {
    const char* name;
    UINT32 face;
    UINT32 help;
    UINT32 event_id;  // data-only buttons: the event the host sends; 0 for generic ones
};

const Button BUTTONS[] = {
    {"Map_Toggle", 60, 0xAB8F, 0x10380},     {"Kneeboard_Toggle", 50, 0xAB93, 0x10154},
    {"ATC_Toggle", 70, 0xAB94, 0x1001C},     {"Invisible_Toggle", 200, 0, 0},
    {"Radios_Toggle", 120, 0xAB86, 0},       {"GPS_Toggle", 130, 0xAB87, 0},
    {"Throttle_Toggle", 140, 0xAB88, 0},     {"Compass_Toggle", 150, 0xAB89, 0},
    {"Close_Subpanel", 160, 0, 0},           {"Nav_Instruments_Toggle", 190, 0, 0},
    {"Seat_Up_Toggle", 100, 0, 0},           {"Seat_Down_Toggle", 110, 0, 0},
    {"Landing_View_Toggle", 230, 0, 0},      {"Left_Taxi_Toggle", 170, 0, 0},
    {"Right_Taxi_Toggle", 180, 0, 0},        {"Show_Yoke", 210, 0, 0},
    {"Overhead_Toggle", 220, 0xAB95, 0},     {"Electricity_Toggle", 240, 0, 0},
    {"Fuel_Zoom", 250, 0xAB8A, 0},           {"ADF_Indicator_Toggle", 260, 0, 0},
    {"VOR_Indicator_Toggle", 270, 0, 0},
};

class PanelButtons : public ::testing::Test {
protected:
    LoadedModule module;
    FakeHost host{module.imports()};

    GAUGEHDR* button(const char* name) {
        GAUGEHDR* gauge = module.gauge(name);
        EXPECT_NE(gauge, nullptr) << name;
        return gauge;
    }
    UINT32 face(GAUGEHDR* gauge) { return gauge->elements[0]->bitmap_id; }
    UINT32 help(GAUGEHDR* gauge) { return gauge->mouse_rects[0].help_id; }

    // Host log of one click on the button's area with the given parameters.
    void click_with(GAUGEHDR* gauge, const char* parameters) {
        host.clear_log();
        gauge->parameters = parameters;
        click(gauge, AREA);
    }
};

TEST_F(PanelButtons, EveryButtonHasItsFaceTooltipAndClickArea) {
    for (const Button& b : BUTTONS) {
        SCOPED_TRACE(b.name);
        GAUGEHDR* gauge = button(b.name);
        ASSERT_NE(gauge, nullptr);
        EXPECT_EQ(gauge->size_x_mm, 19u);
        EXPECT_EQ(face(gauge), b.face);
        EXPECT_EQ(gauge->elements[0]->image_flags, 0x3u);
        EXPECT_EQ(gauge->elements[1], nullptr);
        EXPECT_EQ(gauge->user_data, 0u);

        const MOUSERECT* rects = gauge->mouse_rects;
        EXPECT_EQ(rects[0].rect_type, MOUSE_RECT_PARENT);
        EXPECT_EQ(rects[0].help_id, b.help);
        EXPECT_EQ(rects[AREA].rect_type, MOUSE_RECT_CHILD);
        EXPECT_EQ(rects[AREA].box.x, 3);
        EXPECT_EQ(rects[AREA].box.y, 3);
        EXPECT_EQ(rects[AREA].box.width, 13);
        EXPECT_EQ(rects[AREA].box.height, 13);
        EXPECT_EQ(rects[AREA].cursor, CURSOR_HAND);
        EXPECT_EQ(rects[AREA].mouse_flags, MOUSE_LEFT_SINGLE);
        EXPECT_EQ(rects[2].rect_type, MOUSE_RECT_END_PARENT);
        EXPECT_EQ(rects[3].rect_type, MOUSE_RECT_END);

        // Generic buttons run code on click and at install; data-only ones
        // leave the click to the host's event id.
        EXPECT_EQ(rects[AREA].event_id, b.event_id);
        EXPECT_EQ(rects[AREA].function == nullptr, b.event_id != 0);
        EXPECT_EQ(gauge->callback == nullptr, b.event_id != 0);
    }
}

TEST_F(PanelButtons, WithoutParametersAClickTogglesWindowZero) {
    for (const Button& b : BUTTONS) {
        if (b.event_id != 0 || std::string(b.name).rfind("Seat_", 0) == 0) {
            continue;
        }
        SCOPED_TRACE(b.name);
        GAUGEHDR* gauge = button(b.name);
        for (const char* parameters : {static_cast<const char*>(nullptr), ""}) {
            click_with(gauge, parameters);
            EXPECT_EQ(host.window_toggles, Panels{0});
            EXPECT_TRUE(host.key_events.empty());
        }
    }
}

TEST_F(PanelButtons, SeatButtonsToggleWindowZeroThenMoveTheSeatThreeSteps) {
    GAUGEHDR* up = button("Seat_Up_Toggle");
    GAUGEHDR* down = button("Seat_Down_Toggle");
    click_with(up, nullptr);
    EXPECT_EQ(host.window_toggles, Panels{0});
    EXPECT_EQ(host.key_events, Events(3, {0x103DC, 0}));
    click_with(down, "");
    EXPECT_EQ(host.window_toggles, Panels{0});
    EXPECT_EQ(host.key_events, Events(3, {0x103DD, 0}));

    // Any parameters replace the default action, seat steps included.
    click_with(up, "x");
    EXPECT_TRUE(host.window_toggles.empty());
    EXPECT_TRUE(host.key_events.empty());
    click_with(down, "t50");
    EXPECT_TRUE(host.window_toggles.empty());
    EXPECT_EQ(host.key_events, (Events{{TOGGLE, 50}}));
}

TEST_F(PanelButtons, ClickCommandsRunOpenCloseToggleThenView) {
    GAUGEHDR* gauge = button("Radios_Toggle");
    struct Case {
        const char* parameters;
        Events sent;
    } cases[] = {
        {"t50", {{TOGGLE, 50}}},
        {"t50 // o75", {{TOGGLE, 50}}},
        {"# t50", {}},
        {"t50 #note", {{TOGGLE, 50}}},
        {"o50 o75", {{OPEN, 50}, {OPEN, 75}}},
        {"t50 o75", {{OPEN, 75}, {TOGGLE, 50}}},
        {"p2 t1 c2 o3 c4 o5", {{OPEN, 3}, {OPEN, 5}, {CLOSE, 2}, {CLOSE, 4}, {TOGGLE, 1}, {VIEW_NEXT, 0}, {VIEW_NEXT, 0}}},
        {"tIFR_MAIN_PANEL", {{TOGGLE, 175}}},
        {"cANNUNCIATOR2_PANEL", {{CLOSE, 150}}},
        {"tFOO", {{TOGGLE, 0}}},
        {"t-5 o", {}},  // a negative id and an empty value send nothing
        {"radios", {{OPEN, 0}}},  // keys count inside words: the o of "radios"
        {"p-3", {{VIEW_PREVIOUS, 0}, {VIEW_PREVIOUS, 0}, {VIEW_PREVIOUS, 0}}},
        {"p0", {{VIEW_RESET, 0}}},
        {"pX", {{VIEW_RESET, 0}}},
        {"p1 p5", {{VIEW_NEXT, 0}}},
        {"b270 hTOGGLE_THROTTLE_WINDOW", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parameters);
        click_with(gauge, c.parameters);
        EXPECT_EQ(host.key_events, c.sent);
        EXPECT_TRUE(host.window_toggles.empty());
    }
}

TEST_F(PanelButtons, ViewRepeatCountIsCappedAtOneThousand) {
    GAUGEHDR* gauge = button("Landing_View_Toggle");
    click_with(gauge, "p1000000");
    EXPECT_EQ(host.key_events, Events(1000, {VIEW_NEXT, 0}));
    click_with(gauge, "p-2147483648");
    EXPECT_EQ(host.key_events, Events(1000, {VIEW_PREVIOUS, 0}));
    click_with(gauge, "p999");
    EXPECT_EQ(host.key_events.size(), 999u);
}

TEST_F(PanelButtons, AMissingClickRecordOrGaugeDoesNothing) {
    GAUGEHDR* gauge = button("Seat_Up_Toggle");
    MOUSE_FUNCTION function = gauge->mouse_rects[AREA].function;
    ASSERT_NE(function, nullptr);
    EXPECT_EQ(function(nullptr, MOUSE_LEFT_SINGLE), 0);
    MOUSE_CLICK no_gauge = {{5, 5}, nullptr, &gauge->mouse_rects[AREA]};
    EXPECT_EQ(function(&no_gauge, MOUSE_LEFT_SINGLE), 0);
    gauge->callback(nullptr, PANEL_SERVICE_PRE_INSTALL, 0);
    EXPECT_TRUE(host.key_events.empty());
    EXPECT_TRUE(host.window_toggles.empty());
}

TEST_F(PanelButtons, FaceAndTooltipFromParametersAtEveryInstall) {
    GAUGEHDR* gauge = button("GPS_Toggle");
    pre_install(gauge, "b270 hTOGGLE_THROTTLE_WINDOW");
    EXPECT_EQ(face(gauge), 270u);
    EXPECT_EQ(help(gauge), 0xAB88u);

    pre_install(gauge, "b100 h43000");
    EXPECT_EQ(face(gauge), 100u);
    EXPECT_EQ(help(gauge), 43000u);

    pre_install(gauge, "hTOGGLE_FUEL_WINDOW");  // no b: h is still read
    EXPECT_EQ(face(gauge), 100u);
    EXPECT_EQ(help(gauge), 0xAB8Au);

    pre_install(gauge, "h4000");
    EXPECT_EQ(help(gauge), 0u);
    pre_install(gauge, "h43000");
    pre_install(gauge, "h-5");
    EXPECT_EQ(help(gauge), 0u);
    pre_install(gauge, "h43000");
    pre_install(gauge, "h-2147483648");
    EXPECT_EQ(help(gauge), 0u);

    pre_install(gauge, "x # b200 h43000");  // both hidden by the comment
    EXPECT_EQ(face(gauge), 100u);
    EXPECT_EQ(help(gauge), 0u);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(PanelButtons, AnUnusableFaceSkipsTheTooltip) {
    GAUGEHDR* gauge = button("Compass_Toggle");
    for (const char* parameters : {"b275 h43000", "b95 h43000", "b105 h43000", "b0 h43000", "b-100 h43000",
                                   "bX h43000", "b4294967396 h43000"}) {
        SCOPED_TRACE(parameters);
        pre_install(gauge, parameters);
        EXPECT_EQ(face(gauge), 150u);
        EXPECT_EQ(help(gauge), 0xAB89u);
    }

    // A button whose face element is missing reads b as unusable too.
    ELEMENT_LIST no_elements[] = {nullptr};
    ELEMENT_LIST* elements = gauge->elements;
    gauge->elements = no_elements;
    pre_install(gauge, "b200 h43000");
    EXPECT_EQ(help(gauge), 0xAB89u);
    gauge->elements = nullptr;
    pre_install(gauge, "b200 h43000");
    EXPECT_EQ(help(gauge), 0xAB89u);
    gauge->elements = elements;
    EXPECT_EQ(face(gauge), 150u);
}

TEST_F(PanelButtons, StartClosedPanelIsClosedAtTheFirstInstallOnly) {
    GAUGEHDR* gauge = button("Throttle_Toggle");
    pre_install(gauge, "aRADIO_STACK_PANEL");
    EXPECT_EQ(host.key_events, (Events{{CLOSE, 50}}));
    EXPECT_EQ(gauge->user_data, 1u);
    host.clear_log();
    pre_install(gauge, "aRADIO_STACK_PANEL");
    send_service(gauge, PANEL_SERVICE_PRE_KILL);
    pre_install(gauge, "aGPS_PANEL");
    EXPECT_TRUE(host.key_events.empty());

    // Each button has its own flag; b and h failing do not stop a.
    GAUGEHDR* other = button("Fuel_Zoom");
    pre_install(other, "b95 hTOGGLE_GPS_WINDOW aGPS_PANEL");
    EXPECT_EQ(host.key_events, (Events{{CLOSE, 225}}));
    EXPECT_EQ(face(other), 250u);
    EXPECT_EQ(help(other), 0xAB8Au);
}

TEST_F(PanelButtons, TheFlagIsSetEvenWhenNothingIsClosed) {
    GAUGEHDR* gauge = button("Show_Yoke");
    pre_install(gauge, nullptr);
    EXPECT_EQ(gauge->user_data, 1u);
    pre_install(gauge, "a75");
    EXPECT_TRUE(host.key_events.empty());

    GAUGEHDR* negative = button("Left_Taxi_Toggle");
    pre_install(negative, "a-1");
    pre_install(negative, "a75");
    EXPECT_TRUE(host.key_events.empty());
    EXPECT_EQ(negative->user_data, 1u);
}

TEST_F(PanelButtons, OnlyThePreInstallNotificationActs) {
    GAUGEHDR* gauge = button("Overhead_Toggle");
    gauge->parameters = "b200 h43000 aGPS_PANEL";
    for (UINT32 service : {0u, 1u, 3u, 6u, 12u, 14u}) {
        send_service(gauge, service);
    }
    EXPECT_EQ(face(gauge), 220u);
    EXPECT_EQ(help(gauge), 0xAB95u);
    EXPECT_EQ(gauge->user_data, 0u);
    EXPECT_TRUE(host.key_events.empty());
}

TEST_F(PanelButtons, DataOnlyButtonsIgnoreParameters) {
    for (const char* name : {"Map_Toggle", "Kneeboard_Toggle", "ATC_Toggle"}) {
        SCOPED_TRACE(name);
        GAUGEHDR* gauge = button(name);
        pre_install(gauge, "b200 h43000 aGPS_PANEL t50");
        click_with(gauge, "b200 h43000 aGPS_PANEL t50");
        EXPECT_EQ(gauge->user_data, 0u);
        EXPECT_NE(face(gauge), 200u);
        EXPECT_NE(help(gauge), 43000u);
        EXPECT_TRUE(host.key_events.empty());
        EXPECT_TRUE(host.window_toggles.empty());
    }
}

TEST_F(PanelButtons, TheParameterStringIsOnlyRead) {
    const std::string text = "b200 hTOGGLE_GPS_WINDOW aGPS_PANEL o75 c50 t10 p-2 /x";
    GuardedText guarded(text);
    GAUGEHDR* gauge = button("Electricity_Toggle");
    pre_install(gauge, guarded.c_str());
    click(gauge, AREA);
    EXPECT_EQ(host.key_events,
              (Events{{CLOSE, 225}, {OPEN, 75}, {CLOSE, 50}, {TOGGLE, 10}, {VIEW_PREVIOUS, 0}, {VIEW_PREVIOUS, 0}}));
    EXPECT_EQ(std::string(guarded.c_str()), text);
    gauge->parameters = nullptr;
}

}  // namespace
