#include "userdata/letter_case.h"

namespace userdata {
namespace {

// The small letter of a code point in the range U+0400 to U+04FF.
char32_t smallCyrillic(char32_t c) {
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;  // Ѐ-Џ (Ё, Ђ, Ў ...) -> ѐ-џ
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;  // А-Я -> а-я
  if (c == 0x0490) return 0x0491;                   // Ґ -> ґ
  return c;
}

void appendTwoByteUtf8(std::string& out, char32_t c) {
  out += static_cast<char>(0xC0 | (c >> 6));
  out += static_cast<char>(0x80 | (c & 0x3F));
}

}  // namespace

std::string toSmallLetters(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead >= 'A' && lead <= 'Z') {
      out += static_cast<char>(lead + ('a' - 'A'));
      continue;
    }
    // Cyrillic letters are two-byte sequences D0 xx and D2 xx (U+0400-U+04BF).
    const bool cyrillicLead = lead == 0xD0 || lead == 0xD2;
    if (cyrillicLead && i + 1 < utf8.size()) {
      const auto trail = static_cast<unsigned char>(utf8[i + 1]);
      if ((trail & 0xC0) == 0x80) {
        const char32_t c = (char32_t(lead & 0x1F) << 6) | (trail & 0x3F);
        appendTwoByteUtf8(out, smallCyrillic(c));
        ++i;
        continue;
      }
    }
    out += static_cast<char>(lead);
  }
  return out;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  return toSmallLetters(a) == toSmallLetters(b);
}

}  // namespace userdata
