// The host's one error type: a message that says where and what went wrong.
#pragma once

#include <stdexcept>
#include <string>

namespace host {

class HostError : public std::runtime_error {
public:
    explicit HostError(const std::string& message) : std::runtime_error(message) {}
    // "FILE:LINE: message", the form editors and terminals recognise.
    HostError(const std::string& file, int line, const std::string& message)
        : std::runtime_error(file + ":" + std::to_string(line) + ": " + message) {}
};

}  // namespace host
