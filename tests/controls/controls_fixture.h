// A fresh module per test with a fake host, and what the controls' tests
// read back: element values, tooltip words, key events and played clicks.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "element_tree.h"
#include "platform/vantor_platform.h"
#include "support/fake_host.h"
#include "support/loaded_module.h"

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(module.ok());
        // The sound engine looks for the host's main window by one of two
        // classes, depending on the program's name.
        vantor_platform_set_window("MSCFSMAIN", reinterpret_cast<HWND>(1));
        vantor_platform_set_window("FS98MAIN", reinterpret_cast<HWND>(1));
        vantor_platform_clear_failures();
        vantor_platform_clear_call_log();
    }
    void TearDown() override {
        vantor_platform_set_window("MSCFSMAIN", nullptr);
        vantor_platform_set_window("FS98MAIN", nullptr);
    }

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
        for (const MOUSERECT* r = g->mouse_rects; r->rect_type != MOUSE_RECT_END; ++r) {
            if (r->rect_type == MOUSE_RECT_TOOLTIP && r->args != nullptr) {
                return r->args[0].text_callback(0.0, 0, nullptr, nullptr, nullptr);
            }
        }
        ADD_FAILURE() << "no tooltip with an argument";
        return {};
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
    // Sounds started since the last look (successful plays of any buffer).
    static int plays() {
        std::string log(vantor_platform_call_log(nullptr, 0) + 1, '\0');
        vantor_platform_call_log(log.data(), log.size());
        vantor_platform_clear_call_log();
        std::istringstream lines(log.c_str());
        int n = 0;
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("Play ", 0) == 0 && line.size() > 5 && line.substr(line.size() - 5) == " -> 0") ++n;
        }
        return n;
    }

    LoadedModule module;
    FakeHost host{module.imports()};
};
