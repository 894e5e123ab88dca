// Fields of the packed host records are compared by value (+field): natively
// a reference to one may be misaligned.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "support/loaded_module.h"

TEST(ModuleLoading, ExportsTheLinkageAndAnEmptyImportTable) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    EXPECT_EQ(module.linkage().id, 0x13u);
    EXPECT_EQ(module.linkage().module_version, 0x900u);
    EXPECT_EQ(module.linkage().flags, 0u);
    EXPECT_EQ(module.linkage().module_status, 0u);
    EXPECT_EQ(module.imports().entries[0].id, 0x0Fu);
    EXPECT_EQ(+module.imports().entries[0].table, nullptr);
    EXPECT_EQ(module.imports().entries[1].id, 0u);
    EXPECT_EQ(+module.imports().entries[1].table, nullptr);
}

TEST(ModuleLoading, InitAndDeinitMayRunAnyNumberOfTimes) {
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    GAUGEHDR before = *module.linkage().gauges[0];
    for (int i = 0; i < 3; ++i) {
        module.linkage().module_init();
        module.linkage().module_deinit();
        module.linkage().module_deinit();
    }
    EXPECT_EQ(std::memcmp(&before, module.linkage().gauges[0], sizeof before), 0);
    EXPECT_EQ(+module.imports().entries[0].table, nullptr);
}

TEST(ModuleLoading, ReallyUnloadsOnClose) {
    { LoadedModule module; ASSERT_TRUE(module.ok()); }
    void* still_there = dlopen(VANTOR_MODULE_PATH, RTLD_NOW | RTLD_NOLOAD);
    EXPECT_EQ(still_there, nullptr) << "the module stayed mapped after dlclose";
    if (still_there != nullptr) {
        dlclose(still_there);
    }
}

TEST(ModuleLoading, EachLoadStartsFromTheInitialRecords) {
    {
        LoadedModule module;
        ASSERT_TRUE(module.ok());
        module.linkage().gauges[5]->user_data = 1;
        module.linkage().gauges[5]->parameters = "t50";
    }
    LoadedModule module;
    ASSERT_TRUE(module.ok());
    EXPECT_EQ(module.linkage().gauges[5]->user_data, 0u);
    EXPECT_EQ(+module.linkage().gauges[5]->parameters, nullptr);
}
