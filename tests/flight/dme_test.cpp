// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "element_tree.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

namespace {

constexpr FLOAT64 NaN = std::numeric_limits<FLOAT64>::quiet_NaN();
constexpr FLOAT64 INF = std::numeric_limits<FLOAT64>::infinity();

enum Digits { DISTANCE, SPEED, TIME, NM, KT, MIN };

struct DmeTest : ::testing::Test {
    LoadedModule module;
    GAUGEHDR* gauge = module.gauge("Bendix_DME");
    ELEMENT_HEADER* background = gauge->elements[0];

    // A text buffer as the host allocates it (character count + 1), followed
    // by guard bytes that no callback may touch.
    static constexpr char GUARD = '#';
    static constexpr std::size_t GUARD_BYTES = 16;
    std::vector<char> buffers[6];

    void SetUp() override {
        for (int i = 0; i < 6; ++i) {
            ELEMENT_STRING* s = text(static_cast<Digits>(i));
            ASSERT_EQ(s->header.element_type, ELEMENT_TYPE_STRING);
            buffers[i].assign(s->max_chars + 1 + GUARD_BYTES, GUARD);
            s->text = buffers[i].data();
        }
    }

    ELEMENT_STRING* text(Digits which) { return as<ELEMENT_STRING>(child_of(background, which)); }
    ELEMENT_ICON* knob() { return as<ELEMENT_ICON>(child_of(background, 6)); }

    // Refreshes both variables as the host does and returns the text drawn.
    std::string show(Digits which, FLOAT64 first, FLOAT64 distance) {
        ELEMENT_STRING* s = text(which);
        s->source_var[0].value.number = first;
        s->source_var[1].value.number = distance;
        const FLOAT64 returned = s->callback(s);
        if (!std::isnan(first)) {
            EXPECT_EQ(returned, first);
        }
        const std::vector<char>& b = buffers[which];
        for (std::size_t i = s->max_chars + 1; i < b.size(); ++i) {
            EXPECT_EQ(b[i], GUARD) << "written past the buffer at " << i;
        }
        const void* end = std::memchr(b.data(), '\0', s->max_chars + 1);
        EXPECT_NE(end, nullptr) << "text not terminated within the buffer";
        return end != nullptr ? std::string(b.data()) : std::string();
    }
    std::string distance(FLOAT64 nm) { return show(DISTANCE, nm, nm); }
    FLOAT64 source_image(FLOAT64 source) {
        knob()->source_var.value.number = source;
        return knob()->callback(knob());
    }
};

TEST_F(DmeTest, StringsAreRedQuartzDigitsThatFailWithTheAvionics) {
    const UINT32 first_tokens[6] = {372, 373, 374, 372, 373, 374};
    const UINT32 max_chars[6] = {4, 4, 2, 2, 4, 3};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        ELEMENT_STRING* s = text(static_cast<Digits>(i));
        EXPECT_EQ(+s->header.gauge, gauge);
        EXPECT_EQ(s->header.bitmap_id, 0xFFFFFFFFu);
        EXPECT_EQ(s->source_var[0].token, first_tokens[i]);
        EXPECT_EQ(s->source_var[1].token, 372u);
        EXPECT_EQ(s->max_chars, max_chars[i]);
        EXPECT_EQ(std::memcmp(s->font_face, "Quartz\0", 7), 0);
        EXPECT_EQ(s->text_color, 0x0000FFu);
        EXPECT_EQ(s->header.image_flags, 0x7u);
        EXPECT_EQ(failures_of(&s->header), (std::vector<std::pair<UINT32, UINT32>>{{21, 3}}));
    }
    EXPECT_EQ(child_of(background, 7), nullptr);
}

TEST_F(DmeTest, DistanceUnderAHundredMilesHasOneDecimal) {
    EXPECT_EQ(distance(99.9), "99.9");
    EXPECT_EQ(distance(7.0), "7.0 ");
    EXPECT_EQ(distance(12.34), "12.3");
    EXPECT_EQ(distance(0.0), "0.0 ");
    EXPECT_EQ(distance(-0.0), "0.0 ");
}

TEST_F(DmeTest, DistanceFromAHundredMilesIsWholeMilesWithLeadingZeros) {
    EXPECT_EQ(distance(100.0), "0100");
    EXPECT_EQ(distance(250.4), "0250");
    EXPECT_EQ(distance(9999.0), "9999");
}

TEST_F(DmeTest, OverLongDistancesShowWhatTheFieldCanHold) {
    // One decimal would give "100.0": shown as whole miles instead.
    EXPECT_EQ(distance(99.95), "0100");
    EXPECT_EQ(distance(99.99), "0100");
    // Beyond four digits the field stays at its largest value.
    EXPECT_EQ(distance(9999.6), "9999");
    EXPECT_EQ(distance(123456.0), "9999");
    EXPECT_EQ(distance(1e300), "9999");
    EXPECT_EQ(distance(INF), "9999");
}

TEST_F(DmeTest, WithoutADistanceReadingOnlyDistanceAndSpeedShowDashes) {
    EXPECT_EQ(distance(-1.0), "----");
    EXPECT_EQ(distance(NaN), "----");
    EXPECT_EQ(distance(-INF), "----");
    EXPECT_EQ(show(SPEED, 120.0, -1.0), "----");
    EXPECT_EQ(show(SPEED, 120.0, NaN), "----");
    EXPECT_EQ(show(TIME, 4.0, -1.0), "04");
    EXPECT_EQ(show(NM, -1.0, -1.0), "NM");
    EXPECT_EQ(show(KT, 120.0, -1.0), "KT");
    EXPECT_EQ(show(MIN, 4.0, -1.0), "MIN");
}

TEST_F(DmeTest, SpeedHasThreeDigitsUpToTheFieldsLimit) {
    EXPECT_EQ(show(SPEED, 95.0, 10.0), "095");
    EXPECT_EQ(show(SPEED, 0.0, 10.0), "000");
    EXPECT_EQ(show(SPEED, 250.4, 10.0), "250");
    EXPECT_EQ(show(SPEED, 1234.0, 10.0), "1234");
    EXPECT_EQ(show(SPEED, 99999.0, 10.0), "9999");
    EXPECT_EQ(show(SPEED, INF, 10.0), "9999");
    EXPECT_EQ(show(SPEED, -3.0, 10.0), "000");
    EXPECT_EQ(show(SPEED, -0.0, 10.0), "000");
    EXPECT_EQ(show(SPEED, NaN, 10.0), "----");
}

TEST_F(DmeTest, TimeHasTwoDigitsAndStaysAtNinetyNine) {
    EXPECT_EQ(show(TIME, 4.0, 10.0), "04");
    EXPECT_EQ(show(TIME, 45.4, 10.0), "45");
    EXPECT_EQ(show(TIME, 99.4, 10.0), "99");
    EXPECT_EQ(show(TIME, 99.5, 10.0), "99");
    EXPECT_EQ(show(TIME, 600.0, 10.0), "99");
    EXPECT_EQ(show(TIME, INF, 10.0), "99");
    EXPECT_EQ(show(TIME, -5.0, 10.0), "00");
    EXPECT_EQ(show(TIME, NaN, 10.0), "--");
}

TEST_F(DmeTest, TextsNeverExceedASmallerBuffer) {
    // A host that allocates exactly character count + 1 bytes for the time.
    ELEMENT_STRING* s = text(TIME);
    char exact[3 + 4] = {'#', '#', '#', '#', '#', '#', '#'};
    s->text = exact;
    s->source_var[0].value.number = 123456.0;
    s->callback(s);
    EXPECT_STREQ(exact, "99");
    EXPECT_EQ(exact[3], '#');
}

TEST_F(DmeTest, StringsWithoutABufferAreLeftAlone) {
    ELEMENT_STRING* s = text(DISTANCE);
    s->text = nullptr;
    s->source_var[0].value.number = 12.0;
    s->source_var[1].value.number = 12.0;
    EXPECT_EQ(s->callback(s), 12.0);
}

TEST_F(DmeTest, SourceKnobShowsNavOneOrNavTwoOnly) {
    ASSERT_EQ(knob()->header.element_type, ELEMENT_TYPE_ICON);
    EXPECT_EQ(knob()->source_var.token, 355u);
    EXPECT_EQ(knob()->icon_count, 2u);
    EXPECT_EQ(source_image(1.0), 0.0);
    EXPECT_EQ(source_image(2.0), 1.0);
    for (FLOAT64 bad : {0.0, 3.0, -1.0, -2.0, 4294967297.0, 1e300, NaN, INF, -INF}) {
        EXPECT_EQ(source_image(bad), -1.0) << bad;
    }
}

TEST_F(DmeTest, KnobSwitchesTheReceiverThroughTheHost) {
    int area = child_area_with_cursor(gauge, CURSOR_HAND);
    ASSERT_GE(area, 1);
    const MOUSERECT& knob_area = gauge->mouse_rects[area];
    EXPECT_EQ(knob_area.event_id, 0x102EEu);
    EXPECT_EQ(knob_area.mouse_flags, 0x20000000u);
    EXPECT_EQ(+knob_area.function, nullptr);
    EXPECT_EQ(gauge->mouse_rects[area - 1].help_id, 0xA708u);
    EXPECT_EQ(gauge->mouse_rects[area - 1].box.x, 51);
}

}  // namespace
