// The radios as the host sees them: the loaded module, one load for the
// whole test program.
#include "radio_fixture.h"
#include "support/loaded_module.h"

namespace {

LoadedModule& module() {
    static LoadedModule loaded;
    return loaded;
}

}  // namespace

GAUGEHDR* radio_gauge(const char* name) { return module().ok() ? module().gauge(name) : nullptr; }
GAUGESIMPORT& radio_imports() { return module().imports(); }
