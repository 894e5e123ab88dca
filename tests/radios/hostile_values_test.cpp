// Values the simulation never produces: every digit element still shows one
// of its own cells (never the spare 0 at the bottom of a strip), and the
// indicators park or flag what they cannot read. Also built with the radio
// sources linked in under AddressSanitizer and UndefinedBehaviorSanitizer.
#include <cmath>
#include <limits>
#include <string>

#include "radio_fixture.h"

namespace {

constexpr FLOAT64 NaN = std::numeric_limits<FLOAT64>::quiet_NaN();
constexpr FLOAT64 Inf = std::numeric_limits<FLOAT64>::infinity();

const UINT32 ODD_PACKED[] = {0,          0x0FFF,     0x1AFA,     0x9999,     0xFFFF,
                             0x10000,    0x3600FF,   0x12345678, 0x7FFFFFFF, 0xFFFFFFFF};

struct HostileValues : ::testing::Test {
    FakeHost host{radio_imports()};

    void set_all(UINT32 v) {
        for (UINT32 token : {16u, 18u, 23u, 24u, 27u, 38u, 870u}) host.packed[token] = v;
    }
    // The value shown is a whole cell within the element's own images.
    void expect_own_cell(ELEMENT_HEADER* e, const char* gauge, UINT32 v) {
        const FLOAT64 shown = refresh(e);
        FLOAT64 last = 0;
        if (e->element_type == ELEMENT_TYPE_MOVING_IMAGE) {
            last = std::min(9.0, as<ELEMENT_MOVING_IMAGE>(e)->max_y);
        } else {
            last = as<ELEMENT_ICON>(e)->icon_count - 1.0;
        }
        EXPECT_TRUE(shown >= 0 && shown <= last && shown == std::floor(shown))
            << gauge << " bitmap " << e->bitmap_id << " at " << std::hex << v << ": " << shown;
    }
};

TEST_F(HostileValues, EveryDigitShowsOneOfItsCells) {
    for (UINT32 v : ODD_PACKED) {
        set_all(v);
        for (const HeadLayout& h : HEADS) {
            GAUGEHDR* g = radio_gauge(h.gauge);
            ASSERT_NE(g, nullptr) << h.gauge;
            send_service(g, PANEL_SERVICE_PRE_UPDATE);
            for (int depth : h.digits) expect_own_cell(first_child_chain(g, depth), h.gauge, v);
            for (ELEMENT_HEADER* e : all_elements(g)) {
                if (e->element_type == ELEMENT_TYPE_NEEDLE) EXPECT_TRUE(std::isfinite(refresh(e))) << h.gauge;
            }
        }
    }
    // Nibbles above 9 count as their value; what lands beyond a wheel shows
    // its last digit.
    host.packed[23] = 0x18A5;  // 118, hundredths 10 x 10 + 5
    send_service(radio_gauge("Radio_COM1"), PANEL_SERVICE_PRE_UPDATE);
    EXPECT_EQ(digits_of(radio_gauge("Radio_COM1")), "1895");
    host.packed[24] = 0x2000;  // 126 by the navigation rule: tens 2 on a 0-1 wheel
    send_service(radio_gauge("Radio_NAV1"), PANEL_SERVICE_PRE_UPDATE);
    EXPECT_EQ(digits_of(radio_gauge("Radio_NAV1")), "1600");
    host.packed[38] = 0xF000;  // thousands 15
    EXPECT_EQ(digits_of(radio_gauge("Radio_IFF_XPDR")), "9000");
}

TEST_F(HostileValues, IndicatorsParkOrFlagWhatTheyCannotRead) {
    GAUGEHDR* vor1 = radio_gauge("VOR1_Indicator");
    GAUGEHDR* rmi = radio_gauge("RMI");
    ASSERT_NE(vor1, nullptr);
    ASSERT_NE(rmi, nullptr);
    auto* pointer = as<ELEMENT_NEEDLE>(first_child_chain(vor1, 1));
    auto* nav_flag = as<ELEMENT_ICON>(first_child_chain(vor1, 6));
    auto* nav2_pointer = as<ELEMENT_NEEDLE>(first_child_chain(rmi, 2));
    host.numbers[84] = 10.0;
    host.numbers[45] = 10.0;
    for (FLOAT64 bad : {NaN, Inf, -Inf, -1.0, 0.5, 1e300, -1e300, 4294967296.0}) {
        host.numbers[43] = bad;
        nav_flag->source_var.value.number = bad;
        host.numbers[55] = bad;
        nav2_pointer->source_var.value.number = 45.0;
        const bool no_signal = !(bad >= 1.0 && bad < 2147483648.0);
        EXPECT_EQ(pointer->callback(pointer), no_signal ? 90.0 : 0.0) << bad;
        EXPECT_EQ(nav_flag->callback(nav_flag), no_signal ? 0.0 : 1.0) << bad;
        const bool no_bearing = !(bad >= 0.0 && bad < 2147483648.0);
        EXPECT_EQ(nav2_pointer->callback(nav2_pointer), no_bearing ? 90.0 : 45.0) << bad;
    }
    host.numbers[43] = 1.0;
    for (FLOAT64 bad : {NaN, Inf, -Inf}) {
        host.numbers[84] = bad;
        EXPECT_EQ(pointer->callback(pointer), 90.0) << bad;
    }
}

TEST_F(HostileValues, CourseKnobsAndDigitsStayInTheirRange) {
    for (const char* name : {"VOR1_Indicator", "VOR2_Indicator"}) {
        GAUGEHDR* g = radio_gauge(name);
        ASSERT_NE(g, nullptr);
        const UINT32 token = std::string(name) == "VOR1_Indicator" ? 45 : 54;
        auto* digits = as<ELEMENT_STRING>(first_child_chain(g, 7));
        ASSERT_EQ(digits->header.element_type, ELEMENT_TYPE_STRING);
        std::vector<char> buffer(digits->max_chars + 1 + 16, '#');
        digits->text = buffer.data();
        for (FLOAT64 course : {NaN, Inf, -Inf, 1e300, -1e300, -360.0, -0.5, 359.99, 3000000000.0, 999.4, 1000.0}) {
            host.numbers[token] = course;
            for (int area = 0; g->mouse_rects[area].rect_type != MOUSE_RECT_END; ++area) {
                if (g->mouse_rects[area].rect_type != MOUSE_RECT_CHILD) continue;
                for (UINT32 flags : {MOUSE_LEFT_SINGLE, MOUSE_RIGHT_SINGLE}) {
                    host.clear_log();
                    click(g, static_cast<std::size_t>(area), flags);
                    ASSERT_EQ(host.key_events.size(), 1u);
                    EXPECT_LE(host.key_events[0].value, 359u) << name << " " << course;
                }
            }
            digits->source_var[0].value.number = course;
            digits->callback(digits);
            for (std::size_t i = digits->max_chars + 1; i < buffer.size(); ++i) ASSERT_EQ(buffer[i], '#');
            EXPECT_LE(std::string(buffer.data()).size(), digits->max_chars) << course;
        }
        digits->text = nullptr;
    }
}

}  // namespace
