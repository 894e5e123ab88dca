#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "support/pe_file.h"

namespace {

std::vector<std::string> dynamic_symbols(const std::string& path, const char* which = "--defined-only") {
    std::vector<std::string> names;
    std::FILE* nm = popen(("nm -D " + std::string(which) + " '" + path + "'").c_str(), "r");
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

// The module runs in every frame of someone else's process: it never
// allocates on the heap, so it imports no allocator at all.
TEST(Exports, NativeModuleImportsNoAllocator) {
    std::vector<std::string> imported;
    for (const std::string& name : dynamic_symbols(VANTOR_MODULE_PATH, "--undefined-only")) {
        imported.push_back(name.substr(0, name.find('@')));
    }
    EXPECT_NE(std::find(imported.begin(), imported.end(), "snprintf"), imported.end());  // the list was read
    for (const std::string& base : imported) {
        for (const char* allocator : {"malloc", "calloc", "realloc", "free", "strdup", "strndup", "posix_memalign",
                                      "aligned_alloc", "memalign", "valloc", "_Znwm", "_Znam", "_ZdlPv", "_ZdaPv"}) {
            EXPECT_NE(base, allocator);
        }
        EXPECT_NE(base.rfind("_Znw", 0), 0u) << base;  // every operator new
        EXPECT_NE(base.rfind("_Zna", 0), 0u) << base;
    }
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
