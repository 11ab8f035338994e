#include "selection/selection_core.h"

#include <cmath>

#include "platform/number_text.h"

namespace selection {

const ResultRow* chosenRow(const std::vector<ResultRow>& rows) {
  const auto chosen =
      std::find_if(rows.begin(), rows.end(), [](const ResultRow& row) { return row.role == RowRole::Chosen; });
  return chosen == rows.end() ? nullptr : &*chosen;
}

std::vector<std::string_view> offeredTemperatures(const catalog::SeriesGrid& grid) {
  return {grid.temperatures.rbegin(), grid.temperatures.rend()};
}

float CapacityLookup::capacityIn(const catalog::RatingTable& table) {
  const catalog::SeriesGrid* grid = table.keys();
  if (!grid) return 0;
  if (grid != grid_) {
    grid_ = grid;
    row_.reset();
    for (std::size_t row = 0; row < grid->rows(); ++row) {
      if (grid->temperatureOfRow(row) == temperatureKey_ && grid->differenceOfRow(row) == deltaKey_) row_ = row;
    }
  }
  if (!row_ || *row_ >= table.size()) return 0;
  return platform::textToFloat(table[*row_].capacityText);
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

bool sameModelName(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace selection
