#include "selection/selection_core.h"

#include <cmath>

#include "platform/number_text.h"

namespace selection {

float lookUpCapacity(const catalog::RatingTable& table, std::string_view temperatureKey,
                     std::string_view deltaKey) {
  float capacity = 0;
  for (std::size_t row = 0; row < table.size(); ++row) {
    const catalog::RatingRow rating = table[row];
    if (rating.temperatureKey == temperatureKey && rating.deltaKey == deltaKey) {
      capacity = platform::textToFloat(rating.capacityText);
    }
  }
  return capacity;
}

std::string capacityKilowattText(float capacityWatts) {
  // The capacity goes through its default text, as the list shows watts before kilowatts.
  const float watts = platform::textToFloat(platform::defaultFloatText(capacityWatts));
  const float kilowatts = watts / 1000.0f;
  return platform::fixedText(kilowatts, 3);
}

std::string deviationText(float capacityWatts, float requiredWatts) {
  double deviation = (capacityWatts - requiredWatts) * 100.0f / requiredWatts;
  // A requirement so tiny (typed as "1e-37", say) that the percentage leaves single precision
  // is worked out in double precision, where it fits, instead of showing "inf".
  if (!std::isfinite(deviation)) {
    deviation = (static_cast<double>(capacityWatts) - requiredWatts) * 100.0 / requiredWatts;
  }
  std::string text = platform::fixedText(deviation, 1);
  // Only an exact match is "0.0": a model short by less than 0.05 % still shows its sign.
  if (deviation < 0 && text == "0.0") text = "-0.0";
  return text;
}

}  // namespace selection
