#include "selection/result_rows.h"

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
  const float deviation = (capacityWatts - requiredWatts) * 100.0f / requiredWatts;
  return platform::fixedText(deviation, 1);
}

}  // namespace selection
