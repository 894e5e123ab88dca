// The native platform layer serves the module's resources through the
// module's dlopen handle, byte for byte as the Windows module holds them.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/vantor_platform.h"
#include "resource_files.h"

namespace {

constexpr std::size_t BITMAP_FILE_HEADER = 14;

std::vector<std::uint8_t> resource_bytes(HMODULE module, LPCSTR name, LPCSTR type) {
    HRSRC found = FindResourceA(module, name, type);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(module, found);
    const auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    const DWORD size = SizeofResource(module, found);
    EXPECT_NE(data, nullptr);
    EXPECT_GT(size, 0u);
    if (data == nullptr) {
        return {};
    }
    return std::vector<std::uint8_t>(data, data + size);
}

class PlatformResources : public ::testing::Test {
protected:
    void SetUp() override {
        handle_ = dlopen(VANTOR_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        module_ = static_cast<HMODULE>(handle_);
    }
    void TearDown() override {
        if (handle_ != nullptr) {
            vantor_platform_set_resource_folder(module_, nullptr);
            dlclose(handle_);
        }
    }
    void* handle_ = nullptr;
    HMODULE module_ = nullptr;
};

TEST_F(PlatformResources, ServesEveryBitmapAsTheWindowsResourceHoldsIt) {
    for (const TableRow& row : table_rows()) {
        SCOPED_TRACE(row.id);
        const std::vector<std::uint8_t> file =
            file_bytes(std::string(VANTOR_RESOURCE_DIR) + "/bitmap/" + std::to_string(row.id) + ".bmp");
        ASSERT_GT(file.size(), BITMAP_FILE_HEADER);
        EXPECT_TRUE(resource_bytes(module_, MAKEINTRESOURCEA(row.id), RT_BITMAP) ==
                    std::vector<std::uint8_t>(file.begin() + BITMAP_FILE_HEADER, file.end()));
    }
}

TEST_F(PlatformResources, ServesEverySoundAsItsWholeFile) {
    for (std::uint32_t id : sound_ids()) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(resource_bytes(module_, MAKEINTRESOURCEA(id), "WAVE") ==
                    file_bytes(std::string(VANTOR_SOUNDS_DIR) + "/" + std::to_string(id) + ".wav"));
    }
}

TEST_F(PlatformResources, AcceptsTheOtherSpellingsOfNamesAndTypes) {
    const std::vector<std::uint8_t> by_number = resource_bytes(module_, MAKEINTRESOURCEA(430), RT_BITMAP);
    ASSERT_FALSE(by_number.empty());
    EXPECT_EQ(resource_bytes(module_, "#430", RT_BITMAP), by_number);
    EXPECT_EQ(resource_bytes(module_, "#430", "#2"), by_number);
    EXPECT_EQ(resource_bytes(module_, MAKEINTRESOURCEA(10), "wave"),
              resource_bytes(module_, MAKEINTRESOURCEA(10), "WAVE"));
}

TEST_F(PlatformResources, MissingResourcesAreNotFound) {
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(1), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(10), RT_BITMAP), nullptr);    // a sound id
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(430), "WAVE"), nullptr);      // a bitmap id
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(430), MAKEINTRESOURCEA(3)), nullptr);  // icon type
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(0), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module_, "Airspeed", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module_, "#43x", RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(10), "WAV"), nullptr);
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(10), nullptr), nullptr);
}

TEST_F(PlatformResources, BadHandlesFailCleanly) {
    int not_a_module = 0;
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCEA(430), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(reinterpret_cast<HMODULE>(&not_a_module), MAKEINTRESOURCEA(430), RT_BITMAP), nullptr);
    // The program itself and a library: loaded, but with no resources beside them.
    for (const char* name : {static_cast<const char*>(nullptr), "libm.so.6"}) {
        void* other = dlopen(name, RTLD_NOW);
        ASSERT_NE(other, nullptr);
        EXPECT_EQ(FindResourceA(static_cast<HMODULE>(other), MAKEINTRESOURCEA(430), RT_BITMAP), nullptr);
        dlclose(other);
    }

    HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(430), RT_BITMAP);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(LoadResource(module_, nullptr), nullptr);
    EXPECT_EQ(LoadResource(module_, reinterpret_cast<HRSRC>(&not_a_module)), nullptr);
    EXPECT_EQ(LoadResource(nullptr, found), nullptr);
    EXPECT_EQ(LockResource(nullptr), nullptr);
    EXPECT_EQ(LockResource(&not_a_module), nullptr);
    EXPECT_EQ(SizeofResource(module_, nullptr), 0u);
    EXPECT_EQ(SizeofResource(nullptr, found), 0u);
    EXPECT_EQ(FreeResource(LoadResource(module_, found)), FALSE);
    EXPECT_EQ(FreeResource(nullptr), FALSE);
}

TEST_F(PlatformResources, AnUnloadedModuleHandleFindsNothing) {
    void* second = dlopen(VANTOR_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_EQ(second, handle_);  // the same object, counted twice
    dlclose(second);
    dlclose(handle_);
    const HMODULE stale = module_;
    handle_ = nullptr;
    EXPECT_EQ(FindResourceA(stale, MAKEINTRESOURCEA(430), RT_BITMAP), nullptr);
}

TEST_F(PlatformResources, TheHostCanMoveTheResourceFolder) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "vantor_override";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "bitmap");
    std::vector<std::uint8_t> bmp(14 + 40 + 4, 0x5A);
    bmp[0] = 'B';
    bmp[1] = 'M';
    std::ofstream(folder / "bitmap" / "430.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
    const std::vector<std::uint8_t> original = resource_bytes(module_, MAKEINTRESOURCEA(430), RT_BITMAP);

    ASSERT_EQ(vantor_platform_set_resource_folder(module_, folder.c_str()), TRUE);
    EXPECT_EQ(resource_bytes(module_, MAKEINTRESOURCEA(430), RT_BITMAP),
              std::vector<std::uint8_t>(bmp.begin() + 14, bmp.end()));
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(440), RT_BITMAP), nullptr);

    ASSERT_EQ(vantor_platform_set_resource_folder(module_, nullptr), TRUE);
    EXPECT_EQ(resource_bytes(module_, MAKEINTRESOURCEA(430), RT_BITMAP), original);
    EXPECT_EQ(vantor_platform_set_resource_folder(nullptr, folder.c_str()), FALSE);
    std::filesystem::remove_all(folder);
}

TEST_F(PlatformResources, AFileThatIsNotABitmapIsNotServedAsOne) {
    const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "vantor_not_a_bitmap";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "bitmap");
    std::ofstream(folder / "bitmap" / "430.bmp") << "not a bitmap, just some text that is long enough to pass";
    std::ofstream(folder / "bitmap" / "440.bmp") << "BM";
    ASSERT_EQ(vantor_platform_set_resource_folder(module_, folder.c_str()), TRUE);
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(430), RT_BITMAP), nullptr);
    EXPECT_EQ(FindResourceA(module_, MAKEINTRESOURCEA(440), RT_BITMAP), nullptr);
    std::filesystem::remove_all(folder);
}

}  // namespace
