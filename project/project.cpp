#include "project/project.h"

#include <algorithm>

#include "platform/number_text.h"

namespace project {
namespace {

// What differs between the two kinds of position: the selections and the texts read.
struct Figuring {
  const std::string& model;
  PositionFigures operator()(const selection::CoolerFormTexts& form) const {
    return {true, selection::keptCoolers(form, model), "", "", form.requiredCapacity, "",
            selection::coolerReportConditions(form)};
  }
  PositionFigures operator()(const selection::CondenserFormTexts& form) const {
    return {false, selection::keptCondensers(form, model), "", "", form.requiredHeatRejection, "",
            selection::condenserReportConditions(form)};
  }
};

struct RuleRows {
  std::vector<selection::ResultRow> operator()(const selection::CoolerFormTexts& form) const {
    return selection::selectCoolers(form);
  }
  std::vector<selection::ResultRow> operator()(const selection::CondenserFormTexts& form) const {
    return selection::selectCondensers(form);
  }
};

const selection::ResultRow* chosenOf(const std::vector<selection::ResultRow>& rows) {
  const auto chosen = std::find_if(rows.begin(), rows.end(), [](const selection::ResultRow& row) {
    return row.role == selection::RowRole::Chosen;
  });
  return chosen == rows.end() ? nullptr : &*chosen;
}

}  // namespace

std::string defaultPositionName(std::size_t number) { return "Позиция " + std::to_string(number); }

PositionFigures figuresOf(const Position& position) {
  PositionFigures figures = std::visit(Figuring{position.model}, position.duty);
  if (const selection::ResultRow* kept = keptRow(figures)) {
    figures.unitKilowatts = kept->cells[1];
    figures.deviation = kept->cells[2];
    figures.totalKilowatts =
        platform::fixedText(static_cast<double>(platform::textToFloat(kept->cells[1])) * position.quantity, 3);
  }
  return figures;
}

const selection::ResultRow* keptRow(const PositionFigures& figures) { return chosenOf(figures.rows); }

std::string ruleChoice(const PositionDuty& duty) {
  const std::vector<selection::ResultRow> rows = std::visit(RuleRows{}, duty);
  const selection::ResultRow* chosen = chosenOf(rows);
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
