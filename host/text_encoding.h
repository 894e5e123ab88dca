// The module's texts are Windows-1252 bytes (the degree sign is 0xB0). The
// host keeps them as they are and converts copies: to UTF-8 for drawing, and
// to the terminal's encoding for printing.
#pragma once

#include <string>

namespace host {

// Windows-1252 bytes as UTF-8; the five bytes the code page leaves
// undefined become U+FFFD.
std::string cp1252_to_utf8(const std::string& text);

// Windows-1252 bytes in the encoding of the locale the program runs in
// (LC_CTYPE; programs call setlocale(LC_CTYPE, "") at start). UTF-8 when the
// locale says UTF-8 and also in the plain C locale, which names no encoding
// of its own; another encoding through iconv, a character it cannot show
// becoming '?'. On Windows: the console's output code page when printing to
// a console, UTF-8 into files and pipes.
std::string cp1252_for_terminal(const std::string& text);

}  // namespace host
