#include "host/module_loader.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <utility>

#include "host/host_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace host {

namespace {

std::string module_name(const std::string& path) {
    return std::filesystem::path(path).stem().string();
}

// The file a path names: a bare file name is in the current folder. The
// system loaders would search their library path for it instead, and could
// load another library of that name.
std::string file_to_load(const std::string& path) {
    const std::filesystem::path file(path);
    if (file.has_parent_path()) return path;
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? (std::filesystem::path(".") / file).string() : absolute.string();
}

#if !defined(_WIN32)
// A Windows executable starts with "MZ": the shipped .gau, which only a
// Windows process (or Wine) can load.
bool is_windows_image(const std::string& path) {
    char magic[2] = {};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    const bool mz = std::fread(magic, 1, 2, f) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    std::fclose(f);
    return mz;
}

std::string windows_image_message(const std::string& path) {
    const std::string name = module_name(path);
    return "cannot load module " + path + ": it is the 32-bit Windows module, which a native program cannot load. "
           "Use the native build of the same module, " + name + ".so (build/native/" + name +
           ".so in this project's build), or run this file under Wine with hostprobe.exe "
           "(build/native/windows/host/hostprobe.exe; see docs/windows-testing.md)";
}
#endif

}  // namespace

LoadedModule::~LoadedModule() { unload(); }

LoadedModule::LoadedModule(LoadedModule&& other) noexcept { *this = std::move(other); }

LoadedModule& LoadedModule::operator=(LoadedModule&& other) noexcept {
    if (this != &other) {
        unload();
        handle_ = std::exchange(other.handle_, nullptr);
        linkage_ = std::exchange(other.linkage_, nullptr);
        imports_ = std::exchange(other.imports_, nullptr);
        path_ = std::move(other.path_);
        name_ = std::move(other.name_);
    }
    return *this;
}

GAUGEHDR* LoadedModule::gauge(const std::string& name) const {
    if (linkage_ == nullptr) {
        return nullptr;
    }
    for (GAUGEHDR* const* g = linkage_->gauges; *g != nullptr; ++g) {
        if ((*g)->name != nullptr && name == (*g)->name) {
            return *g;
        }
    }
    return nullptr;
}

int LoadedModule::gauge_count() const {
    int count = 0;
    if (linkage_ != nullptr) {
        for (GAUGEHDR* const* g = linkage_->gauges; *g != nullptr; ++g) {
            ++count;
        }
    }
    return count;
}

std::vector<std::string> LoadedModule::gauge_names() const {
    std::vector<std::string> names;
    if (linkage_ != nullptr) {
        for (GAUGEHDR* const* g = linkage_->gauges; *g != nullptr; ++g) {
            const char* name = (*g)->name;  // a packed field: copied, never bound by reference
            if (name != nullptr) names.emplace_back(name);
        }
    }
    return names;
}

void LoadedModule::unload() {
    if (handle_ == nullptr) {
        return;
    }
    if (imports_ != nullptr) {
        imports_->entries[0].table = nullptr;
    }
#if defined(_WIN32)
    FreeLibrary(static_cast<HMODULE>(handle_));
#else
    dlclose(handle_);
#endif
    handle_ = nullptr;
    linkage_ = nullptr;
    imports_ = nullptr;
}

LoadedModule ModuleLoader::load(const std::string& path) {
    LoadedModule module;
    module.path_ = path;
    module.name_ = module_name(path);
#if defined(_WIN32)
    HMODULE handle = LoadLibraryA(file_to_load(path).c_str());
    if (handle == nullptr) {
        throw HostError("cannot load module " + path + " (Windows error " + std::to_string(GetLastError()) + ")");
    }
    module.handle_ = handle;
    module.linkage_ = reinterpret_cast<GAUGESLINKAGE*>(GetProcAddress(handle, "Linkage"));
    module.imports_ = reinterpret_cast<GAUGESIMPORT*>(GetProcAddress(handle, "ImportTable"));
#else
    void* handle = dlopen(file_to_load(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = dlerror();
        if (is_windows_image(path)) throw HostError(windows_image_message(path));
        throw HostError("cannot load module " + path + ": " + (why != nullptr ? why : "unknown error"));
    }
    module.handle_ = handle;
    module.linkage_ = static_cast<GAUGESLINKAGE*>(dlsym(handle, "Linkage"));
    module.imports_ = static_cast<GAUGESIMPORT*>(dlsym(handle, "ImportTable"));
#endif
    if (module.linkage_ == nullptr || module.imports_ == nullptr) {
        throw HostError("module " + path + " does not export both Linkage and ImportTable");
    }
    if (module.linkage_->id != LINKAGE_ID) {
        throw HostError("module " + path + ": linkage id is " + std::to_string(module.linkage_->id) +
                        ", expected " + std::to_string(LINKAGE_ID));
    }
    if (module.imports_->entries[0].id != IMPORT_PANEL_SERVICES_ID) {
        throw HostError("module " + path + ": ImportTable does not ask for the panel services");
    }
    return module;
}

std::string ModuleLoader::find(const std::string& name, const std::vector<std::string>& folders) {
#if defined(_WIN32)
    const char* extensions[] = {".gau", ".dll"};
#else
    const char* extensions[] = {".so", ".gau"};
#endif
    for (const std::string& folder : folders) {
        for (const char* extension : extensions) {
            std::filesystem::path candidate = std::filesystem::path(folder) / (name + extension);
            std::error_code error;
            if (std::filesystem::is_regular_file(candidate, error)) {
                return candidate.string();
            }
        }
    }
    return {};
}

std::string ModuleLoader::beside_program(const std::string& built) {
    namespace fs = std::filesystem;
    if (built.empty()) return {};
    std::error_code error;
#if !defined(_WIN32)
    fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
    for (int up = 0; !error && up < 3 && !folder.empty(); ++up, folder = folder.parent_path()) {
        fs::path candidate = folder / fs::path(built).filename();
        if (fs::is_regular_file(candidate, error)) return candidate.string();
        error.clear();
    }
    error.clear();
#endif
    return fs::is_regular_file(built, error) ? built : std::string();
}

}  // namespace host
