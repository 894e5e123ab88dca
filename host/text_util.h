// Small text helpers shared by the host's readers.
#pragma once

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace host {

// The text without leading and trailing blanks and line ends.
inline std::string trim(const std::string& s) {
    auto begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) {
        return {};
    }
    auto end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

inline std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The blank-separated words of a line before its first '#' (a comment).
std::vector<std::string> words_of(const std::string& line);

// Input shown in a message: at most EXCERPT_MAX bytes of it (then "..."),
// bytes outside printable ASCII, '"' and '\' escaped as \xNN. quoted() puts
// it in double quotes.
constexpr std::size_t EXCERPT_MAX = 60;
std::string excerpt(const std::string& s);
std::string quoted(const std::string& s);

// A whole word that is a decimal integer with an optional sign, or 0x hex;
// nullopt when it is not one or does not fit in 64 bits.
std::optional<long long> whole_number(const std::string& s);
// A whole word that is a number as strtod reads it (nan and inf included).
std::optional<double> real_number(const std::string& s);

// Opens a file a reader takes as text; throws HostError "cannot open WHAT
// PATH" when it cannot, and when PATH is a folder.
std::ifstream open_input(const std::string& path, const std::string& what);

}  // namespace host
