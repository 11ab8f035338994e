#pragma once
// Conversion between the program's UTF-8 texts and the single-byte Windows-1251 text of the
// files it writes and reads.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// UTF-8 -> Windows-1251. Empty result when the text holds a character that Windows-1251
// cannot represent, or is not valid UTF-8.
std::optional<std::string> toWindows1251(std::string_view utf8);

// UTF-8 -> Windows-1251 for HTML pages: a character that Windows-1251 cannot represent becomes
// a decimal numeric character reference ("€" stays 0x88, "ü" becomes "&#252;"), and every
// byte that is not part of valid UTF-8 becomes "&#65533;". Nothing else is escaped.
std::string toWindows1251WithReferences(std::string_view utf8);

// Windows-1251 -> UTF-8. Every byte has a meaning except 0x98, which becomes U+FFFD.
std::string fromWindows1251(std::string_view bytes);

}  // namespace platform
