#include "platform/call_log.h"

#include <cstring>
#include <map>
#include <mutex>
#include <set>

#include "platform/vantor_platform.h"

namespace platform {
namespace {

struct Calls {
    std::mutex lock;
    std::string log;
    // function -> call numbers (counted from the plan) that fail
    std::map<std::string, std::set<unsigned>> failing;
    std::map<std::string, unsigned> counted;
};

Calls& calls() {
    static Calls c;
    return c;
}

}  // namespace

void log_call(const std::string& line) {
    try {
        std::lock_guard<std::mutex> guard(calls().lock);
        calls().log += line;
        calls().log += '\n';
    } catch (...) {
    }
}

bool planned_failure(const char* function) try {
    std::lock_guard<std::mutex> guard(calls().lock);
    Calls& c = calls();
    const auto plan = c.failing.find(function);
    if (plan == c.failing.end()) {
        return false;
    }
    const unsigned number = ++c.counted[function];
    if (plan->second.erase(number) == 0) {
        return false;
    }
    if (plan->second.empty()) {
        c.failing.erase(plan);
        c.counted.erase(function);
    }
    return true;
} catch (...) {
    return false;
}

}  // namespace platform

extern "C" {

void vantor_platform_fail_call(const char* function, unsigned nth) {
    if (function == nullptr || nth == 0) {
        return;
    }
    try {
        std::lock_guard<std::mutex> guard(platform::calls().lock);
        platform::Calls& c = platform::calls();
        c.failing[function].insert(c.counted[function] + nth);
    } catch (...) {
    }
}

void vantor_platform_clear_failures(void) {
    std::lock_guard<std::mutex> guard(platform::calls().lock);
    platform::calls().failing.clear();
    platform::calls().counted.clear();
}

std::size_t vantor_platform_call_log(char* out, std::size_t capacity) {
    std::lock_guard<std::mutex> guard(platform::calls().lock);
    const std::string& log = platform::calls().log;
    if (out != nullptr && capacity > 0) {
        const std::size_t n = log.size() < capacity - 1 ? log.size() : capacity - 1;
        std::memcpy(out, log.data(), n);
        out[n] = '\0';
    }
    return log.size();
}

void vantor_platform_clear_call_log(void) {
    std::lock_guard<std::mutex> guard(platform::calls().lock);
    platform::calls().log.clear();
}

}  // extern "C"
