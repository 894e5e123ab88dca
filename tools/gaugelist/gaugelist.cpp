// Loads the gauge module as the host does and lists its gauge table:
// position, registered name and width in millimetres.
#include <cstdio>

#include "frame/host_types.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

struct LoadedModule {
    GAUGESLINKAGE* linkage = nullptr;
    GAUGESIMPORT* imports = nullptr;
};

bool load(const char* path, LoadedModule& module) {
#if defined(_WIN32)
    HMODULE handle = LoadLibraryA(path);
    if (handle == nullptr) {
        std::fprintf(stderr, "gaugelist: cannot load %s (error %lu)\n", path, GetLastError());
        return false;
    }
    module.linkage = reinterpret_cast<GAUGESLINKAGE*>(GetProcAddress(handle, "Linkage"));
    module.imports = reinterpret_cast<GAUGESIMPORT*>(GetProcAddress(handle, "ImportTable"));
#else
    void* handle = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        std::fprintf(stderr, "gaugelist: cannot load %s: %s\n", path, dlerror());
        return false;
    }
    module.linkage = static_cast<GAUGESLINKAGE*>(dlsym(handle, "Linkage"));
    module.imports = static_cast<GAUGESIMPORT*>(dlsym(handle, "ImportTable"));
#endif
    if (module.linkage == nullptr || module.imports == nullptr) {
        std::fprintf(stderr, "gaugelist: %s does not export Linkage and ImportTable\n", path);
        return false;
    }
    return true;
}

// A service table with nothing behind it: listing calls no service.
HOST_SERVICE service_table[SERVICE_TABLE_MIN_SIZE] = {};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gaugelist MODULE\n");
        return 2;
    }
    LoadedModule module;
    if (!load(argv[1], module)) {
        return 1;
    }
    if (module.linkage->id != LINKAGE_ID || module.imports->entries[0].id != IMPORT_PANEL_SERVICES_ID) {
        std::fprintf(stderr, "gaugelist: %s has an unexpected linkage record\n", argv[1]);
        return 1;
    }
    module.imports->entries[0].table = service_table;
    module.linkage->module_init();

    unsigned count = 0;
    for (GAUGEHDR* const* gauge = module.linkage->gauges; *gauge != nullptr; ++gauge, ++count) {
        std::printf("%2u %-24s %3u mm\n", count, (*gauge)->name, static_cast<unsigned>((*gauge)->size_x_mm));
    }
    module.linkage->module_deinit();
    std::printf("%u gauges\n", count);
    return 0;
}
