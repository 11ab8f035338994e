#include "selection/field_bounds.h"

#include "platform/number_text.h"

namespace selection {

std::string normalizedNumberText(std::string_view text, float lower, float upper, int decimals) {
  float value = platform::textToFloat(text);
  if (lower > value) {
    value = lower;
  } else if (value > upper) {
    value = upper;
  }
  return platform::fixedText(value, decimals);
}

std::string correctedFieldText(std::string_view text, const FieldBounds& bounds) {
  if (bounds.emptyStays && text.empty()) return std::string();
  return normalizedNumberText(text, bounds.lower, bounds.upper, bounds.decimals);
}

}  // namespace selection
