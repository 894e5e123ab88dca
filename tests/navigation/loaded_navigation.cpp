// The navigation gauges as the host sees them: a fresh load of the module.
#include "loaded_module.h"
#include "navigation_under_test.h"

namespace {

class LoadedNavigation : public NavigationUnderTest {
public:
    GAUGEHDR* gauge(const char* name) override { return module_.ok() ? module_.gauge(name) : nullptr; }
    GAUGESIMPORT& imports() override { return module_.imports(); }

private:
    LoadedModule module_;
};

}  // namespace

std::unique_ptr<NavigationUnderTest> open_navigation() {
    return std::make_unique<LoadedNavigation>();
}
