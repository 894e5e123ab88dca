// A fresh module per test with a fake host, and what the controls' tests
// read back: element values, tooltip words, key events and played clicks.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "element_tree.h"
#include "sound_fixture.h"

class ControlsTest : public PlatformTest {
protected:
    void SetUp() override { ASSERT_TRUE(module.ok()); }

    GAUGEHDR* gauge(const char* name) {
        GAUGEHDR* g = module.gauge(name);
        EXPECT_NE(g, nullptr) << name;
        return g;
    }
    // Pre-install with the module's own handle, so that sounds load.
    void install(GAUGEHDR* g) { pre_install(g, nullptr, module.handle()); }

    // An icon's value as the host sees it: its variable refreshed, then its
    // callback (or the variable itself without one).
    static FLOAT64 icon_value(ELEMENT_HEADER* e, FLOAT64 own) {
        auto* i = as<ELEMENT_ICON>(e);
        i->source_var.value.number = own;
        return i->callback != nullptr ? i->callback(i) : own;
    }
    // The text of the first argument of the gauge's tooltip row.
    static std::string tooltip_word(const GAUGEHDR* g) {
        const MOUSERECT* r = tooltip_row(g);
        if (r == nullptr || r->args == nullptr) {
            ADD_FAILURE() << "no tooltip with an argument";
            return {};
        }
        return r->args[0].text_callback(0.0, 0, nullptr, nullptr, nullptr);
    }
    static const MOUSERECT* tooltip_row(const GAUGEHDR* g) {
        for (const MOUSERECT* r = g->mouse_rects; r->rect_type != MOUSE_RECT_END; ++r) {
            if (r->rect_type == MOUSE_RECT_TOOLTIP) return r;
        }
        return nullptr;
    }
    // Clickable rows in list order.
    static std::vector<std::size_t> child_rows(const GAUGEHDR* g) {
        std::vector<std::size_t> rows;
        for (std::size_t i = 0; g->mouse_rects[i].rect_type != MOUSE_RECT_END; ++i) {
            if (g->mouse_rects[i].rect_type == MOUSE_RECT_CHILD) rows.push_back(i);
        }
        return rows;
    }
    // Sounds started since the last look.
    static int plays() {
        int n = 0;
        for (const std::string& line : calls_starting("Play ")) n += line.ends_with(" -> 0") ? 1 : 0;
        vantor_platform_clear_call_log();
        return n;
    }

    LoadedModule module;
    FakeHost host{module.imports()};
};
