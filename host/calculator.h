// The calculator service: evaluates the expressions the gauges use, which
// read one simulation variable by name in a given unit:
//   (A:NAME[:INDEX],UNIT)
// Anything else fails cleanly: the result is left untouched and the reason
// is kept for the caller.
#pragma once

#include <optional>
#include <string>

#include "host/simulation.h"

namespace host {

class Calculator {
public:
    explicit Calculator(const Simulation& simulation) : simulation_(simulation) {}

    std::optional<double> evaluate(const std::string& code);
    const std::string& last_error() const { return last_error_; }

private:
    std::optional<double> fail(const std::string& code, const std::string& why);

    const Simulation& simulation_;
    std::string last_error_;
};

// Converts between the units the calculator knows (temperatures: celsius,
// fahrenheit, kelvin, rankine; anything else only to itself).
std::optional<double> convert_unit(double value, const std::string& from, const std::string& to);

}  // namespace host
