// The platform library's record of the calls the module makes, and the
// failures the host plans for them (fault injection).
#pragma once

#include <string>

namespace platform {

// Appends one line to the call log.
void log_call(const std::string& line);
// True when this call of `function` is one the host asked to fail; counts it.
bool planned_failure(const char* function);

}  // namespace platform
