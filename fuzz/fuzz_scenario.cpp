// Any text as a scenario: read, or refused with a message naming its line.
#include <sstream>
#include <string>

#include "host/host_error.h"
#include "host/scenario.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        host::Scenario::parse(in, "fuzz.scenario");
    } catch (const host::HostError&) {
    }
    return 0;
}
