#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "support/pe_file.h"

namespace {

std::vector<std::string> dynamic_symbols(const std::string& path) {
    std::vector<std::string> names;
    std::FILE* nm = popen(("nm -D --defined-only '" + path + "'").c_str(), "r");
    if (nm == nullptr) {
        ADD_FAILURE() << "cannot run nm";
        return names;
    }
    char line[512];
    while (std::fgets(line, sizeof line, nm) != nullptr) {
        std::string s(line);
        s.erase(s.find_last_not_of("\r\n") + 1);
        names.push_back(s.substr(s.find_last_of(' ') + 1));
    }
    EXPECT_EQ(pclose(nm), 0);
    std::sort(names.begin(), names.end());
    return names;
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace

TEST(Exports, NativeModuleExportsOnlyTheTwoRecords) {
    EXPECT_EQ(dynamic_symbols(VANTOR_MODULE_PATH), (std::vector<std::string>{"ImportTable", "Linkage"}));
}

class WindowsModule : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::string(VANTOR_GAU_PATH).empty()) {
            GTEST_SKIP() << "the Windows module is not part of this build";
        }
    }
};

TEST_F(WindowsModule, IsA32BitImageExportingOnlyTheTwoUndecoratedRecords) {
    PeFile gau(VANTOR_GAU_PATH);
    EXPECT_EQ(gau.machine(), 0x14C);
    std::vector<std::string> names = gau.exported_names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ImportTable", "Linkage"}));
}

TEST_F(WindowsModule, ImportsOnlySystemLibraries) {
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "winmm.dll", "dsound.dll", "msvcrt.dll"};
    PeFile gau(VANTOR_GAU_PATH);
    const std::vector<std::string> dlls = gau.imported_dlls();
    EXPECT_FALSE(dlls.empty());
    for (const std::string& dll : dlls) {
        EXPECT_TRUE(system.count(lower(dll))) << dll << " is not a system library";
    }
}
