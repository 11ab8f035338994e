// Text <-> number conversions on any input: no crash, and the texts written read back.
//   - textToFloat and textToInt take any bytes.
//   - fixedText of a finite float with 0 to 12 decimals reads back within the rounding to
//     those decimals plus the float's own rounding.
//   - defaultFloatText (10 decimals) reads back to the same float wherever 10 decimals hold
//     the 9 significant digits a float needs (|value| >= 0.01), and within the last decimal
//     below that.

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/number_text.h"

namespace {

// True when text reads back as value, give or take half a unit of its last decimal (the
// rounding to `decimals` decimals) and the rounding of the read number to a float.
bool readsBackNear(const std::string& text, float value, int decimals) {
  const double back = platform::textToFloat(text);
  const double decimalRounding = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
  const double floatRounding = std::fabs(static_cast<double>(value)) * FLT_EPSILON + FLT_TRUE_MIN;
  return std::fabs(back - value) <= decimalRounding + floatRounding;
}

void checkFixedText(float value, int decimals) {
  fuzzCheck(readsBackNear(platform::fixedText(value, decimals), value, decimals));
}

void checkDefaultFloatText(float value) {
  const std::string text = platform::defaultFloatText(value);
  if (std::fabs(value) >= 0.01f) {
    fuzzCheck(platform::textToFloat(text) == value);
  } else {
    fuzzCheck(readsBackNear(text, value, 10));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  platform::textToFloat(text);
  platform::textToInt(text);
  if (size >= sizeof(float) + 1) {
    float value = 0;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) {
      checkFixedText(value, data[sizeof value] % 13);
      checkDefaultFloatText(value);
    }
  }
  return 0;
}
