// Hit-testing, button routing, repeat and drag on synthetic mouse lists.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "frame/gauge_records.h"
#include "host/host_error.h"
#include "host/mouse_map.h"
#include "host/mouse_router.h"
#include "host/simulation.h"

using host::MouseArea;
using host::MouseButton;
using host::MouseMap;
using host::MouseRouter;

namespace {

struct Call {
    std::string function;
    PIXPOINT point;
    GAUGEHDR* gauge;
    MOUSERECT* rect;
    UINT32 flags;
};
std::vector<Call> calls;

template <int N>
HOST_BOOL HOST_CALL record(MOUSE_CLICK* click, UINT32 flags) {
    calls.push_back({"f" + std::to_string(N), click->point, click->gauge, click->rect, flags});
    return N;
}

class MouseTest : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }
    host::Simulation simulation;
    MouseRouter router{simulation};
    GAUGEHDR gauge{};
};

}  // namespace

TEST_F(MouseTest, ChildBoxesAreRelativeToTheirInnermostParent) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0xAB07),
        mouse_parent({17, 235, 50, 50}, CURSOR_NONE, 0xAB3A),
        mouse_child({0, 0, 25, 50}, CURSOR_DOWN_ARROW, 0x20200000, &record<1>),
        mouse_child({25, 0, 25, 50}, CURSOR_UP_ARROW, 0x20200000, &record<2>),
        mouse_end_parent(),
        mouse_parent({4, 158, 38, 38}, CURSOR_NONE, 0),
        mouse_parent({10, 10, 20, 20}, CURSOR_NONE, 0),  // nested twice
        mouse_child({5, 5, 4, 4}, CURSOR_HAND, 0x20000000, &record<3>),
        mouse_end_parent(),
        mouse_end_parent(),
        mouse_child({0, 0, 10, 10}, CURSOR_HAND, 0x20000000, &record<4>),  // back in the whole gauge
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    ASSERT_NE(map.child_at({20, 240}), nullptr);
    EXPECT_EQ(map.child_at({20, 240})->row, 2);
    EXPECT_EQ(map.child_at({42, 240})->row, 3);
    EXPECT_EQ(map.child_at({4 + 10 + 5, 158 + 10 + 5})->row, 7);
    EXPECT_EQ(map.child_at({4 + 10 + 4, 158 + 10 + 5}), nullptr);
    EXPECT_EQ(map.child_at({9, 9})->row, 10);
    EXPECT_EQ(map.child_at({67, 240}), nullptr);  // right edge is outside

    // The click record: point relative to the rectangle, the gauge, the row.
    router.press(gauge, map, {44, 250}, MouseButton::Left);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].function, "f2");
    EXPECT_EQ(calls[0].point.x, 44 - 17 - 25);
    EXPECT_EQ(calls[0].point.y, 250 - 235);
    EXPECT_EQ(calls[0].gauge, &gauge);
    EXPECT_EQ(calls[0].rect, &list[3]);
    EXPECT_EQ(calls[0].flags, 0x20000000u);
}

TEST_F(MouseTest, TheFirstOverlappingChildInListOrderWins) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_child({0, 0, 50, 50}, CURSOR_HAND, 0x20000000, &record<1>),
        mouse_child({25, 25, 50, 50}, CURSOR_HAND, 0xA0000000, &record<2>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    router.press(gauge, map, {30, 30}, MouseButton::Left);
    router.press(gauge, map, {60, 60}, MouseButton::Left);
    // The first area takes the point even for a button it does not answer.
    auto outcome = router.press(gauge, map, {30, 30}, MouseButton::Right);
    EXPECT_FALSE(outcome.accepted);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].function, "f1");
    EXPECT_EQ(calls[1].function, "f2");
    EXPECT_EQ(calls[1].point.x, 35);
}

TEST_F(MouseTest, ButtonsReachOnlyAreasWithTheirFlag) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_child({0, 0, 10, 10}, CURSOR_HAND, 0x20000000, &record<1>),  // left only
        mouse_child({10, 0, 10, 10}, CURSOR_HAND, 0x80000000, &record<2>),  // right only
        mouse_child({20, 0, 10, 10}, CURSOR_HAND, 0xA0200000, &record<3>),  // both
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    router.press(gauge, map, {5, 5}, MouseButton::Right);
    router.press(gauge, map, {15, 5}, MouseButton::Left);
    EXPECT_TRUE(calls.empty());
    router.press(gauge, map, {5, 5}, MouseButton::Left);
    router.press(gauge, map, {15, 5}, MouseButton::Right);
    router.press(gauge, map, {25, 5}, MouseButton::Right);
    router.press(gauge, map, {25, 5}, MouseButton::Left);
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].flags, 0x20000000u);
    EXPECT_EQ(calls[1].flags, 0x80000000u);
    EXPECT_EQ(calls[2].flags, 0x80000000u);
    EXPECT_EQ(calls[3].flags, 0x20000000u);
}

TEST_F(MouseTest, HeldButtonsRepeatAfterADelayWithTheirOwnButtonBit) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_child({0, 0, 10, 10}, CURSOR_UP_ARROW, 0xA0200000, &record<1>),
        mouse_child({10, 0, 10, 10}, CURSOR_HAND, 0x20000000, &record<2>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    router.press(gauge, map, {5, 5}, MouseButton::Right);
    for (long f = 1; f < host::REPEAT_DELAY_FRAMES; ++f) router.frame();
    EXPECT_EQ(calls.size(), 1u) << "no repeat before the delay";
    router.frame();
    router.frame();
    router.frame();
    ASSERT_EQ(calls.size(), 3u);  // at the delay, then every interval
    EXPECT_EQ(calls[1].flags, 0x80000000u | 0x00200000u);
    EXPECT_EQ(calls[2].flags, 0x80000000u | 0x00200000u);
    router.release();
    for (int f = 0; f < 20; ++f) router.frame();
    EXPECT_EQ(calls.size(), 3u);

    // An area without the repeat bit is called once, however long it is held.
    calls.clear();
    router.press(gauge, map, {15, 5}, MouseButton::Left);
    for (int f = 0; f < 30; ++f) router.frame();
    EXPECT_EQ(calls.size(), 1u);
}

TEST_F(MouseTest, DragsFollowThePointerRelativeToThePressedArea) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_child({94, 7, 56, 291}, CURSOR_HAND, 0x20800000, &record<1>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    router.press(gauge, map, {100, 150}, MouseButton::Left);
    router.move({100, 20});
    router.move({300, 400});  // beyond the slot: still the same area
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[1].flags, 0x20000000u | 0x00800000u);
    EXPECT_EQ(calls[1].point.y, 13);
    EXPECT_EQ(calls[2].point.x, 206);
    EXPECT_EQ(calls[2].point.y, 393);
    EXPECT_EQ(calls[2].rect->box.height, 291);
    // At the far edge of the coordinates the point stays there, not wrapping round.
    router.move({INT32_MIN, INT32_MIN});
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[3].point.x, INT32_MIN);
    EXPECT_EQ(calls[3].point.y, INT32_MIN);
    calls.pop_back();
    router.release();
    router.move({100, 100});
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(MouseTest, AreasWithAnEventAndNoFunctionMakeTheHostSendIt) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_child_event({0, 0, 45, 22}, CURSOR_DOWN_ARROW, 0x20200000, 0x102C4),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    router.press(gauge, map, {3, 3}, MouseButton::Left);
    for (long f = 0; f < host::REPEAT_DELAY_FRAMES; ++f) router.frame();
    const auto& events = simulation.key_log().events();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].id, 0x102C4u);
    EXPECT_EQ(events[0].value, 0u);
    EXPECT_EQ(events[0].source, host::EventSource::Host);
    EXPECT_EQ(events[1].id, 0x102C4u);
}

TEST_F(MouseTest, TooltipParentsWithoutEndRowsCloseAfterTheirTooltip) {
    // The clock's list: two tooltip parents without end rows, then knob
    // halves whose boxes are relative to the whole gauge.
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_parent({0, 0, 300, 242}, CURSOR_NONE, 0),
        mouse_tooltip_id(0x3018),
        mouse_parent({29, 242, 58, 58}, CURSOR_NONE, 0),
        mouse_tooltip_text("Right click to enter setting mode", 0, nullptr),
        mouse_child({29, 242, 29, 58}, CURSOR_UP_ARROW, 0xA0200000, &record<1>),
        mouse_child({0, 242, 29, 58}, CURSOR_DOWN_ARROW, 0xA0200000, &record<2>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    EXPECT_EQ(map.child_at({40, 260})->row, 5);
    EXPECT_EQ(map.child_at({10, 260})->row, 6);
    EXPECT_EQ(map.child_at({10, 260})->depth, 1);
    const MouseArea* face = map.text_parent_at({150, 100});
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->tooltip, &list[2]);
    const MouseArea* knob = map.text_parent_at({40, 260});
    ASSERT_NE(knob, nullptr);
    EXPECT_EQ(knob->tooltip, &list[4]);
    EXPECT_EQ(map.text_parent_at({10, 260}), nullptr);  // below the face, left of the knob
}

TEST_F(MouseTest, BalancedListsNestStrictly) {
    // Tooltip parents each closed by their end row, children after them in
    // the whole-gauge parent; and a nested parent with tooltip and children.
    MOUSERECT list[] = {
        mouse_whole_gauge(0),
        mouse_parent({0, 0, 93, 300}, CURSOR_NONE, 0),
        mouse_tooltip_id(0x31A0),
        mouse_end_parent(),
        mouse_parent({100, 100, 50, 50}, CURSOR_NONE, 0),
        mouse_tooltip_id(0x3190),
        mouse_child({10, 10, 5, 5}, CURSOR_HAND, 0x20000000, &record<1>),
        mouse_end_parent(),
        mouse_child({0, 0, 93, 300}, CURSOR_HAND, 0x20800000, &record<2>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    EXPECT_EQ(map.child_at({112, 112})->row, 6);
    EXPECT_EQ(map.child_at({50, 50})->row, 8);
    EXPECT_EQ(map.text_parent_at({120, 140})->tooltip, &list[5]);
    EXPECT_EQ(map.text_parent_at({50, 50})->tooltip, &list[2]);
}

TEST_F(MouseTest, TheHelpIdOfTheWholeGaugeShowsWhereNoTooltipDoes) {
    MOUSERECT list[] = {
        mouse_whole_gauge(0xAB86),
        mouse_child({3, 3, 13, 13}, CURSOR_HAND, 0x20000000, &record<1>),
        mouse_end_parent(),
        mouse_end(),
    };
    MouseMap map = MouseMap::build(list);
    const MouseArea* parent = map.text_parent_at({1000, 1000});
    ASSERT_NE(parent, nullptr);
    EXPECT_TRUE(parent->whole_gauge);
    EXPECT_EQ(parent->rect->help_id, 0xAB86u);
}

TEST_F(MouseTest, MalformedListsAreReported) {
    MOUSERECT bad_type[] = {mouse_whole_gauge(0), mouse_end_parent(), mouse_end()};
    bad_type[1].rect_type = 9;
    EXPECT_THROW(MouseMap::build(bad_type), host::HostError);
    std::vector<MOUSERECT> endless(5000, mouse_end_parent());
    EXPECT_THROW(MouseMap::build(endless.data()), host::HostError);
    EXPECT_TRUE(MouseMap::build(nullptr).areas().empty());
}
