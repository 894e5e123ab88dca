// Drives every callback a gauge's records hold: each element's value
// callbacks with one value in all its variables, each string into a guarded
// buffer, each mouse function with every button and mode, each tooltip
// argument. Used by the hostile-value tests and the gauge fuzzer.
#pragma once

#include <string>
#include <vector>

#include "frame/host_types.h"

// One pass over the gauge: update notification, then every element and
// mouse rectangle. Problems found (a string past its buffer or without its
// terminating zero) are appended, naming the gauge.
void exercise_gauge(GAUGEHDR* gauge, FLOAT64 value, std::vector<std::string>& problems);

// The two halves of a pass: the update notification and every element's
// callbacks; every mouse function with every button and mode, and every
// tooltip argument.
void update_gauge(GAUGEHDR* gauge, FLOAT64 value, std::vector<std::string>& problems);
void click_gauge(GAUGEHDR* gauge, FLOAT64 value);
