// Tooltip texts: host texts by id and every insert form the gauges use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "frame/gauge_records.h"
#include "host/tooltip_formatter.h"

using host::TooltipFormatter;

namespace {

double number_value = 0.0;
int number_calls = 0;
const char* text_value = nullptr;

FLOAT64 HOST_CALL number(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) {
    ++number_calls;
    return number_value;
}
FLOAT64 HOST_CALL frequency(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return 118.5; }
const char* HOST_CALL text(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return text_value; }
const char* HOST_CALL on(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return "on"; }
const char* HOST_CALL off(FLOAT64, UINT32, const char*, MODULE_VAR*, GAUGEHDR*) { return "off"; }

MOUSE_ARG numeric(TOOLTIP_NUMBER_CALLBACK fn) {
    MOUSE_ARG a{};
    a.number_callback = fn;
    return a;
}
MOUSE_ARG textual(TOOLTIP_TEXT_CALLBACK fn) {
    MOUSE_ARG a{};
    a.text_callback = fn;
    return a;
}

class TooltipTest : public ::testing::Test {
protected:
    void SetUp() override {
        number_value = 0.0;
        number_calls = 0;
        text_value = nullptr;
    }
    host::Simulation simulation;
    TooltipFormatter formatter{simulation};
    GAUGEHDR gauge{};
};

}  // namespace

TEST_F(TooltipTest, TextInsertsCallTheTextCallbacks) {
    MOUSE_ARG args[] = {numeric(&frequency), textual(&on), textual(&off)};
    EXPECT_EQ(formatter.format("COM1 (%1!07.3f! MHz) main switch (%2!s!), standby %3!s!", 3, args, &gauge),
              "COM1 (118.500 MHz) main switch (on), standby off");
    text_value = "active";
    MOUSE_ARG one[] = {textual(&text)};
    EXPECT_EQ(formatter.format("%1!s!", 1, one, &gauge), "active");
    text_value = nullptr;
    EXPECT_EQ(formatter.format("VOR 1 Indicator (%1!s!)", 1, one, &gauge), "VOR 1 Indicator ()");
}

TEST_F(TooltipTest, NumericInsertsFormatAndTruncateTowardZero) {
    MOUSE_ARG args[] = {numeric(&number), numeric(&number)};
    const char* degree_text = "Admission air temperature (%1!d!" "\xB0" "C)";
    number_value = -3.7;
    EXPECT_EQ(formatter.format(degree_text, 1, args, &gauge), "Admission air temperature (-3\xB0" "C)");
    number_value = 12.99;
    EXPECT_EQ(formatter.format("%1!d! and %2!d!", 2, args, &gauge), "12 and 12");
    EXPECT_EQ(number_calls, 3);
    number_value = 5.5;
    EXPECT_EQ(formatter.format("%1!07.2f!", 1, args, &gauge), "0005.50");
    number_value = 1344.5;
    EXPECT_EQ(formatter.format("ADF (%1!07.2f! kHz)", 1, args, &gauge), "ADF (1344.50 kHz)");
    number_value = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(formatter.format("%1!d!", 1, args, &gauge), "0");
    number_value = 1e300;
    EXPECT_EQ(formatter.format("%1!d!", 1, args, &gauge), "9223372036854775807");
}

TEST_F(TooltipTest, DegreeSignStaysASingleByte) {
    MOUSE_ARG args[] = {numeric(&number), numeric(&number)};
    number_value = 271.9;
    std::string s = formatter.format("Gyro-magnetic compass (Heading %1!d!\xB0 - Desired heading %2!d!\xB0)", 2, args,
                                     &gauge);
    EXPECT_EQ(s, "Gyro-magnetic compass (Heading 271\xB0 - Desired heading 271\xB0)");
    EXPECT_EQ(std::count(s.begin(), s.end(), '\xB0'), 2);
}

TEST_F(TooltipTest, MissingArgumentsAndBadInsertsShowInTheText) {
    MOUSE_ARG args[] = {numeric(&number)};
    EXPECT_EQ(formatter.format("a %2!d! b", 1, args, &gauge), "a (no argument 2) b");
    EXPECT_EQ(formatter.format("a %1!q! b", 1, args, &gauge), "a (bad insert %1!q!) b");
    EXPECT_EQ(formatter.format("100% sure, %1 and %1!d", 1, args, &gauge), "100% sure, %1 and %1!d");
    EXPECT_EQ(formatter.format(nullptr, 0, nullptr, &gauge), "");
}

TEST_F(TooltipTest, AnArgumentWithoutCallbackShowsItsVariable) {
    MOUSE_ARG args[] = {MOUSE_ARG{}};
    args[0].source_var.token = 61;
    simulation.set_number(61, 123.4);
    EXPECT_EQ(formatter.format("%1!d! knots", 1, args, &gauge), "123 knots");
}

TEST_F(TooltipTest, HostTextIdsHaveTextsOrAVisiblePlaceholder) {
    EXPECT_EQ(host::host_text_or_placeholder(0x3002), "Airspeed indicator");
    EXPECT_EQ(host::host_text_or_placeholder(0xAB86), "Radio stack window");
    EXPECT_EQ(host::host_text_or_placeholder(0x3FFF), "(text 0x3FFF)");
    MOUSERECT by_id = mouse_tooltip_id(0x3018);
    EXPECT_EQ(formatter.tooltip(by_id, &gauge), "Clock");
    MOUSE_ARG args[] = {textual(&on)};
    MOUSERECT by_text = mouse_tooltip_text("Avionics switch (%1!s!)", 1, args);
    EXPECT_EQ(formatter.tooltip(by_text, &gauge), "Avionics switch (on)");
}
