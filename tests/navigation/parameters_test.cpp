// The parameter-string scanner on its own.
#include "frame/parameters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Offset of a match, or -1 for none.
long find_at(const char* text, char key, std::size_t length = PARAM_UNBOUNDED) {
    const char* match = param_find_key(text, length, key);
    return match != nullptr ? static_cast<long>(match - text) : -1;
}

TEST(KeySearch, FindsTheFirstOccurrenceAnywhereCaseSensitive) {
    EXPECT_EQ(find_at("t50", 't'), 0);
    EXPECT_EQ(find_at("xyz hot", 'o'), 5);
    EXPECT_EQ(find_at("radio", 'o'), 4);
    EXPECT_EQ(find_at("T50", 't'), -1);
    EXPECT_EQ(find_at("", 't'), -1);
    EXPECT_EQ(find_at(nullptr, 't'), -1);
}

TEST(KeySearch, ACommentCharacterBeforeTheFirstOccurrenceHidesTheKey) {
    EXPECT_EQ(find_at("t50 // o75", 'o'), -1);
    EXPECT_EQ(find_at("# t50", 't'), -1);
    EXPECT_EQ(find_at("x'o", 'o'), -1);
    EXPECT_EQ(find_at("t50 #note", 't'), 0);
    // Only the first occurrence counts: a key after a comment stays hidden.
    EXPECT_EQ(find_at("a/ o", 'o'), -1);
    EXPECT_EQ(find_at("o#o", 'o'), 0);
}

TEST(KeySearch, RepeatedSearchLooksForCommentsFromItsNewStart) {
    const char* text = "o50 o75 # o10";
    const char* first = param_find_key(text, 'o');
    ASSERT_EQ(first, text);
    const char* second = param_find_key(first + 1, 'o');
    ASSERT_EQ(second, text + 4);
    EXPECT_EQ(param_find_key(second + 1, 'o'), nullptr);

    // A comment before the start does not matter to the repeated search.
    const char* after_comment = "#ot";
    EXPECT_EQ(param_find_key(after_comment + 1, 't'), after_comment + 2);
}

TEST(KeySearch, StopsAtTheGivenLength) {
    EXPECT_EQ(find_at("r10 fArial r20", 'r', 4), 0);
    EXPECT_EQ(find_at(" fArial r20", 'r', 1), -1);
    EXPECT_EQ(find_at("abc", 'c', 2), -1);
    EXPECT_EQ(find_at("abc", 'c', 3), 2);
    EXPECT_EQ(find_at("ab", 'x', 1000), -1);  // the end byte still ends the text
}

TEST(KeySearch, BytesAboveAsciiAreOrdinaryCharacters) {
    EXPECT_EQ(find_at("\xFF\x80t", 't'), 2);
    EXPECT_EQ(find_at("\xAF\xA3o", 'o'), 2);  // the low seven bits of '/' and '#'
    EXPECT_EQ(find_at("ab\xB0", '\xB0'), 2);
}

TEST(DecimalReading, ReadsLeadingBlanksASignAndDigitsUpToTheFirstOther) {
    EXPECT_EQ(param_read_int("42"), 42);
    EXPECT_EQ(param_read_int("  -17x"), -17);
    EXPECT_EQ(param_read_int("\t+8"), 8);
    EXPECT_EQ(param_read_int("01x"), 1);
    EXPECT_EQ(param_read_int("X5"), 0);
    EXPECT_EQ(param_read_int("- 5"), 0);
    EXPECT_EQ(param_read_int(""), 0);
    EXPECT_EQ(param_read_int(nullptr), 0);
}

TEST(DecimalReading, SaturatesAtTheSigned32BitLimits) {
    EXPECT_EQ(param_read_int("2147483647"), 2147483647);
    EXPECT_EQ(param_read_int("2147483648"), 2147483647);
    EXPECT_EQ(param_read_int("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(param_read_int("-2147483649"), -2147483647 - 1);
    EXPECT_EQ(param_read_int("99999999999999999999999999"), 2147483647);
    EXPECT_EQ(param_read_int(("-" + std::string(5000, '9')).c_str()), -2147483647 - 1);
    EXPECT_EQ(param_read_int("00000000000000000000000012"), 12);
}

TEST(DecimalReading, BytesAboveAsciiAreNeitherDigitsNorBlanks) {
    // 0xB2 and 0xB9 are superscript digits, 0xA0 a no-break space in the
    // panel's code page.
    EXPECT_EQ(param_read_int("\xB2"), 0);
    EXPECT_EQ(param_read_int("5\xB9"), 5);
    EXPECT_EQ(param_read_int("\xA0" "7"), 0);
    EXPECT_EQ(param_read_int("\x85" "7"), 0);
}

TEST(PanelNames, NameAtTheVeryStartOtherwiseANumber) {
    EXPECT_EQ(param_panel_id("MAIN_PANEL"), 0);
    EXPECT_EQ(param_panel_id("RADIO_STACK_PANEL"), 50);
    EXPECT_EQ(param_panel_id("IFR_MAIN_PANEL"), 175);
    EXPECT_EQ(param_panel_id("ANNUNCIATOR_PANEL"), 125);
    EXPECT_EQ(param_panel_id("ANNUNCIATOR2_PANEL"), 150);
    EXPECT_EQ(param_panel_id("OVERHEAD_PANEL o75"), 250);  // the rest follows the name
    EXPECT_EQ(param_panel_id(" GPS_PANEL"), 0);
    EXPECT_EQ(param_panel_id("gps_panel"), 0);
    EXPECT_EQ(param_panel_id("GPS_PANE"), 0);
    EXPECT_EQ(param_panel_id("FOO"), 0);
    EXPECT_EQ(param_panel_id("75"), 75);
    EXPECT_EQ(param_panel_id(" -3"), -3);
}

TEST(PanelNames, NoValueMeansNoPanel) {
    EXPECT_EQ(param_panel_id(""), -1);
    EXPECT_EQ(param_panel_id(nullptr), -1);
}

TEST(HelpNames, NameOrANumberFromTheFirstHelpIdOn) {
    EXPECT_EQ(param_help_id("TOGGLE_FUEL_WINDOW"), 0xAB8Au);
    EXPECT_EQ(param_help_id("TOGGLE_COLLECTIVE_WINDOW aGPS_PANEL"), 0xAB8Bu);
    EXPECT_EQ(param_help_id("43000"), 43000u);
    EXPECT_EQ(param_help_id("40960"), 40960u);
    EXPECT_EQ(param_help_id("40959"), 0u);
    EXPECT_EQ(param_help_id("4000"), 0u);
    EXPECT_EQ(param_help_id("TOGGLE_FUEL"), 0u);
    EXPECT_EQ(param_help_id(""), 0u);
    EXPECT_EQ(param_help_id(nullptr), 0u);
}

TEST(HelpNames, NegativeNumbersGiveNoHelp) {
    EXPECT_EQ(param_help_id("-1"), 0u);
    EXPECT_EQ(param_help_id("-20000"), 0u);
    EXPECT_EQ(param_help_id("-2147483648"), 0u);
    EXPECT_EQ(param_help_id("-99999999999"), 0u);
    EXPECT_EQ(param_help_id("99999999999"), 2147483647u);
}

}  // namespace
