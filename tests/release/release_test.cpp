// The module's version resource says what panelhost --version says, and the
// module unpacked from the release archive is a complete one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "support/pe_file.h"
#include "support/version_info.h"

namespace {

constexpr std::uint32_t VERSION_DLL = 2;

// "0.1.0" from panelhost's "panelhost 0.1.0".
std::string panelhost_version() {
    std::FILE* p = popen((std::string("'") + VANTOR_PANELHOST + "' --version").c_str(), "r");
    if (p == nullptr) return {};
    char line[256] = {};
    std::string text = std::fgets(line, sizeof line, p) != nullptr ? line : "";
    EXPECT_EQ(pclose(p), 0);
    text.erase(text.find_last_not_of("\r\n") + 1);
    const std::string prefix = "panelhost ";
    EXPECT_EQ(text.rfind(prefix, 0), 0u) << text;
    return text.size() > prefix.size() ? text.substr(prefix.size()) : std::string();
}

std::string dotted(const std::array<std::uint16_t, 4>& v, int parts) {
    std::string s;
    for (int i = 0; i < parts; ++i) s += (i > 0 ? "." : "") + std::to_string(v[static_cast<std::size_t>(i)]);
    return s;
}

VersionInfo version_of(const std::string& path) {
    for (const PeResource& r : PeFile(path).resources()) {
        if (r.type == "#16") return parse_version_info(r.data);
    }
    ADD_FAILURE() << path << " has no version resource";
    return {};
}

void expect_version(const std::string& path, const std::string& version) {
    SCOPED_TRACE(path);
    const VersionInfo info = version_of(path);
    EXPECT_EQ(dotted(info.file_version, 3), version);
    EXPECT_EQ(info.file_version[3], 0);
    EXPECT_EQ(info.product_version, info.file_version);
    EXPECT_EQ(info.file_type, VERSION_DLL);
    EXPECT_EQ(info.table, "040904E4");  // US English, Windows-1252
    EXPECT_EQ(info.strings.at("ProductName"), "Vantor_Instr");
    EXPECT_EQ(info.strings.at("ProductVersion"), version);
    EXPECT_EQ(info.strings.at("FileVersion"), version);
    EXPECT_EQ(info.strings.at("OriginalFilename"), "Vantor_Instr.gau");
    EXPECT_FALSE(info.strings.at("FileDescription").empty());
}

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

}  // namespace

TEST(Version, TheModulesVersionResourceIsPanelhostsVersion) {
    const std::string version = panelhost_version();
    ASSERT_FALSE(version.empty());
    expect_version(VANTOR_GAU_PATH, version);
}

// The module as the archive ships it, read like a loader would.
TEST(ReleaseArchive, ItsModuleIsA32BitLibraryWithTheTwoExportsAndSystemImports) {
    PeFile gau(VANTOR_RELEASE_GAU);
    EXPECT_EQ(gau.machine(), 0x14C);
    std::vector<std::string> names = gau.exported_names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ImportTable", "Linkage"}));
    const std::set<std::string> system = {"kernel32.dll", "user32.dll", "winmm.dll", "dsound.dll", "msvcrt.dll"};
    for (const std::string& dll : gau.imported_dlls()) EXPECT_TRUE(system.count(lower(dll))) << dll;
}

TEST(ReleaseArchive, ItsModuleHoldsEveryBitmapAndSoundAndTheVersion) {
    std::map<std::string, std::size_t> count;
    for (const PeResource& r : PeFile(VANTOR_RELEASE_GAU).resources()) {
        EXPECT_FALSE(r.data.empty()) << r.type << " " << r.id;
        ++count[r.type];
    }
    EXPECT_EQ(count, (std::map<std::string, std::size_t>{{"#2", 261}, {"WAVE", 16}, {"#16", 1}}));
    expect_version(VANTOR_RELEASE_GAU, panelhost_version());
}
