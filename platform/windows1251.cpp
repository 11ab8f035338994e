#include "platform/windows1251.h"

#include "platform/number_text.h"
#include "platform/utf8_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace platform {
namespace {

constexpr char32_t kNoCharacter = 0;
constexpr std::string_view kReplacementReference = "&#65533;";

// The characters of the bytes 0x80..0xFF in Windows-1251; 0x98 is unassigned (kNoCharacter).
// The same fixed table on every system, so no platform's converter is needed.
constexpr std::array<char32_t, 128> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

std::array<char32_t, 256> codePageCharacters() {
  std::array<char32_t, 256> characters{};
  for (int b = 0; b < 0x80; ++b) characters[b] = static_cast<char32_t>(b);
  for (int b = 0x80; b < 0x100; ++b) characters[b] = kUpperHalf[b - 0x80];
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
    const auto characters = codePageCharacters();
    char32_t highest = 0;
    for (const char32_t c : characters) highest = std::max(highest, c);
    p.reverse.assign(highest + 1, 0);
    for (int b = 0; b < 256; ++b) {
      if (b != 0 && characters[b] == kNoCharacter) {
        p.utf8[b] = kReplacementCharacter;
        continue;
      }
      appendUtf8(p.utf8[b], characters[b]);
      p.reverse[characters[b]] = static_cast<std::uint8_t>(b);
    }
    return p;
  }();
  return page;
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
    const Utf8Character d = decodeUtf8(utf8, i);
    if (!d.valid) return std::nullopt;
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
    const Utf8Character d = decodeUtf8(utf8, i);
    if (!d.valid) {
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
