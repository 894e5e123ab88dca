// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/loaded_module.h"

namespace {

bool all_zero(const UINT32* words, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (words[i] != 0) {
            return false;
        }
    }
    return true;
}

// Walks a mouse list: parents balanced, children and tooltips only inside a
// parent, ended by the end record. Returns an empty string when well formed.
std::string mouse_list_problem(const MOUSERECT* rect) {
    int depth = 0;
    for (int i = 0; i < 256; ++i, ++rect) {
        switch (rect->rect_type) {
        case MOUSE_RECT_END:
            return depth == 0 ? "" : "list ends inside a parent";
        case MOUSE_RECT_PARENT:
            ++depth;
            break;
        case MOUSE_RECT_END_PARENT:
            if (--depth < 0) {
                return "parent end without a parent";
            }
            break;
        case MOUSE_RECT_CHILD:
        case MOUSE_RECT_TOOLTIP:
            if (depth == 0) {
                return "area outside every parent";
            }
            break;
        default:
            return "unknown rectangle type " + std::to_string(rect->rect_type);
        }
    }
    return "no end record";
}

}  // namespace

TEST(GaugeTable, HoldsEightyEightGaugesThenNull) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR* const* gauges = module.linkage().gauges;
    for (unsigned i = 0; i < GAUGE_COUNT; ++i) {
        ASSERT_NE(gauges[i], nullptr) << "position " << i;
    }
    EXPECT_EQ(gauges[GAUGE_COUNT], nullptr);
    EXPECT_STREQ(gauges[0]->name, "Registration");
    EXPECT_STREQ(gauges[32]->name, "Directionnal_Gyro");
    EXPECT_STREQ(gauges[87]->name, "Generator_Light");
    EXPECT_EQ(gauges[0]->size_x_mm, 150u);
    EXPECT_EQ(gauges[33]->size_x_mm, 111u);
    EXPECT_EQ(gauges[55]->size_x_mm, 17u);
}

TEST(GaugeTable, NamesAreUniqueAndEveryHeaderIsDistinct) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    std::set<std::string> names;
    std::set<const GAUGEHDR*> headers;
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        EXPECT_TRUE(names.insert((*g)->name).second) << (*g)->name;
        EXPECT_TRUE(headers.insert(*g).second) << (*g)->name;
    }
    EXPECT_EQ(names.size(), GAUGE_COUNT);
}

TEST(GaugeTable, EveryHeaderHoldsOnlyItsOwnFields) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        const GAUGEHDR& h = **g;
        SCOPED_TRACE(h.name);
        EXPECT_EQ(h.version, 800u);
        EXPECT_GT(h.size_x_mm, 0u);
        EXPECT_EQ(h.size_y_mm, 0u);
        EXPECT_TRUE(all_zero(h.host_words_3, std::size(h.host_words_3)));
        EXPECT_TRUE(all_zero(h.host_words_13, std::size(h.host_words_13)));
        EXPECT_TRUE(all_zero(h.host_tail, std::size(h.host_tail)));
        EXPECT_EQ(h.user_data, 0u);
        EXPECT_EQ(+h.parameters, nullptr);
        EXPECT_EQ(+h.usage, nullptr);
    }
}

TEST(GaugeTable, EveryGaugeHasOneBackgroundImageThatPointsBack) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        GAUGEHDR* gauge = *g;
        SCOPED_TRACE(gauge->name);
        ASSERT_NE(+gauge->elements, nullptr);
        ASSERT_NE(gauge->elements[0], nullptr);
        EXPECT_EQ(gauge->elements[1], nullptr) << "more than one top-level element";
        const ELEMENT_HEADER& background = *gauge->elements[0];
        EXPECT_EQ(background.element_type, ELEMENT_TYPE_STATIC_IMAGE);
        EXPECT_NE(background.bitmap_id, 0u);
        EXPECT_EQ(background.position.x, 0);
        EXPECT_EQ(background.position.y, 0);
        EXPECT_EQ(+background.gauge, gauge);
        EXPECT_EQ(+background.previous_element, nullptr);
        EXPECT_EQ(background.special_flags, 0u);
        EXPECT_EQ(background.reserved, 0u);
    }
}

TEST(GaugeTable, EveryMouseListOpensWithTheWholeGaugeAndIsWellFormed) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    for (GAUGEHDR* const* g = module.linkage().gauges; *g != nullptr; ++g) {
        SCOPED_TRACE((*g)->name);
        const MOUSERECT* rects = (*g)->mouse_rects;
        ASSERT_NE(rects, nullptr);
        EXPECT_EQ(rects[0].rect_type, MOUSE_RECT_PARENT);
        EXPECT_EQ(rects[0].box.x, 0);
        EXPECT_EQ(rects[0].box.y, 0);
        EXPECT_EQ(rects[0].box.width, 0);
        EXPECT_EQ(rects[0].box.height, 0);
        EXPECT_EQ(mouse_list_problem(rects), "");
    }
}
