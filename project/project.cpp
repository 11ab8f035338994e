#include "project/project.h"

#include <algorithm>

#include "platform/number_text.h"

namespace project {
namespace {

struct KeptRows {
  std::string_view model;
  std::vector<selection::ResultRow> operator()(const selection::CoolerFormTexts& form) const {
    return selection::keptCoolers(form, model);
  }
  std::vector<selection::ResultRow> operator()(const selection::CondenserFormTexts& form) const {
    return selection::keptCondensers(form, model);
  }
};

struct AsPosition {
  std::optional<PositionDuty> operator()(const selection::CoolerFormTexts& form) const { return form; }
  std::optional<PositionDuty> operator()(const selection::CondenserFormTexts& form) const { return form; }
  std::optional<PositionDuty> operator()(const duties::InputError&) const { return std::nullopt; }
};

struct RuleRows {
  std::vector<selection::ResultRow> operator()(const selection::CoolerFormTexts& form) const {
    return selection::selectCoolers(form);
  }
  std::vector<selection::ResultRow> operator()(const selection::CondenserFormTexts& form) const {
    return selection::selectCondensers(form);
  }
};

}  // namespace

std::string defaultPositionName(std::size_t number) { return "Позиция " + std::to_string(number); }

std::optional<PositionDuty> positionDutyOf(const duties::AnyDuty& duty) { return std::visit(AsPosition{}, duty); }

std::vector<selection::ResultRow> keptRows(const PositionDuty& duty, std::string_view model) {
  return std::visit(KeptRows{model}, duty);
}

PositionFigures figuresOf(const Position& position) {
  PositionFigures figures;
  figures.rows = keptRows(position.duty, position.model);
  if (const auto* cooler = std::get_if<selection::CoolerFormTexts>(&position.duty)) {
    figures.requiredKilowatts = cooler->requiredCapacity;
    figures.reportConditions = selection::coolerReportConditions(*cooler);
  } else {
    const auto& condenser = std::get<selection::CondenserFormTexts>(position.duty);
    figures.cooler = false;
    figures.requiredKilowatts = condenser.requiredHeatRejection;
    figures.reportConditions = selection::condenserReportConditions(condenser);
  }
  if (const selection::ResultRow* kept = keptRow(figures)) {
    figures.unitKilowatts = kept->cells[1];
    figures.deviation = kept->cells[2];
    figures.totalKilowatts =
        platform::fixedText(static_cast<double>(platform::textToFloat(kept->cells[1])) * position.quantity, 3);
  }
  return figures;
}

const selection::ResultRow* keptRow(const PositionFigures& figures) { return selection::chosenRow(figures.rows); }

std::string ruleChoice(const PositionDuty& duty) {
  const std::vector<selection::ResultRow> rows = std::visit(RuleRows{}, duty);
  const selection::ResultRow* chosen = selection::chosenRow(rows);
  return chosen ? chosen->cells[0] : std::string();
}

std::size_t selectAnew(std::vector<Position>& positions) {
  std::size_t marked = 0;
  for (Position& position : positions) {
    position.ruleChoosesAnother = !selection::sameModelName(ruleChoice(position.duty), position.model);
    marked += position.ruleChoosesAnother;
  }
  return marked;
}

ProjectTotals totalsOf(const std::vector<Position>& positions, const std::vector<PositionFigures>& figures) {
  ProjectTotals totals;
  for (std::size_t i = 0; i < positions.size() && i < figures.size(); ++i) {
    KindTotals& kind = figures[i].cooler ? totals.coolers : totals.condensers;
    kind.units += positions[i].quantity;
    kind.kilowatts += platform::textToFloat(figures[i].totalKilowatts);
  }
  return totals;
}

std::string totalsText(const ProjectTotals& totals) {
  const auto part = [](const KindTotals& kind, std::string_view what) {
    return std::to_string(kind.units) + " " + std::string(what) + ", " + platform::fixedText(kind.kilowatts, 3) + " кВт";
  };
  return "Итого: " + part(totals.coolers, "в/о") + "; " + part(totals.condensers, "конденс.");
}

}  // namespace project
