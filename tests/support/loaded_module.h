// A fresh load of the native module for one test: dlopen on construction,
// dlclose on destruction, so module-wide state starts as at load.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "frame/host_types.h"

class LoadedModule {
public:
    explicit LoadedModule(const char* path = VANTOR_MODULE_PATH) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {
        if (handle_ == nullptr) {
            ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
            return;
        }
        linkage_ = static_cast<GAUGESLINKAGE*>(dlsym(handle_, "Linkage"));
        imports_ = static_cast<GAUGESIMPORT*>(dlsym(handle_, "ImportTable"));
    }
    ~LoadedModule() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool ok() const { return linkage_ != nullptr && imports_ != nullptr; }
    // The module handle the host passes at pre-install.
    WORD_PTR handle() const { return reinterpret_cast<WORD_PTR>(handle_); }
    GAUGESLINKAGE& linkage() const { return *linkage_; }
    GAUGESIMPORT& imports() const { return *imports_; }

    GAUGEHDR* gauge(const std::string& name) const {
        for (GAUGEHDR* const* g = linkage_->gauges; *g != nullptr; ++g) {
            if (name == (*g)->name) {
                return *g;
            }
        }
        return nullptr;
    }

private:
    void* handle_;
    GAUGESLINKAGE* linkage_ = nullptr;
    GAUGESIMPORT* imports_ = nullptr;
};
