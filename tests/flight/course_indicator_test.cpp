// VOR1_Indicator, VOR2_Indicator and the RMI through their records, with the
// NAV and ADF heads' main switches and the VOR1/ADF selectors that gate them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

struct Indicators : ::testing::Test {
    LoadedModule module;
    FakeHost host{module.imports()};
    GAUGEHDR* vor1 = module.gauge("VOR1_Indicator");
    GAUGEHDR* vor2 = module.gauge("VOR2_Indicator");
    GAUGEHDR* rmi = module.gauge("RMI");

    template <typename T>
    T* element(GAUGEHDR* g, int depth) {
        return as<T>(first_child_chain(g, static_cast<std::size_t>(depth)));
    }
    // Refreshes the element's variable from its token as the host does, then
    // calls its callback.
    template <typename T>
    FLOAT64 refreshed(T* e) {
        MODULE_VAR& var = e->source_var;
        var.value.number = host.numbers.count(var.token) ? host.numbers[var.token] : 0.0;
        return e->callback(e);
    }
    void nav_head(const char* head, bool on) { click(module.gauge(head), on ? 22 : 21); }
    long long knob(GAUGEHDR* g, FLOAT64 course, int area, UINT32 flags) {
        host.numbers[g == vor1 ? 45 : 54] = course;
        host.clear_log();
        click(g, static_cast<std::size_t>(area), flags);
        if (host.key_events.empty()) return -1;
        EXPECT_EQ(host.key_events[0].id, g == vor1 ? 0x100B4u : 0x100B5u);
        return host.key_events[0].value;
    }
    // The first and second clickable areas: knob down, knob up.
    int area(GAUGEHDR* g, int which) {
        for (int i = 0, seen = 0; g->mouse_rects[i].rect_type != MOUSE_RECT_END; ++i) {
            if (g->mouse_rects[i].rect_type == MOUSE_RECT_CHILD && seen++ == which) return i;
        }
        return -1;
    }
};

TEST_F(Indicators, CoursePointerReadsTheHeadingAgainstTheCourse) {
    struct Row {
        FLOAT64 heading, course, receiver;
        FLOAT64 drawn;  // degrees clockwise from up, modulo 360
    } rows[] = {
        {100, 10, 1, 90},  {55, 10, 1, 45},   {350, 10, 1, 340}, {10, 350, 1, 20},  {190, 10, 1, 180},
        {235, 10, 1, 225}, {145, 10, 1, 135}, {134, 10, 1, 90},  {54, 10, 1, 44},   {56, 10, 1, 90},
        {10, 10, 0, 90},
        // Off the course across north: parked as on the other side (the
        // differences 270 and 290 reduce to -90 and -70).
        {280, 10, 1, 90},  {10, 280, 1, 90},  {300, 10, 1, 90},  {330, 10, 1, 320},
    };
    auto* pointer = element<ELEMENT_NEEDLE>(vor1, 1);
    for (const Row& r : rows) {
        host.numbers = {{84, r.heading}, {45, r.course}, {43, r.receiver}};
        const FLOAT64 v = pointer->callback(pointer);
        EXPECT_EQ(std::remainder(v - r.drawn, 360.0), 0.0) << r.heading << " " << r.course << " gave " << v;
    }
    host.numbers = {{84, 55}, {45, 10}, {43, 1}};
    nav_head("Radio_NAV1", false);
    EXPECT_EQ(pointer->callback(pointer), 90.0);
    host.numbers[54] = 10;
    host.numbers[52] = 1;
    EXPECT_EQ(element<ELEMENT_NEEDLE>(vor2, 1)->callback(element<ELEMENT_NEEDLE>(vor2, 1)), 45.0) << "NAV2 on";
}

TEST_F(Indicators, CourseKnobsStepThroughNorth) {
    struct Row {
        FLOAT64 course;
        int half;  // 0 down, 1 up
        UINT32 flags;
        long long sent;
    } rows[] = {
        {0, 0, MOUSE_LEFT_SINGLE, 359},   {0, 0, MOUSE_RIGHT_SINGLE, 350},  {5, 0, MOUSE_RIGHT_SINGLE, 355},
        {359, 1, MOUSE_LEFT_SINGLE, 0},   {355, 1, MOUSE_RIGHT_SINGLE, 5}, {349, 1, MOUSE_RIGHT_SINGLE, 359},
        {12.7, 1, MOUSE_LEFT_SINGLE, 13}, {12.7, 0, MOUSE_LEFT_SINGLE, 11},
        {100, 1, MOUSE_LEFT_SINGLE | MOUSE_RIGHT_SINGLE, 101}, {100, 1, MOUSE_DOWN_REPEAT, -1},
        {-5.5, 1, MOUSE_LEFT_SINGLE, 356}, {725, 0, MOUSE_LEFT_SINGLE, 4},
    };
    for (GAUGEHDR* g : {vor1, vor2}) {
        for (const Row& r : rows) {
            EXPECT_EQ(knob(g, r.course, area(g, r.half), r.flags), r.sent) << g->name << " " << r.course;
        }
    }
    host.numbers[45] = 12.7;
    EXPECT_EQ(vor1->mouse_rects[5].args[0].number_callback(0, 0, nullptr, nullptr, vor1), 12.0);
}

TEST_F(Indicators, NavHeadOffRestsTheIndicator) {
    host.numbers = {{40, 60}, {41, -30}, {44, 1}, {43, 1}, {354, 2}, {50, 60}, {882, -30}, {53, 1}, {52, 1}};
    auto state = [&](GAUGEHDR* g) {
        const bool one = g == vor1;
        std::vector<FLOAT64> v;
        if (one) {
            v.push_back(refreshed(element<ELEMENT_NEEDLE>(g, 2)));  // deviation
            v.push_back(refreshed(element<ELEMENT_NEEDLE>(g, 3)));  // glide slope
        }
        v.push_back(refreshed(element<ELEMENT_ICON>(g, 5)));  // glide-slope flag
        v.push_back(refreshed(element<ELEMENT_ICON>(g, 6)));  // NAV flag
        if (one) v.push_back(refreshed(element<ELEMENT_ICON>(g, 9)));  // marker lamp
        return v;
    };
    auto tooltip = [](GAUGEHDR* g) { return std::string(g->mouse_rects[2].args[1].text_callback(0, 0, nullptr, nullptr, g)); };
    EXPECT_EQ(state(vor1), (std::vector<FLOAT64>{60, -30, 1, 1, 0}));
    EXPECT_EQ(state(vor2), (std::vector<FLOAT64>{1, 1}));
    EXPECT_EQ(tooltip(vor1), "active");
    nav_head("Radio_NAV1", false);
    nav_head("Radio_NAV2", false);
    EXPECT_EQ(state(vor1), (std::vector<FLOAT64>{0, 0, 0, 0, -1}));
    EXPECT_EQ(state(vor2), (std::vector<FLOAT64>{0, 0}));
    EXPECT_EQ(tooltip(vor1), "off");
    EXPECT_EQ(tooltip(vor2), "off");
    // The second indicator's deviation needles show their variables anyway.
    EXPECT_EQ(element<ELEMENT_NEEDLE>(vor2, 2)->source_var.token, 882u);
    EXPECT_EQ(element<ELEMENT_NEEDLE>(vor2, 2)->callback, nullptr);
    EXPECT_EQ(element<ELEMENT_NEEDLE>(vor2, 3)->source_var.token, 50u);
    EXPECT_EQ(element<ELEMENT_NEEDLE>(vor2, 3)->callback, nullptr);
    // The course digits stay live.
    auto* digits = element<ELEMENT_STRING>(vor1, 7);
    char buffer[4] = {};
    digits->text = buffer;
    digits->source_var[0].value.number = 5.4;
    digits->callback(digits);
    EXPECT_EQ(std::string(buffer), "005");
    digits->text = nullptr;
}

TEST_F(Indicators, RmiPointersFollowTheSelectorOneRefreshLate) {
    auto* single = element<ELEMENT_NEEDLE>(rmi, 3);
    auto* twin = element<ELEMENT_NEEDLE>(rmi, 2);
    GAUGEHDR* selector = module.gauge("VOR1_ADF_Switch_H");
    pre_install(selector, "");  // VOR 1
    host.numbers = {{39, 120}, {550, 30}, {59, 200}, {46, 0}, {55, 0}};
    EXPECT_EQ(refreshed(single), 30.0);
    EXPECT_EQ(refreshed(twin), 200.0);
    host.numbers[46] = 0x80;
    EXPECT_EQ(refreshed(single), 90.0) << "no NAV1 bearing";
    host.numbers[46] = 0x7F;
    EXPECT_EQ(refreshed(single), 30.0);

    click(selector, 1);  // ADF
    EXPECT_EQ(refreshed(single), 30.0) << "the refresh of the change still reads NAV1";
    EXPECT_EQ(refreshed(single), 120.0);
    click(module.gauge("Radio_ADF"), 7);  // ADF off
    EXPECT_EQ(refreshed(single), 90.0);
    nav_head("Radio_NAV1", false);
    click(module.gauge("Radio_ADF"), 8);  // ADF on
    EXPECT_EQ(refreshed(single), 120.0) << "NAV1 off does not matter on ADF";

    host.numbers[55] = 0x80;
    EXPECT_EQ(refreshed(twin), 90.0);
    host.numbers[55] = 0;
    nav_head("Radio_NAV2", false);
    EXPECT_EQ(refreshed(twin), 90.0);
}

}  // namespace
