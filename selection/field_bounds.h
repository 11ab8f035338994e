#pragma once
// The number fields of both forms: their bounds and decimals, and the text a field holds once
// corrected. A window corrects a field when the focus leaves it; the console program corrects
// a value as it reads it, so both select with the same text.

#include <string>
#include <string_view>

namespace selection {

// A field is read as a number, raised to `lower` or lowered to `upper` and rewritten with
// `decimals` decimals; an empty field stays empty where said.
struct FieldBounds {
  float lower = 0, upper = 0;
  int decimals = 0;
  bool emptyStays = false;
};

inline constexpr FieldBounds kRequiredCapacityBounds{0, 999, 3, false};  // kW, both forms
inline constexpr FieldBounds kMinAirThrowBounds{0, 99, 1, true};         // m
inline constexpr FieldBounds kMountingSizeBounds{0, 9999, 1, true};      // mm, length and width
inline constexpr FieldBounds kNoiseLimitBounds{0, 99, 1, true};          // dB(A) at 10 m

// The text as a number (a text that is not a number is 0), raised to `lower` or lowered to
// `upper` (both included), with exactly `decimals` decimals.
std::string normalizedNumberText(std::string_view text, float lower, float upper, int decimals);

// The text of a field once corrected by its bounds.
std::string correctedFieldText(std::string_view text, const FieldBounds& bounds);

}  // namespace selection
