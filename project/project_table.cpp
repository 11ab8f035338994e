#include "project/project_table.h"

#include <charconv>
#include <span>

#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace project {
namespace {

// The series' short name ("VK-M") by its code; the form's text when the code is unknown.
std::string shortSeries(std::span<const selection::SeriesName> series, int code, const std::string& shown) {
  for (const selection::SeriesName& name : series)
    if (name.code == code) return std::string(name.shortName);
  return shown;
}

struct Conditions {
  std::string equipment, series, refrigerant, temperature, difference;
  Conditions operator()(const selection::CoolerFormTexts& form) const {
    return {"в/о", shortSeries(selection::kCoolerSeries, form.seriesCode, form.series), form.refrigerant,
            form.temperature, form.difference};
  }
  Conditions operator()(const selection::CondenserFormTexts& form) const {
    return {"конденсатор", shortSeries(selection::kCondenserSeries, form.seriesCode, form.series), form.refrigerant,
            form.temperature, form.difference};
  }
};

}  // namespace

std::vector<std::string> positionCells(std::size_t number, const Position& position, const PositionFigures& figures) {
  const Conditions conditions = std::visit(Conditions{}, position.duty);
  return {std::to_string(number),       position.name,          conditions.equipment,
          conditions.series,            position.model,         std::to_string(position.quantity),
          figures.unitKilowatts,        figures.totalKilowatts, figures.requiredKilowatts,
          figures.deviation,            conditions.refrigerant, conditions.temperature,
          conditions.difference};
}

std::optional<int> quantityOf(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  int quantity = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), quantity);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (quantity < 1 || quantity > kMaxQuantity) return std::nullopt;
  return quantity;
}

}  // namespace project
