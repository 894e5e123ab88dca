// "Did you mean" hints: the registered names nearest to a mistyped one.
#pragma once

#include <string>
#include <vector>

namespace host {

// The names nearest to `wanted`, nearest first (at most `most`): those within
// an edit distance of about a third of its length, ignoring case (a letter
// added, dropped, changed or two swapped count one each), then those that
// contain it or that it contains. Empty when none is near.
std::vector<std::string> nearest_names(const std::string& wanted, const std::vector<std::string>& names,
                                       std::size_t most = 3);

// "; did you mean \"A\" or \"B\"?" for the nearest names, empty when none is
// near: appended to a message that names `wanted`.
std::string did_you_mean(const std::string& wanted, const std::vector<std::string>& names);

}  // namespace host
