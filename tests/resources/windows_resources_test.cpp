// The resources compiled into Vantor_Instr.gau: the same bitmaps as the
// native build serves, and the sounds in the French language block.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "resource_files.h"
#include "support/pe_file.h"

namespace {

constexpr std::uint32_t LANGUAGE_NEUTRAL = 0;
constexpr std::uint32_t LANGUAGE_FRENCH = 1036;
constexpr std::size_t BITMAP_FILE_HEADER = 14;

class WindowsResources : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::string(VANTOR_GAU_PATH).empty()) {
            GTEST_SKIP() << "the Windows module is not part of this build";
        }
        for (PeResource& r : PeFile(VANTOR_GAU_PATH).resources()) {
            resources_[r.type].emplace(r.id, std::move(r));
        }
    }
    std::map<std::string, std::map<std::uint32_t, PeResource>> resources_;
};

TEST_F(WindowsResources, HoldOnlyBitmapsSoundsAndTheVersion) {
    for (const auto& [type, by_id] : resources_) {
        EXPECT_TRUE(type == "#2" || type == "WAVE" || type == "#16") << "unexpected resource type " << type;
    }
    EXPECT_EQ(resources_["#16"].size(), 1u);
}

TEST_F(WindowsResources, BitmapsAreTheNativeFilesWithoutTheirFileHeader) {
    const auto& bitmaps = resources_["#2"];
    const std::vector<TableRow> rows = table_rows();
    EXPECT_EQ(bitmaps.size(), rows.size());
    for (const TableRow& row : rows) {
        SCOPED_TRACE(row.id);
        const auto it = bitmaps.find(row.id);
        ASSERT_NE(it, bitmaps.end());
        EXPECT_EQ(it->second.language, LANGUAGE_NEUTRAL);
        const std::vector<std::uint8_t> file =
            file_bytes(std::string(VANTOR_RESOURCE_DIR) + "/bitmap/" + std::to_string(row.id) + ".bmp");
        ASSERT_GT(file.size(), BITMAP_FILE_HEADER);
        EXPECT_TRUE(it->second.data == std::vector<std::uint8_t>(file.begin() + BITMAP_FILE_HEADER, file.end()));
    }
}

TEST_F(WindowsResources, SoundsAreTheWaveFilesInFrench) {
    const auto& sounds = resources_["WAVE"];
    const std::vector<std::uint32_t> ids = sound_ids();
    EXPECT_EQ(ids.size(), 16u);
    EXPECT_EQ(sounds.size(), ids.size());
    for (std::uint32_t id : ids) {
        SCOPED_TRACE(id);
        const auto it = sounds.find(id);
        ASSERT_NE(it, sounds.end());
        EXPECT_EQ(it->second.language, LANGUAGE_FRENCH);
        EXPECT_TRUE(it->second.data == file_bytes(std::string(VANTOR_SOUNDS_DIR) + "/" + std::to_string(id) + ".wav"));
    }
}

}  // namespace
