// Loads a gauge module the way the simulator does: the shared library, its
// two exported records, and nothing else.
#pragma once

#include <string>
#include <vector>

#include "frame/host_types.h"

namespace host {

class LoadedModule {
public:
    LoadedModule() = default;
    ~LoadedModule();
    LoadedModule(LoadedModule&& other) noexcept;
    LoadedModule& operator=(LoadedModule&& other) noexcept;
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    const std::string& path() const { return path_; }
    // Module name as panel.cfg names it: the file name without folder and extension.
    const std::string& name() const { return name_; }
    GAUGESLINKAGE& linkage() const { return *linkage_; }
    GAUGESIMPORT& imports() const { return *imports_; }
    // The module handle the host passes with the pre-install notification:
    // the dlopen handle natively, the HMODULE on Windows.
    WORD_PTR handle() const { return reinterpret_cast<WORD_PTR>(handle_); }

    // The gauge registered under `name`, or null.
    GAUGEHDR* gauge(const std::string& name) const;
    int gauge_count() const;
    // Every registered name, in table order.
    std::vector<std::string> gauge_names() const;

    void unload();

private:
    friend class ModuleLoader;
    void* handle_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    GAUGESIMPORT* imports_ = nullptr;
    std::string path_;
    std::string name_;
};

class ModuleLoader {
public:
    // Throws HostError when the file cannot be loaded or lacks the records.
    static LoadedModule load(const std::string& path);
    // Looks for NAME.so / NAME.gau (Windows: NAME.gau / NAME.dll) in each
    // folder in turn; empty when none exists.
    static std::string find(const std::string& name, const std::vector<std::string>& folders);
    // The module a command uses when it names none: a file named as
    // `built` in the running program's folder or one of the two above it
    // (where a build puts it), else `built` itself (the build's path) if it
    // exists; empty when neither does.
    static std::string beside_program(const std::string& built);
};

}  // namespace host
