#include "host/text_encoding.h"

#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#include <strings.h>
#include <langinfo.h>
#endif

namespace host {

namespace {

// Code points of 0x80..0x9F in Windows-1252 (0 where undefined).
constexpr std::uint16_t CP1252_HIGH[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool plain_ascii(const std::string& text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return false;
    }
    return true;
}

#if !defined(_WIN32)
bool names_utf8(const char* codeset) {
    return codeset == nullptr || strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0 ||
           strcmp(codeset, "ANSI_X3.4-1968") == 0 || strcmp(codeset, "ASCII") == 0;
}

std::string through_iconv(const std::string& text, const char* codeset) {
    const std::string target = std::string(codeset) + "//TRANSLIT";
    iconv_t cd = iconv_open(target.c_str(), "WINDOWS-1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return cp1252_to_utf8(text);
    std::string out;
    for (char c : text) {
        char in[1] = {c};
        char buffer[16];
        char* from = in;
        std::size_t from_left = 1;
        char* to = buffer;
        std::size_t to_left = sizeof buffer;
        if (iconv(cd, &from, &from_left, &to, &to_left) == static_cast<std::size_t>(-1) || to == buffer) {
            out += '?';
        } else {
            out.append(buffer, to);
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}
#endif

}  // namespace

std::string cp1252_to_utf8(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        std::uint32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = CP1252_HIGH[c - 0x80] != 0 ? CP1252_HIGH[c - 0x80] : 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string cp1252_for_terminal(const std::string& text) {
    if (plain_ascii(text)) return text;
#if defined(_WIN32)
    HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) return cp1252_to_utf8(text);
    const UINT page = GetConsoleOutputCP();
    if (page == 0 || page == CP_UTF8) return cp1252_to_utf8(text);
    const int n = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    const int m = WideCharToMultiByte(page, 0, wide.data(), n, nullptr, 0, "?", nullptr);
    std::string out(static_cast<std::size_t>(m), '\0');
    WideCharToMultiByte(page, 0, wide.data(), n, out.data(), m, "?", nullptr);
    return out;
#else
    const char* codeset = nl_langinfo(CODESET);
    if (names_utf8(codeset)) return cp1252_to_utf8(text);
    return through_iconv(text, codeset);
#endif
}

}  // namespace host
