// The radio heads and the VOR1/ADF selectors through their records, a fresh
// module load per test: digits, tuning areas and their limits, main
// switches, lighting, tooltips, and state that outlives the gauges.
#include <cmath>

#include "radio_fixture.h"
#include "support/loaded_module.h"

namespace {

struct Packed {
    UINT32 token;
    UINT32 value;
};

struct RadioHeads : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};

    GAUGEHDR* gauge(const std::string& name) {
        GAUGEHDR* g = module.gauge(name);
        EXPECT_NE(g, nullptr) << name;
        return g;
    }
    // Sets the variables, runs an update and returns the digits shown.
    std::string show(const std::string& name, std::vector<Packed> values) {
        for (const Packed& p : values) host.packed[p.token] = p.value;
        send_service(gauge(name), PANEL_SERVICE_PRE_UPDATE);
        return digits_of(gauge(name));
    }
    // The events a click on the area at `index` sends.
    std::vector<KeyEvent> events_of_click(const std::string& name, int index) {
        host.clear_log();
        EXPECT_EQ(click(gauge(name), static_cast<std::size_t>(index)), 0);
        return host.key_events;
    }
    FLOAT64 at_depth(const std::string& name, int depth) { return refresh(first_child_chain(gauge(name), depth)); }
    FLOAT64 number_arg(const std::string& name, int rect, int arg) {
        return gauge(name)->mouse_rects[rect].args[arg].number_callback(0, 0, nullptr, nullptr, gauge(name));
    }
    std::string text_arg(const std::string& name, int rect, int arg) {
        return gauge(name)->mouse_rects[rect].args[arg].text_callback(0, 0, nullptr, nullptr, gauge(name));
    }
};

using Events = std::vector<KeyEvent>;

TEST_F(RadioHeads, DigitsReadThePackedVariables) {
    struct Row {
        const char* gauge;
        std::vector<Packed> values;
        const char* digits;
    } rows[] = {
        {"Radio_COM1", {{23, 0x3697}}, "3697"},
        {"Radio_COM2", {{870, 0x1805}}, "1805"},
        {"Radio_NAV1", {{24, 0x0800}}, "0800"},
        {"Radio_NAV2", {{27, 0x0990}}, "0990"},
        {"Radio_NAV1", {{24, 0x1795}}, "1795"},
        {"Radio_ADF", {{16, 0x0344}, {18, 0x105}}, "13445"},
        {"Radio_ADF", {{16, 0x0344}, {18, 5}}, "03445"},
        {"Radio_IFF_XPDR", {{38, 0x7777}}, "7777"},
        {"Radio_IFF_XPDR", {{38, 0x7700}}, "7700"},
        // A COM value below the band reads by the navigation rule: 108.00.
        {"Radio_COM1", {{23, 0x0800}}, "0800"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(show(row.gauge, row.values), row.digits) << row.gauge;
    }
    // The heads of COM and NAV show their cache, filled at the update.
    host.packed[23] = 0x2250;
    EXPECT_EQ(digits_of(gauge("Radio_COM1")), "0800");
    send_service(gauge("Radio_COM1"), PANEL_SERVICE_PRE_UPDATE);
    EXPECT_EQ(digits_of(gauge("Radio_COM1")), "2250");
}

TEST_F(RadioHeads, KnobsTurnWithTheFrequency) {
    show("Radio_COM1", {{23, 0x2152}});
    EXPECT_EQ(at_depth("Radio_COM1", 6), 52.0);   // hundredths knob
    EXPECT_EQ(at_depth("Radio_COM1", 7), 121.0);  // MHz knob
    show("Radio_ADF", {{16, 0x0527}, {18, 256 + 3}});
    EXPECT_EQ(at_depth("Radio_ADF", 1), 7.0);   // right outer: units
    EXPECT_EQ(at_depth("Radio_ADF", 2), 3.0);   // right inner: tenths
    EXPECT_EQ(at_depth("Radio_ADF", 3), 15.0);  // left outer: thousands and hundreds
    EXPECT_EQ(at_depth("Radio_ADF", 4), 2.0);   // left inner: tens
    // Two needles on different pivots never share the table the host writes
    // each point's angle into.
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        std::vector<ELEMENT_NEEDLE*> needles;
        for (ELEMENT_HEADER* e : all_elements(*g)) {
            if (e->element_type == ELEMENT_TYPE_NEEDLE) needles.push_back(as<ELEMENT_NEEDLE>(e));
        }
        for (ELEMENT_NEEDLE* a : needles) {
            for (ELEMENT_NEEDLE* b : needles) {
                if (a != b && a->calibration != nullptr && a->calibration == b->calibration) {
                    EXPECT_TRUE(a->header.position.x == b->header.position.x &&
                                a->header.position.y == b->header.position.y)
                        << (*g)->name << ": needles " << a->header.bitmap_id << " and " << b->header.bitmap_id;
                }
            }
        }
    }
}

TEST_F(RadioHeads, TuningAreasSendTheirEventsWithinTheLimits) {
    struct Row {
        const char* gauge;
        std::vector<Packed> values;
        int area;
        Events sent;
    } rows[] = {
        {"Radio_COM1", {{23, 0x3597}}, 13, {}},  // 135.97: no MHz up
        {"Radio_COM1", {{23, 0x3597}}, 18, {}},
        {"Radio_COM1", {{23, 0x3597}}, 15, {{0x10067, 0}}},
        {"Radio_COM1", {{23, 0x3497}}, 13, {{0x10065, 0}}},
        {"Radio_COM1", {{23, 0x1800}}, 14, {}},  // 118.00: no MHz down
        {"Radio_COM1", {{23, 0x1800}}, 17, {}},
        {"Radio_COM1", {{23, 0x1800}}, 13, {{0x10065, 0}}},
        {"Radio_COM1", {{23, 0x1800}}, 16, {{0x10066, 0}}},
        {"Radio_COM2", {{870, 0x2450}}, 14, {{0x10384, 0}}},
        {"Radio_COM2", {{870, 0x2450}}, 18, {{0x10385, 0}}},
        {"Radio_COM2", {{870, 0x2450}}, 19, {{0x10386, 0}}},
        {"Radio_COM2", {{870, 0x2450}}, 20, {{0x10388, 0}}},
        {"Radio_NAV1", {{24, 0x1795}}, 13, {}},  // 117.95
        {"Radio_NAV1", {{24, 0x1795}}, 15, {{0x1006B, 0}}},
        {"Radio_NAV1", {{24, 0x0800}}, 14, {}},  // 108.00
        {"Radio_NAV1", {{24, 0x0800}}, 19, {{0x1006A, 0}}},
        {"Radio_NAV2", {{27, 0x1200}}, 17, {{0x1006C, 0}}},
        {"Radio_NAV2", {{27, 0x1200}}, 18, {{0x1006D, 0}}},
        {"Radio_NAV2", {{27, 0x1200}}, 20, {{0x1006F, 0}}},
        // ADF hundreds keep the frequency from the 100s to the 1600s.
        {"Radio_ADF", {{16, 0x0599}, {18, 256}}, 11, {{0x10070, 0}}},  // 1599
        {"Radio_ADF", {{16, 0x0600}, {18, 256}}, 11, {}},              // 1600
        {"Radio_ADF", {{16, 0x0600}, {18, 256}}, 18, {}},
        {"Radio_ADF", {{16, 0x0999}, {18, 0}}, 18, {{0x10070, 0}}},   // 999
        {"Radio_ADF", {{16, 0x0199}, {18, 0}}, 10, {}},               // 199
        {"Radio_ADF", {{16, 0x0200}, {18, 0}}, 19, {{0x10082, 0}}},
        {"Radio_ADF", {{16, 0x0099}, {18, 256}}, 10, {{0x10082, 0}}},  // 1099
        {"Radio_ADF", {{16, 0x0344}}, 12, {{0x10083, 0}}},
        {"Radio_ADF", {{16, 0x0344}}, 13, {{0x10071, 0}}},
        {"Radio_ADF", {{16, 0x0344}}, 23, {{0x10084, 0}}},
        {"Radio_ADF", {{16, 0x0344}}, 15, {{0x10072, 0}}},
        {"Radio_ADF", {{16, 0x0344}}, 25, {{0x10395, 0}}},
        {"Radio_ADF", {{16, 0x0344}}, 17, {{0x10396, 0}}},
        {"Radio_IFF_XPDR", {}, 11, {{0x10397, 0}}},
        {"Radio_IFF_XPDR", {}, 12, {{0x10073, 0}}},
        {"Radio_IFF_XPDR", {}, 13, {{0x10398, 0}}},
        {"Radio_IFF_XPDR", {}, 14, {{0x10074, 0}}},
        {"Radio_IFF_XPDR", {}, 15, {{0x10399, 0}}},
        {"Radio_IFF_XPDR", {}, 16, {{0x10075, 0}}},
        {"Radio_IFF_XPDR", {}, 17, {{0x1039A, 0}}},
        {"Radio_IFF_XPDR", {}, 18, {{0x10076, 0}}},
    };
    for (const Row& row : rows) {
        show(row.gauge, row.values);
        EXPECT_EQ(events_of_click(row.gauge, row.area), row.sent) << row.gauge << " area " << row.area;
    }
}

TEST_F(RadioHeads, SwitchedOffTheyTuneNothingButStillShowTheFrequencyDark) {
    struct Off {
        const char* gauge;
        int off_area;
        std::vector<Packed> values;
        const char* digits;
    } heads[] = {
        {"Radio_COM1", 21, {{23, 0x2050}}, "2050"}, {"Radio_COM2", 21, {{870, 0x2050}}, "2050"},
        {"Radio_NAV1", 21, {{24, 0x1030}}, "1030"}, {"Radio_NAV2", 21, {{27, 0x1450}}, "1450"},
        {"Radio_ADF", 7, {{16, 0x0344}}, "03440"},  {"Radio_IFF_XPDR", 10, {{38, 0x1200}}, "1200"},
    };
    for (const Off& h : heads) {
        SCOPED_TRACE(h.gauge);
        GAUGEHDR* g = gauge(h.gauge);
        const HeadLayout& l = layout_of(h.gauge);
        show(h.gauge, h.values);
        for (int depth : l.lit) {
            first_child_chain(g, depth)->image_flags |= 0x80000000u;
            refresh(first_child_chain(g, depth));
            EXPECT_EQ(first_child_chain(g, depth)->image_flags & 0x80004000u, 0x4000u) << "on, depth " << depth;
        }
        EXPECT_EQ(at_depth(h.gauge, l.lamp), 0.0);
        click(g, static_cast<std::size_t>(h.off_area));
        host.clear_log();
        for (int i = 0; g->mouse_rects[i].rect_type != MOUSE_RECT_END; ++i) {
            const MOUSERECT& r = g->mouse_rects[i];
            if (r.rect_type == MOUSE_RECT_CHILD && (r.cursor == CURSOR_UP_ARROW || r.cursor == CURSOR_DOWN_ARROW)) {
                click(g, static_cast<std::size_t>(i));
            }
        }
        EXPECT_EQ(host.key_events, Events{});
        EXPECT_EQ(show(h.gauge, h.values), h.digits);
        for (int depth : l.lit) {
            first_child_chain(g, depth)->image_flags |= 0x80004000u;
            refresh(first_child_chain(g, depth));
            EXPECT_EQ(first_child_chain(g, depth)->image_flags & 0x80004000u, 0u) << "off, depth " << depth;
        }
        EXPECT_EQ(at_depth(h.gauge, l.lamp), -1.0);
        if (l.main_switch >= 0) EXPECT_EQ(at_depth(h.gauge, l.main_switch), 0.0);
    }
}

TEST_F(RadioHeads, TuningStillRefreshesTheCacheWhileOff) {
    show("Radio_COM1", {{23, 0x1800}});
    click(gauge("Radio_COM1"), 21);  // off
    host.packed[23] = 0x3550;
    click(gauge("Radio_COM1"), 13);  // MHz up
    click(gauge("Radio_COM1"), 15);  // hundredths up
    EXPECT_EQ(digits_of(gauge("Radio_COM1")), "3550");
}

TEST_F(RadioHeads, PowerStatesOutliveKillAndReinstall) {
    GAUGEHDR* nav1 = gauge("Radio_NAV1");
    pre_install(nav1, "");
    EXPECT_EQ(host.key_events, (Events{{0x10128, 0}}));
    EXPECT_EQ(at_depth("Radio_NAV1", 8), 1.0) << "on at load";
    click(nav1, 22);  // on while on: nothing
    EXPECT_EQ(at_depth("Radio_NAV1", 8), 1.0);
    click(nav1, 21);
    send_service(nav1, PANEL_SERVICE_PRE_KILL);
    host.clear_log();
    pre_install(nav1, "");
    EXPECT_EQ(host.key_events, (Events{{0x10128, 0}})) << "sent at every install, off or on";
    EXPECT_EQ(at_depth("Radio_NAV1", 8), 0.0) << "still off";
    EXPECT_EQ(text_arg("Radio_NAV1", 11, 1), "off");
    click(nav1, 22);
    EXPECT_EQ(at_depth("Radio_NAV1", 8), 1.0);
    EXPECT_EQ(text_arg("Radio_NAV1", 11, 1), "on");
    // The other heads keep theirs too.
    click(gauge("Radio_IFF_XPDR"), 10);
    send_service(gauge("Radio_IFF_XPDR"), PANEL_SERVICE_PRE_KILL);
    pre_install(gauge("Radio_IFF_XPDR"), "");
    EXPECT_EQ(at_depth("Radio_IFF_XPDR", 6), 0.0);
    EXPECT_EQ(text_arg("Radio_IFF_XPDR", 8, 0), "off");
}

TEST_F(RadioHeads, TooltipFrequencies) {
    struct Row {
        const char* gauge;
        std::vector<Packed> values;
        FLOAT64 frequency;
    } rows[] = {
        {"Radio_COM1", {{23, 0x2152}}, 121.525}, {"Radio_COM1", {{23, 0x2150}}, 121.50},
        {"Radio_COM2", {{870, 0x1807}}, 118.075}, {"Radio_COM2", {{870, 0x1805}}, 118.05},
        {"Radio_NAV1", {{24, 0x1052}}, 110.52},  {"Radio_NAV2", {{27, 0x0850}}, 108.50},
        {"Radio_ADF", {{16, 0x0344}, {18, 5}}, 344.5},
    };
    for (const Row& row : rows) {
        show(row.gauge, row.values);
        EXPECT_NEAR(number_arg(row.gauge, 2, 0), row.frequency, 1e-9) << row.gauge;
    }
    // The tone text is the simulation's tone, not the head's.
    host.numbers[880] = 1.0;
    EXPECT_EQ(text_arg("Radio_ADF", 5, 1), "on");
    host.numbers[880] = 0.5;
    EXPECT_EQ(text_arg("Radio_ADF", 5, 1), "off");
    EXPECT_EQ(text_arg("Radio_ADF", 5, 2), "on");
}

TEST_F(RadioHeads, AdfSelectorSwitchesPowerAndTone) {
    GAUGEHDR* adf = gauge("Radio_ADF");
    enum { OFF = 7, ADF = 8, TONE = 9 };
    auto mode = [&] { return at_depth("Radio_ADF", 12); };
    pre_install(adf, "");
    EXPECT_EQ(host.key_events, (Events{{0x1012C, 0}}));
    EXPECT_EQ(mode(), 2.0) << "installed on, showing ADF";
    struct Step {
        int area;
        Events sent;
        FLOAT64 mode_after;
        const char* power_after;
    } steps[] = {
        {ADF, {}, 2, "on"},
        {TONE, {{0x10131, 0}}, 3, "on"},
        {TONE, {}, 3, "on"},
        {ADF, {{0x1012C, 0}}, 2, "on"},
        {OFF, {}, 0, "off"},
        {OFF, {}, 0, "off"},
        {TONE, {{0x10131, 0}}, 3, "on"},
        {OFF, {{0x1012C, 0}}, 0, "off"},
        {ADF, {}, 2, "on"},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(events_of_click("Radio_ADF", s.area), s.sent) << "area " << s.area;
        EXPECT_EQ(mode(), s.mode_after);
        EXPECT_EQ(text_arg("Radio_ADF", 5, 2), s.power_after);
    }
    // The state outlives a reinstall, which sends it to the simulation again.
    click(adf, TONE);
    host.clear_log();
    pre_install(adf, "");
    EXPECT_EQ(host.key_events, (Events{{0x1012C, 0}, {0x10131, 0}}));
    EXPECT_EQ(mode(), 3.0);
    click(adf, OFF);
    host.clear_log();
    pre_install(adf, "");
    EXPECT_EQ(host.key_events, (Events{{0x1012C, 0}}));
    EXPECT_EQ(mode(), 0.0);
}

TEST_F(RadioHeads, BothSelectorsShowOneSelection) {
    GAUGEHDR* h = gauge("VOR1_ADF_Switch_H");
    GAUGEHDR* v = gauge("VOR1_ADF_Switch_V");
    auto lever = [](GAUGEHDR* g) { return refresh(first_child_chain(g, 1)); };
    EXPECT_EQ(lever(h), 1.0) << "ADF at load";
    pre_install(h, "");
    pre_install(v, "");
    EXPECT_EQ(lever(h), 0.0) << "VOR 1 once installed";
    click(h, 1);
    EXPECT_EQ(lever(h), 1.0);
    EXPECT_EQ(lever(v), 1.0);
    pre_install(v, "");  // a new install returns both to VOR 1
    EXPECT_EQ(lever(h), 0.0);
    click(v, 1);
    click(v, 1);
    EXPECT_EQ(lever(v), 0.0) << "two clicks leave it where it was";
}

}  // namespace
