#include "host/text_util.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "host/host_error.h"

namespace host {

std::vector<std::string> words_of(const std::string& line) {
    std::istringstream in(line.substr(0, line.find('#')));
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

std::string excerpt(const std::string& s) {
    std::string out;
    const std::size_t shown = std::min(s.size(), EXCERPT_MAX);
    for (std::size_t i = 0; i < shown; ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c > 0x7E || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    if (shown < s.size()) out += "...";
    return out;
}

std::string quoted(const std::string& s) { return "\"" + excerpt(s) + "\""; }

std::optional<long long> whole_number(const std::string& s) {
    const bool hex = s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X');
    const std::size_t digits = hex ? 2 : (!s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0);
    if (digits >= s.size() || !std::isxdigit(static_cast<unsigned char>(s[digits]))) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(s.c_str(), &end, hex ? 16 : 10);
    if (*end != '\0' || errno == ERANGE) return std::nullopt;
    return v;
}

std::optional<double> real_number(const std::string& s) {
    if (s.empty() || std::isspace(static_cast<unsigned char>(s[0]))) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return v;
}

std::ifstream open_input(const std::string& path, const std::string& what) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw HostError("cannot open " + what + " " + path + ": it is a folder");
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) throw HostError("cannot open " + what + " " + path);
    return in;
}

}  // namespace host
