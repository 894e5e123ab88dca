// Module resources served from files: <folder>/<module name>.resources/<TYPE>/<id>.<ext>
// beside the module file, found through the module's dlopen handle.
#include <dlfcn.h>
#include <link.h>
#include <sys/stat.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "platform/call_log.h"
#include "platform/vantor_platform.h"

namespace {

constexpr std::size_t BITMAP_FILE_HEADER = 14;
constexpr std::size_t BITMAP_INFO_HEADER = 40;

struct Resource {
    std::string folder;  // the module's resource folder it was found in
    std::string path;
    struct timespec mtime;
    off_t size;
    std::vector<unsigned char> data;
};

struct State {
    std::mutex lock;
    // Every resource ever found stays here, so pointers handed out stay valid
    // for the life of the process; a file that changes gets a new entry.
    std::vector<std::unique_ptr<Resource>> all;
    std::set<const void*> valid;
    std::map<std::string, Resource*> by_path;  // the latest entry of each file
    std::map<std::string, std::string> folder_of_module;  // host overrides by module file
};

State& state() {
    static State s;
    return s;
}

// The file of a loaded object from its dlopen handle (in glibc the handle is
// the object's link map). Only handles found in the loader's list are read.
bool module_file(HMODULE module, std::string& path) {
    if (module == nullptr) {
        return false;
    }
    void* self = dlopen(nullptr, RTLD_NOW);
    struct link_map* map = nullptr;
    const bool ok = self != nullptr && dlinfo(self, RTLD_DI_LINKMAP, &map) == 0;
    if (self != nullptr) {
        dlclose(self);
    }
    if (!ok) {
        return false;
    }
    while (map != nullptr && map->l_prev != nullptr) {
        map = map->l_prev;
    }
    for (; map != nullptr; map = map->l_next) {
        if (static_cast<void*>(map) == static_cast<void*>(module)) {
            path = map->l_name != nullptr ? map->l_name : "";
            return !path.empty();
        }
    }
    return false;
}

// Call with the lock held.
bool resource_folder(HMODULE module, std::string& folder) {
    std::string file;
    if (!module_file(module, file)) {
        return false;
    }
    const auto it = state().folder_of_module.find(file);
    if (it != state().folder_of_module.end()) {
        folder = it->second;
        return true;
    }
    const std::size_t slash = file.find_last_of('/');
    const std::string dir = slash == std::string::npos ? "." : file.substr(0, slash);
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) {
        name.erase(dot);
    }
    folder = dir + "/" + name + ".resources";
    return true;
}

bool number_of(LPCSTR name, unsigned& id) {
    if (IS_INTRESOURCE(name)) {
        id = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(name));
        return id != 0;
    }
    // "#123" names the same resource as the number 123.
    if (name == nullptr || name[0] != '#' || name[1] == '\0') {
        return false;
    }
    unsigned long value = 0;
    for (const char* p = name + 1; *p != '\0'; ++p) {
        if (*p < '0' || *p > '9' || (value = value * 10 + static_cast<unsigned>(*p - '0')) > 0xFFFF) {
            return false;
        }
    }
    id = static_cast<unsigned>(value);
    return id != 0;
}

bool same_name(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        const char ua = (*a >= 'a' && *a <= 'z') ? static_cast<char>(*a - 32) : *a;
        const char ub = (*b >= 'a' && *b <= 'z') ? static_cast<char>(*b - 32) : *b;
        if (ua != ub) {
            return false;
        }
    }
    return *a == *b;
}

// Where a type's resources live: bitmaps without their file header, WAVE
// sounds as whole files.
bool type_folder(LPCSTR type, const char*& folder, const char*& extension, bool& bitmap) {
    unsigned number = 0;
    if (number_of(type, number)) {
        if (number == 2) {
            folder = "bitmap";
            extension = ".bmp";
            bitmap = true;
            return true;
        }
        return false;
    }
    if (type != nullptr && !IS_INTRESOURCE(type) && same_name(type, "WAVE")) {
        folder = "WAVE";
        extension = ".wav";
        bitmap = false;
        return true;
    }
    return false;
}

// Call with the lock held.
Resource* find(const std::string& folder, const std::string& path, bool bitmap) {
    struct stat st{};
    if (stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return nullptr;
    }
    State& s = state();
    const auto it = s.by_path.find(path);
    if (it != s.by_path.end() && it->second->size == st.st_size &&
        it->second->mtime.tv_sec == st.st_mtim.tv_sec && it->second->mtime.tv_nsec == st.st_mtim.tv_nsec) {
        return it->second;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return nullptr;
    }
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    if (bitmap) {
        if (bytes.size() < BITMAP_FILE_HEADER + BITMAP_INFO_HEADER || bytes[0] != 'B' || bytes[1] != 'M') {
            return nullptr;
        }
        bytes.erase(bytes.begin(), bytes.begin() + BITMAP_FILE_HEADER);
    }
    auto resource = std::make_unique<Resource>();
    resource->folder = folder;
    resource->path = path;
    resource->mtime = st.st_mtim;
    resource->size = st.st_size;
    resource->data = std::move(bytes);
    Resource* r = resource.get();
    s.all.push_back(std::move(resource));
    s.valid.insert(r);
    s.by_path[path] = r;
    return r;
}

// The resource behind a handle handed out before, found in `module`; call
// with the lock held.
Resource* check(HMODULE module, const void* handle) {
    if (handle == nullptr || !state().valid.count(handle)) {
        return nullptr;
    }
    Resource* r = static_cast<Resource*>(const_cast<void*>(handle));
    std::string folder;
    if (!resource_folder(module, folder) || folder != r->folder) {
        return nullptr;
    }
    return r;
}

}  // namespace

extern "C" {

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    try {
        unsigned id = 0;
        const char* sub = nullptr;
        const char* extension = nullptr;
        bool bitmap = false;
        if (!number_of(name, id) || !type_folder(type, sub, extension, bitmap)) {
            platform::log_call("FindResourceA -> none");
            return nullptr;
        }
        const std::string what = std::string("FindResourceA ") + sub + " " + std::to_string(id);
        if (platform::planned_failure("FindResourceA")) {
            platform::log_call(what + " -> failed");
            return nullptr;
        }
        std::lock_guard<std::mutex> guard(state().lock);
        std::string folder;
        Resource* found = nullptr;
        if (resource_folder(module, folder)) {
            found = find(folder, folder + "/" + sub + "/" + std::to_string(id) + extension, bitmap);
        }
        platform::log_call(what + (found != nullptr ? " -> found" : " -> none"));
        return reinterpret_cast<HRSRC>(found);
    } catch (...) {
        return nullptr;
    }
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource) {
    try {
        if (platform::planned_failure("LoadResource")) {
            platform::log_call("LoadResource -> failed");
            return nullptr;
        }
        std::lock_guard<std::mutex> guard(state().lock);
        return check(module, resource);
    } catch (...) {
        return nullptr;
    }
}

LPVOID WINAPI LockResource(HGLOBAL loaded) {
    if (platform::planned_failure("LockResource")) {
        platform::log_call("LockResource -> failed");
        return nullptr;
    }
    std::lock_guard<std::mutex> guard(state().lock);
    if (loaded == nullptr || !state().valid.count(loaded)) {
        return nullptr;
    }
    return static_cast<Resource*>(loaded)->data.data();
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource) {
    try {
        if (platform::planned_failure("SizeofResource")) {
            platform::log_call("SizeofResource -> failed");
            return 0;
        }
        std::lock_guard<std::mutex> guard(state().lock);
        const Resource* r = check(module, resource);
        return r == nullptr ? 0 : static_cast<DWORD>(r->data.size());
    } catch (...) {
        return 0;
    }
}

BOOL WINAPI FreeResource(HGLOBAL) {
    // As on Win32, where resources live as long as their module: nothing to free.
    return FALSE;
}

BOOL vantor_platform_set_resource_folder(HMODULE module, const char* folder) {
    try {
        std::lock_guard<std::mutex> guard(state().lock);
        std::string file;
        if (!module_file(module, file)) {
            return FALSE;
        }
        if (folder == nullptr) {
            state().folder_of_module.erase(file);
        } else {
            state().folder_of_module[file] = folder;
        }
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

}  // extern "C"
