#pragma once
// The program's texts are UTF-8. These pure functions read UTF-8 one character at a time,
// repair text that is not valid UTF-8, and turn UTF-16 file bytes into UTF-8. Every backend
// and every reader of files uses the same repair, so a test sees what the screen shows.

#include <string>
#include <string_view>

namespace platform {

// U+FFFD, the character that stands for bytes that do not make a character.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 0;  // bytes taken; at least 1
  bool valid = false;
};

// Decodes the character that starts at text[at] (at < text.size()). Overlong forms,
// surrogates and values past U+10FFFF are not valid. An invalid sequence is as long as the
// longest start of a valid character found there, at least one byte: one bad sequence,
// as Unicode recommends for replacing it.
Utf8Character decodeUtf8(std::string_view text, std::size_t at);

// Appends code point c (at most U+10FFFF, no surrogate) as UTF-8.
void appendUtf8(std::string& out, char32_t c);

// The width of a text on a terminal or in a spreadsheet's column: one per UTF-8 character.
std::size_t displayWidth(std::string_view text);

// The text with every bad sequence replaced by one U+FFFD; valid text comes back unchanged.
std::string validUtf8(std::string_view text);

// UTF-16 bytes (without their byte-order mark), little- or big-endian, as UTF-8. A surrogate
// without its partner and an odd last byte each become U+FFFD.
enum class ByteOrder { LittleEndian, BigEndian };
std::string utf8FromUtf16(std::string_view bytes, ByteOrder order);

}  // namespace platform
