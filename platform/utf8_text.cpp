#include "platform/utf8_text.h"

#include <algorithm>

namespace platform {
namespace {

// The second byte of a sequence is limited further by its lead byte, so that overlong forms,
// surrogates and values past U+10FFFF are refused at the byte where they go wrong.
struct LeadByte {
  std::size_t length;
  char32_t bits;
  unsigned char secondLow, secondHigh;
};

LeadByte leadByte(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, lead & 0x1Fu, 0x80, 0xBF};
  if (lead == 0xE0) return {3, 0, 0xA0, 0xBF};
  if (lead == 0xED) return {3, 0x0D, 0x80, 0x9F};
  if (lead >= 0xE1 && lead <= 0xEF) return {3, lead & 0x0Fu, 0x80, 0xBF};
  if (lead == 0xF0) return {4, 0, 0x90, 0xBF};
  if (lead >= 0xF1 && lead <= 0xF3) return {4, lead & 0x07u, 0x80, 0xBF};
  if (lead == 0xF4) return {4, 4, 0x80, 0x8F};
  return {0, 0, 0, 0};
}

constexpr bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
constexpr bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

Utf8Character decodeUtf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char first = byte(at);
  if (first < 0x80) return {first, 1, true};
  const LeadByte lead = leadByte(first);
  if (lead.length == 0) return {0, 1, false};
  char32_t c = lead.bits;
  for (std::size_t k = 1; k < lead.length; ++k) {
    if (at + k >= text.size()) return {0, k, false};
    const unsigned char next = byte(at + k);
    const unsigned char low = k == 1 ? lead.secondLow : 0x80, high = k == 1 ? lead.secondHigh : 0xBF;
    if (next < low || next > high) return {0, k, false};
    c = (c << 6) | (next & 0x3F);
  }
  return {c, lead.length, true};
}

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

std::string validUtf8(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character c = decodeUtf8(text, i);
    if (c.valid) {
      result.append(text.substr(i, c.length));
    } else {
      result += kReplacementCharacter;
    }
    i += c.length;
  }
  return result;
}

std::string utf8FromUtf16(std::string_view bytes, ByteOrder order) {
  const auto unitAt = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    return order == ByteOrder::LittleEndian ? (b << 8 | a) : (a << 8 | b);
  };
  std::string result;
  result.reserve(bytes.size());
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
      appendUtf8(result, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
      i += 2;
    } else if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      result += kReplacementCharacter;
    } else {
      appendUtf8(result, unit);
    }
  }
  if (i < bytes.size()) result += kReplacementCharacter;
  return result;
}

std::size_t displayWidth(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace platform
