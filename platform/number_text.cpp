#include "platform/number_text.h"

#include <algorithm>
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

// Decimal exponent of the leading nonzero digit of a number text that holds digits, an optional
// point and an optional exponent ("123.4" -> 2, "0.05e-3" -> -5). The exponent saturates, so
// any count of digits is safe. Only called for numbers that are not zero.
long long leadingPowerOfTen(std::string_view number) {
  constexpr long long kLimit = 1'000'000'000;
  const std::size_t mantissaEnd = std::min(number.find_first_of("eE"), number.size());
  const std::string_view mantissa = number.substr(0, mantissaEnd);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = std::min(mantissa.find_first_of("123456789"), mantissa.size());
  const auto digits = [](std::size_t count) {
    return static_cast<long long>(std::min<std::size_t>(count, kLimit));
  };
  const long long power = first < point ? digits(point - first) - 1 : -digits(first - point);
  long long exponent = 0;
  if (mantissaEnd < number.size()) {
    std::size_t i = mantissaEnd + 1;
    const bool negative = takeSign(number, i);
    for (; i < number.size(); ++i) exponent = std::min(exponent * 10 + (number[i] - '0'), kLimit);
    if (negative) exponent = -exponent;
  }
  return power + exponent;
}

// Drops a minus sign from a text whose digits are all zero ("-0.00" -> "0.00").
void dropSignOfZero(std::string& text) {
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos) {
    text.erase(0, 1);
  }
}

// Where the number at the start of a text lies: blanks, sign, digits with an optional point
// and an optional exponent (which needs digits to belong to the number).
struct NumberSpan {
  bool negative = false;
  std::size_t start = 0, end = 0;  // the digits, point and exponent, without the sign
  bool anyDigit = false;
};

NumberSpan scanNumber(std::string_view text) {
  NumberSpan span;
  std::size_t i = skipBlanks(text);
  span.negative = takeSign(text, i);
  span.start = i;
  std::size_t end = skipDigits(text, i);
  span.anyDigit = end > span.start;
  if (end < text.size() && text[end] == '.') {
    const std::size_t fractionEnd = skipDigits(text, end + 1);
    span.anyDigit = span.anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (span.anyDigit && end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentEnd = skipDigits(text, j);
    if (exponentEnd > j) end = exponentEnd;
  }
  span.end = end;
  return span;
}

}  // namespace

bool isWholeNumber(std::string_view text) {
  const NumberSpan span = scanNumber(text);
  return span.anyDigit && skipBlanks(text.substr(span.end)) == text.size() - span.end;
}

float textToFloat(std::string_view text) {
  const auto [negative, start, end, anyDigit] = scanNumber(text);
  if (!anyDigit) return 0.0f;
  float value = 0.0f;
  const auto result = std::from_chars(text.data() + start, text.data() + end, value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // Beyond single precision: a huge value saturates to the largest float (the fields clamp
    // it anyway), a tiny one becomes 0. Out of range means it is not zero, and its leading
    // digit's power of ten tells huge from tiny, however many digits the text has.
    const std::string_view number = text.substr(start, end - start);
    value = leadingPowerOfTen(number) >= 0 ? FLT_MAX : 0.0f;
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
  decimals = std::max(decimals, 0);
  // Room for the decimals and a typical integer part; grown until the whole text fits, since a
  // double can have up to 309 integer digits.
  std::string text(static_cast<std::size_t>(decimals) + 24, '\0');
  for (;;) {
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec == std::errc()) {
      text.resize(static_cast<std::size_t>(result.ptr - text.data()));
      break;
    }
    text.resize(text.size() * 2);
  }
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
