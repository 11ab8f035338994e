#include "platform/number_text.h"

#include <charconv>
#include <cfloat>
#include <climits>
#include <cstddef>

namespace platform {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  return i;
}

std::size_t skipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigit(text[i])) ++i;
  return i;
}

// Steps over an optional sign at i; true for a minus.
bool takeSign(std::string_view text, std::size_t& i) {
  if (i >= text.size() || (text[i] != '+' && text[i] != '-')) return false;
  return text[i++] == '-';
}

// Drops a minus sign from a text whose digits are all zero ("-0.00" -> "0.00").
void dropSignOfZero(std::string& text) {
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
}

}  // namespace

float textToFloat(std::string_view text) {
  std::size_t i = skipBlanks(text);
  const bool negative = takeSign(text, i);
  const std::size_t start = i;
  std::size_t end = skipDigits(text, i);
  bool anyDigit = end > start;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = skipDigits(text, end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return 0.0f;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentEnd = skipDigits(text, j);
    if (exponentEnd > j) end = exponentEnd;  // an exponent needs digits to belong to the number
  }
  float value = 0.0f;
  const auto result = std::from_chars(text.data() + start, text.data() + end, value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond single precision: a huge value saturates (the fields clamp it anyway), a tiny one
    // becomes 0.
    double wide = 0.0;
    std::from_chars(text.data() + start, text.data() + end, wide, std::chars_format::general);
    value = wide > 1.0 ? FLT_MAX : 0.0f;
  } else if (result.ec != std::errc()) {
    value = 0.0f;
  }
  return negative ? -value : value;
}

int textToInt(std::string_view text) {
  std::size_t i = skipBlanks(text);
  const bool negative = takeSign(text, i);
  long long value = 0;
  for (; i < text.size() && isDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  if (value < INT_MIN) value = INT_MIN;
  return static_cast<int>(value);
}

std::string fixedText(double value, int decimals) {
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  std::string text(buffer, result.ptr);
  dropSignOfZero(text);
  return text;
}

std::string defaultFloatText(float value) {
  std::string text = fixedText(value, 10);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

std::string intText(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace platform
