#include "tools/artgen/module_view.h"

#include <dlfcn.h>

namespace artgen {

namespace {

// Records are the module's own data; a broken tree must not hang the tool.
constexpr std::size_t MAX_ELEMENTS = 4096;

void walk(const ELEMENT_LIST* list, std::vector<const ELEMENT_HEADER*>& out) {
    for (; list != nullptr && *list != nullptr && out.size() < MAX_ELEMENTS; ++list) {
        out.push_back(*list);
        walk((*list)->next_element, out);
    }
}

}  // namespace

LoadedModuleView::~LoadedModuleView() {
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

bool LoadedModuleView::open(const std::string& path, std::string& error) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        error = "cannot load " + path + ": " + dlerror();
        return false;
    }
    linkage_ = static_cast<const GAUGESLINKAGE*>(dlsym(handle_, "Linkage"));
    if (linkage_ == nullptr || linkage_->id != LINKAGE_ID) {
        error = path + " has no linkage record";
        return false;
    }
    return true;
}

const GAUGEHDR* LoadedModuleView::gauge_with_background(std::uint32_t bitmap_id) const {
    for (GAUGEHDR* const* g = linkage_->gauges; *g != nullptr; ++g) {
        const ELEMENT_LIST* top = (*g)->elements;
        if (top != nullptr && *top != nullptr && (*top)->bitmap_id == bitmap_id) {
            return *g;
        }
    }
    return nullptr;
}

std::vector<const ELEMENT_HEADER*> LoadedModuleView::elements_of(const GAUGEHDR* gauge) const {
    std::vector<const ELEMENT_HEADER*> elements;
    if (gauge != nullptr) {
        walk(gauge->elements, elements);
    }
    return elements;
}

std::vector<const ELEMENT_NEEDLE*> LoadedModuleView::needles_of(const GAUGEHDR* gauge) const {
    std::vector<const ELEMENT_NEEDLE*> needles;
    for (const ELEMENT_HEADER* e : elements_of(gauge)) {
        if (e->element_type == ELEMENT_TYPE_NEEDLE) {
            needles.push_back(reinterpret_cast<const ELEMENT_NEEDLE*>(e));
        }
    }
    return needles;
}

}  // namespace artgen
