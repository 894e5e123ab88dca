// Any text as a panel.cfg: read, or refused with a message.
#include <sstream>
#include <string>

#include "host/host_error.h"
#include "host/panel_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        host::PanelConfig::parse(in, "fuzz/panel.cfg");
    } catch (const host::HostError&) {
    }
    return 0;
}
