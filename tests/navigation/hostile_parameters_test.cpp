// Parameter strings are free text: every navigation gauge must take any byte
// sequence of any length without touching memory outside the string and its
// own records, and without writing into the string.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fake_host.h"
#include "guarded_text.h"
#include "navigation_under_test.h"

namespace {

std::string high_bytes(std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        s.push_back(static_cast<char>(0x80 + i % 0x80));
    }
    return s;
}

std::string every_byte() {
    std::string s;
    for (int b = 1; b < 256; ++b) {
        s.push_back(static_cast<char>(b));
    }
    return s;
}

std::vector<std::string> hostile_strings() {
    return {
        std::string(6000, 'x'),
        std::string(6000, ' '),
        high_bytes(6000),
        "t" + high_bytes(4000),
        "t" + std::string(5000, '_'),
        "t" + std::string(3000, '9') + " r" + std::string(3000, '9') + " f" + std::string(3000, 'F'),
        "p" + std::string(5000, '9'),
        "p-" + std::string(5000, '9'),
        "p-2147483648",
        std::string(3000, 'o'),
        "b" + std::string(4000, '1') + " h" + std::string(4000, '9'),
        "h-" + std::string(4000, '7') + " a" + high_bytes(200),
        every_byte(),
        "tN123 " + high_bytes(300) + " f",
        "#",
        "//",
        "'",
        "# t50 o75 p9 aGPS_PANEL",
        "' tN123 r0",
        "\xFF",
        "t",
        "o",
        "p",
        "p-",
        "t ",
        "tN123 f",
    };
}

std::size_t count_of_bytes(const std::string& s, const char* bytes) {
    std::size_t n = 0;
    for (char c : s) {
        n += std::strchr(bytes, c) != nullptr && c != '\0' ? 1 : 0;
    }
    return n;
}

// One pass of the host's calls over every navigation gauge with the string.
void exercise(NavigationUnderTest& navigation, FakeHost& host, const std::string& text) {
    GuardedText guarded(text);
    const char* parameters = guarded.c_str();
    ASSERT_NE(parameters, nullptr);
    for (const char* name : NAVIGATION_GAUGES) {
        SCOPED_TRACE(name);
        GAUGEHDR* gauge = navigation.gauge(name);
        ASSERT_NE(gauge, nullptr);
        host.clear_log();
        pre_install(gauge, parameters);
        pre_install(gauge, parameters);
        for (std::size_t i = 0; gauge->mouse_rects[i].rect_type != MOUSE_RECT_END; ++i) {
            click(gauge, i);
        }
        // Each o, c and t byte sends at most one event per click, p at most
        // the repeat limit, and the first install at most one close.
        EXPECT_LE(host.key_events.size(), count_of_bytes(text, "oct") + 1000 + 1);
        if (ELEMENT_STRING* plate = plate_string(gauge)) {
            HostTextBuffer buffer(plate);
            std::string first = buffer.refresh();
            EXPECT_LE(first.size(), plate->max_chars);
            EXPECT_EQ(buffer.refresh(), first);
            font_face(plate);
        }
        EXPECT_EQ(std::string(parameters), text);
        gauge->parameters = nullptr;
    }
}

TEST(HostileParameters, AnyBytesOfAnyLengthStayInBounds) {
    auto navigation = open_navigation();
    FakeHost host(navigation->imports());
    for (const std::string& text : hostile_strings()) {
        SCOPED_TRACE(text.substr(0, 40));
        exercise(*navigation, host, text);
    }
}

TEST(HostileParameters, PlateShowsAtMostItsCharacterCountOfAnyBytes) {
    auto navigation = open_navigation();
    FakeHost host(navigation->imports());
    GAUGEHDR* gauge = navigation->gauge("Registration");
    ASSERT_NE(gauge, nullptr);
    ELEMENT_STRING* plate = plate_string(gauge);
    ASSERT_NE(plate, nullptr);
    HostTextBuffer buffer(plate);

    struct Case {
        std::string parameters;
        std::string shown;
    } cases[] = {
        {std::string(6000, 'x'), "N700MS"},
        {"t" + high_bytes(4000), high_bytes(7)},
        {"t" + std::string(5000, '_'), std::string(7, ' ')},
        {"t\xB0\xFF_\x80 r1", "\xB0\xFF \x80"},
        {"#tN123", "N700MS"},
        {"t", ""},
        {"t ", ""},
    };
    for (const Case& c : cases) {
        GuardedText guarded(c.parameters);
        gauge->parameters = guarded.c_str();
        EXPECT_EQ(buffer.refresh(), c.shown) << c.parameters.substr(0, 40);
        gauge->parameters = nullptr;
    }
}

TEST(HostileParameters, ViewRepeatsStopAtTheLimit) {
    auto navigation = open_navigation();
    FakeHost host(navigation->imports());
    GAUGEHDR* gauge = navigation->gauge("Show_Yoke");
    ASSERT_NE(gauge, nullptr);
    struct Case {
        std::string parameters;
        UINT32 event_id;
    } cases[] = {
        {"p" + std::string(5000, '9'), 0x100C6},
        {"p-" + std::string(5000, '9'), 0x100C7},
        {"p-2147483648", 0x100C7},
        {"p2147483647", 0x100C6},
        {"p1001", 0x100C6},
        {"p-1000", 0x100C7},
    };
    for (const Case& c : cases) {
        GuardedText guarded(c.parameters);
        gauge->parameters = guarded.c_str();
        host.clear_log();
        click(gauge, 1);
        EXPECT_EQ(host.key_events, std::vector<KeyEvent>(1000, KeyEvent{c.event_id, 0})) << c.parameters.substr(0, 20);
        gauge->parameters = nullptr;
    }
}

}  // namespace
