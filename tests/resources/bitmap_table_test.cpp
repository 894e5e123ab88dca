// The bitmap table as the generator reads it, and the rules it enforces.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tools/artgen/core/table.h"

namespace {

const char HEADER[] = "id\tw\th\tdepth\tkind\tgauge\trole\twhat_it_shows\ticon_count\tnotes\n";

std::vector<artgen::BitmapInfo> read(const std::string& body, std::string& error) {
    const std::string path = testing::TempDir() + "/vantor_table.tsv";
    std::ofstream(path) << HEADER << body;
    std::vector<artgen::BitmapInfo> rows;
    if (!artgen::read_table(path, rows, error)) {
        rows.clear();
    }
    std::filesystem::remove(path);
    return rows;
}

std::string problems_of(const std::string& body) {
    std::string error;
    const std::vector<artgen::BitmapInfo> rows = read(body, error);
    EXPECT_EQ(error, "");
    std::string all;
    for (const std::string& p : artgen::check_table(rows)) {
        all += p + "\n";
    }
    return all;
}

TEST(BitmapTable, TheProjectTableKeepsItsRules) {
    std::vector<artgen::BitmapInfo> rows;
    std::string error;
    ASSERT_TRUE(artgen::read_table(VANTOR_TABLE_PATH, rows, error)) << error;
    EXPECT_EQ(rows.size(), 261u);
    EXPECT_EQ(artgen::check_table(rows), std::vector<std::string>{});
}

TEST(BitmapTable, ReadsDepthAndIconPosition) {
    std::string error;
    const auto rows = read("50\t19\t19\t\tface\tX\tbutton face\t\t\t\n"
                           "491\t45\t45\t8\ticon\tY\ticon 2 of 3: lever down\tlever\t3\t\n",
                           error);
    ASSERT_EQ(rows.size(), 2u) << error;
    EXPECT_EQ(rows[0].depth, 24);
    EXPECT_EQ(rows[0].icon_index, -1);
    EXPECT_EQ(rows[1].depth, 8);
    EXPECT_EQ(rows[1].icon_index, 1);
    EXPECT_EQ(rows[1].icon_count, 3);
}

TEST(BitmapTable, RejectsMalformedRows) {
    std::string error;
    EXPECT_TRUE(read("abc\t1\t1\t\tstatic\tX\tr\tw\t\t\n", error).empty());
    EXPECT_NE(error.find(":2: bad id"), std::string::npos) << error;
    EXPECT_TRUE(read("70000\t1\t1\t\tstatic\tX\tr\tw\t\t\n", error).empty());
    EXPECT_TRUE(read("40\t1\tx\t\tstatic\tX\tr\tw\t\t\n", error).empty());
    EXPECT_TRUE(read("40\t1\t1\t16bit\tstatic\tX\tr\tw\t\t\n", error).empty());
}

TEST(BitmapTable, FindsBrokenIconRunsMissingWindowsAndDuplicates) {
    EXPECT_EQ(problems_of("340\t32\t46\t\ticon\tS\ticon 1 of 2: up\tu\t2\t\n"
                          "341\t32\t46\t\ticon\tS\ticon 2 of 2: down\td\t2\t\n"
                          "3030\t13\t275\t\tmoving\tR\tstrip\ts\t\t\n"
                          "3031\t13\t25\t\tmoving_window\tR\twindow of 3030\tw\t\t\n"),
              "");
    const std::string gap = problems_of("340\t32\t46\t\ticon\tS\ticon 1 of 3: a\ta\t3\t\n"
                                        "342\t32\t46\t\ticon\tS\ticon 3 of 3: c\tc\t3\t\n");
    EXPECT_NE(gap.find("needs icon 2 at id 341"), std::string::npos) << gap;
    const std::string count = problems_of("340\t32\t46\t\ticon\tS\ticon 1 of 1: a\ta\t2\t\n");
    EXPECT_NE(count.find("icon_count 2"), std::string::npos) << count;
    const std::string window = problems_of("290\t210\t210\t\tsprite\tRMI\tcard\tc\t\t\n");
    EXPECT_NE(window.find("without its window"), std::string::npos) << window;
    const std::string twice = problems_of("40\t1\t1\t\tstatic\tX\tr\tw\t\t\n40\t1\t1\t\tstatic\tX\tr\tw\t\t\n");
    EXPECT_NE(twice.find("listed twice"), std::string::npos) << twice;
    const std::string size = problems_of("40\t0\t1\t\tstatic\tX\tr\tw\t\t\n41\t1\t1\t16\tstatic\tX\tr\tw\t\t\n");
    EXPECT_NE(size.find("40: size"), std::string::npos) << size;
    EXPECT_NE(size.find("41: depth"), std::string::npos) << size;
}

}  // namespace
