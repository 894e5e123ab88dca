// The bitmaps the native build draws: exactly the table's ids, sizes and
// depths; and the table covers every bitmap the module's records name.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "resource_files.h"
#include "support/loaded_module.h"

namespace {

const std::string BITMAP_DIR = std::string(VANTOR_RESOURCE_DIR) + "/bitmap";

TEST(BitmapFolder, HoldsExactlyTheTableIds) {
    std::set<std::uint32_t> table;
    for (const TableRow& row : table_rows()) {
        table.insert(row.id);
    }
    std::set<std::uint32_t> folder;
    for (const auto& entry : std::filesystem::directory_iterator(BITMAP_DIR)) {
        ASSERT_EQ(entry.path().extension(), ".bmp") << entry.path();
        folder.insert(static_cast<std::uint32_t>(std::stoul(entry.path().stem().string())));
    }
    EXPECT_EQ(table.size(), 261u);
    EXPECT_EQ(folder, table);
}

TEST(BitmapFolder, EachBitmapHasTheTableSizeAndDepth) {
    for (const TableRow& row : table_rows()) {
        SCOPED_TRACE(row.id);
        DecodedBitmap bmp;
        std::string error;
        ASSERT_TRUE(decode_bitmap(file_bytes(BITMAP_DIR + "/" + std::to_string(row.id) + ".bmp"), bmp, error))
            << error;
        EXPECT_EQ(bmp.width, row.width);
        EXPECT_EQ(bmp.height, row.height);
        EXPECT_EQ(bmp.bits, row.depth);
        if (bmp.bits == 8) {
            // Only the key entry may be black, or a colour would read as transparent.
            int black = 0;
            for (const Rgb& c : bmp.palette) {
                black += c == Rgb{0, 0, 0} ? 1 : 0;
            }
            EXPECT_LE(black, 1);
        }
    }
}

// Element kinds whose bitmap id names more than one bitmap.
void named_bitmaps(const ELEMENT_HEADER* e, std::set<std::uint32_t>& ids) {
    if (e->bitmap_id == 0xFFFFFFFF) {
        return;  // a string: no bitmap
    }
    ids.insert(e->bitmap_id);
    if (e->element_type == ELEMENT_TYPE_ICON) {
        const auto* icon = reinterpret_cast<const ELEMENT_ICON*>(e);
        for (UINT32 i = 1; i < icon->icon_count; ++i) {
            ids.insert(e->bitmap_id + i);
        }
    }
    if (e->element_type == ELEMENT_TYPE_MOVING_IMAGE || e->element_type == ELEMENT_TYPE_SPRITE) {
        ids.insert(e->bitmap_id + 1);  // the window
    }
}

void walk(const ELEMENT_LIST* list, std::set<std::uint32_t>& ids) {
    for (; list != nullptr && *list != nullptr; ++list) {
        named_bitmaps(*list, ids);
        walk((*list)->next_element, ids);
    }
}

// Catches a gauge naming a bitmap that is not its own (a mistyped id) as
// well as one the table lacks.
TEST(BitmapTable, ListsEveryBitmapTheModuleNamesUnderItsGauge) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    std::map<std::uint32_t, std::string> gauges_of;
    for (const TableRow& row : table_rows()) {
        gauges_of[row.id] = "," + row.gauges + ",";
    }
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        std::set<std::uint32_t> ids;
        walk((*g)->elements, ids);
        const std::string name = (*g)->name;
        for (std::uint32_t id : ids) {
            const auto it = gauges_of.find(id);
            if (it == gauges_of.end()) {
                ADD_FAILURE() << name << " names bitmap " << id << ", which the table lacks";
            } else {
                EXPECT_NE(it->second.find("," + name + ","), std::string::npos)
                    << name << " names bitmap " << id << ", which the table gives to " << it->second;
            }
        }
    }
}

}  // namespace
