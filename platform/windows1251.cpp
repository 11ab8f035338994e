#include "platform/windows1251.h"

#include "platform/number_text.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr char32_t kNoCharacter = 0;
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";
constexpr std::string_view kReplacementReference = "&#65533;";

// Appends code point c (at most U+10FFFF) as UTF-8.
void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character of every Windows-1251 byte (kNoCharacter for 0x98), asked from iconv once
// through one converter.
std::array<char32_t, 256> readCodePage() {
  std::array<char32_t, 256> characters{};
  for (int b = 0; b < 0x80; ++b) characters[b] = static_cast<char32_t>(b);
  iconv_t cd = iconv_open("UTF-32LE", "WINDOWS-1251");
  if (cd == reinterpret_cast<iconv_t>(-1)) return characters;
  for (int b = 0x80; b < 0x100; ++b) {
    char byte = static_cast<char>(b);
    unsigned char out[4] = {};
    char* in = &byte;
    std::size_t inLeft = 1;
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
      iconv(cd, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
      continue;
    }
    characters[b] = static_cast<char32_t>(out[0] | out[1] << 8 | out[2] << 16 | out[3] << 24);
  }
  iconv_close(cd);
  return characters;
}

struct CodePage {
  // Byte -> its UTF-8 text (U+FFFD for the unassigned byte).
  std::array<std::string, 256> utf8;
  // Code point -> byte, for code points below `reverse.size()`; 0 means "not representable"
  // (the one real 0 byte is U+0000, handled with the rest of ASCII).
  std::vector<std::uint8_t> reverse;
};

const CodePage& codePage() {
  static const CodePage page = [] {
    CodePage p;
    const auto characters = readCodePage();
    char32_t highest = 0;
    for (const char32_t c : characters) highest = std::max(highest, c);
    p.reverse.assign(highest + 1, 0);
    for (int b = 0; b < 256; ++b) {
      if (b != 0 && characters[b] == kNoCharacter) {
        p.utf8[b] = kReplacementUtf8;
        continue;
      }
      appendUtf8(p.utf8[b], characters[b]);
      p.reverse[characters[b]] = static_cast<std::uint8_t>(b);
    }
    return p;
  }();
  return page;
}

// Decodes the UTF-8 character at text[i]: its code point and length, or length 0 when the
// bytes there are not valid UTF-8 (overlong forms, surrogates and values past U+10FFFF
// included).
struct Decoded {
  char32_t codePoint;
  std::size_t length;
};

Decoded decodeUtf8(std::string_view text, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (lead < 0x80) return {lead, 1};
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, c = lead & 0x1F, minimum = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, c = lead & 0x0F, minimum = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, c = lead & 0x07, minimum = 0x10000;
  } else {
    return {0, 0};
  }
  if (text.size() - i < length) return {0, 0};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {0, 0};
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return {0, 0};
  return {c, length};
}

// The Windows-1251 byte of code point c, or -1 when the code page has none.
int byteOf(const CodePage& page, char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  if (c < page.reverse.size() && page.reverse[c] != 0) return page.reverse[c];
  return -1;
}

}  // namespace

std::optional<std::string> toWindows1251(std::string_view utf8) {
  const CodePage& page = codePage();
  std::string result;
  result.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded d = decodeUtf8(utf8, i);
    if (d.length == 0) return std::nullopt;
    const int b = byteOf(page, d.codePoint);
    if (b < 0) return std::nullopt;
    result += static_cast<char>(b);
    i += d.length;
  }
  return result;
}

std::string toWindows1251WithReferences(std::string_view utf8) {
  const CodePage& page = codePage();
  std::string result;
  result.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const Decoded d = decodeUtf8(utf8, i);
    if (d.length == 0) {
      result += kReplacementReference;
      ++i;
      continue;
    }
    const int b = byteOf(page, d.codePoint);
    if (b >= 0) {
      result += static_cast<char>(b);
    } else {
      result += "&#";
      result += intText(d.codePoint);
      result += ';';
    }
    i += d.length;
  }
  return result;
}

std::string fromWindows1251(std::string_view bytes) {
  const CodePage& page = codePage();
  std::string result;
  result.reserve(bytes.size() * 2);
  for (const char byte : bytes) result += page.utf8[static_cast<unsigned char>(byte)];
  return result;
}

}  // namespace platform
