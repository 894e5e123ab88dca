#include "host/calculator.h"
#include "host/text_util.h"

#include <algorithm>
#include <cctype>

namespace host {

namespace {

// Temperatures to and from kelvin.
std::optional<double> to_kelvin(double v, const std::string& unit) {
    if (unit == "celsius") return v + 273.15;
    if (unit == "fahrenheit") return (v - 32.0) / 1.8 + 273.15;
    if (unit == "kelvin") return v;
    if (unit == "rankine") return v / 1.8;
    return std::nullopt;
}

std::optional<double> from_kelvin(double k, const std::string& unit) {
    if (unit == "celsius") return k - 273.15;
    if (unit == "fahrenheit") return (k - 273.15) * 1.8 + 32.0;
    if (unit == "kelvin") return k;
    if (unit == "rankine") return k * 1.8;
    return std::nullopt;
}

}  // namespace

std::optional<double> convert_unit(double value, const std::string& from, const std::string& to) {
    std::string f = lower(from);
    std::string t = lower(to);
    if (f == t) {
        return value;
    }
    if (auto k = to_kelvin(value, f)) {
        return from_kelvin(*k, t);
    }
    return std::nullopt;
}

std::optional<double> Calculator::fail(const std::string& code, const std::string& why) {
    last_error_ = "calculator: \"" + code + "\": " + why;
    return std::nullopt;
}

std::optional<double> Calculator::evaluate(const std::string& code) {
    last_error_.clear();
    std::string text = trim(code);
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') {
        return fail(code, "only a single (A:NAME,UNIT) variable read is supported");
    }
    std::string inner = trim(text.substr(1, text.size() - 2));
    if (inner.rfind("A:", 0) != 0) {
        return fail(code, "only A: variables are supported");
    }
    auto comma = inner.rfind(',');
    if (comma == std::string::npos) {
        return fail(code, "expected a unit after a comma");
    }
    std::string name = trim(inner.substr(2, comma - 2));
    std::string unit = trim(inner.substr(comma + 1));
    if (name.empty() || unit.empty()) {
        return fail(code, "expected (A:NAME,UNIT)");
    }
    auto variable = simulation_.named(name);
    if (!variable) {
        return fail(code, "no simulation variable named \"" + name + "\"");
    }
    auto value = convert_unit(variable->value, variable->unit, unit);
    if (!value) {
        return fail(code, "cannot give \"" + name + "\" (" + variable->unit + ") in " + unit);
    }
    return value;
}

}  // namespace host
