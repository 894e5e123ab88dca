// ModuleView over the native module loaded with dlopen: walks Linkage.
#pragma once

#include <string>
#include <vector>

#include "tools/artgen/art.h"

namespace artgen {

class LoadedModuleView final : public ModuleView {
public:
    LoadedModuleView() = default;
    ~LoadedModuleView() override;
    LoadedModuleView(const LoadedModuleView&) = delete;
    LoadedModuleView& operator=(const LoadedModuleView&) = delete;

    // Loads the module and finds its linkage record; false with the reason otherwise.
    bool open(const std::string& path, std::string& error);

    const GAUGEHDR* gauge_with_background(std::uint32_t bitmap_id) const override;
    std::vector<const ELEMENT_NEEDLE*> needles_of(const GAUGEHDR* gauge) const override;
    std::vector<const ELEMENT_HEADER*> elements_of(const GAUGEHDR* gauge) const override;

private:
    void* handle_ = nullptr;
    const GAUGESLINKAGE* linkage_ = nullptr;
};

}  // namespace artgen
