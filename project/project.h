#pragma once
// A project: the positions selected for one job, each a duty with the model kept for it and a
// quantity, and their figures. A position keeps the model the user picked (a neighbour of the
// rule's choice, say), so its capacity and deviation are that model's, looked up at the
// position's conditions. Pure: positions in, figures out. Nothing here reads or writes a file,
// or shows a window.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "duties/duty_input.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace project {

using PositionDuty = std::variant<selection::CoolerFormTexts, selection::CondenserFormTexts>;

// A duty read from a file or a command line as a position's; nothing for an input error.
std::optional<PositionDuty> positionDutyOf(const duties::AnyDuty& duty);

// The kept model between its neighbours at the duty's conditions, within its limits; no rows
// when the series there has no model of that name (letter case aside).
std::vector<selection::ResultRow> keptRows(const PositionDuty& duty, std::string_view model);

struct Position {
  std::string name;   // "Позиция N" unless the user names it
  int quantity = 1;   // at least 1
  std::string model;  // the model kept
  PositionDuty duty;
  // Set when a selection anew finds that the rule now chooses another model than the one kept.
  bool ruleChoosesAnother = false;
};

// The default name of the position numbered `number` (from 1).
std::string defaultPositionName(std::size_t number);

// A position's figures, as the project's table and page show them.
struct PositionFigures {
  bool cooler = true;
  std::vector<selection::ResultRow> rows;  // the kept model between its neighbours; none when
                                           // the series within the limits has no such model
  std::string unitKilowatts;   // the kept model's capacity
  std::string totalKilowatts;  // times the quantity
  std::string requiredKilowatts;
  std::string deviation;       // the kept model's, in %
  std::vector<std::string> reportConditions;  // the form's texts the single report shows
};
PositionFigures figuresOf(const Position& position);

// The row of the kept model among the figures' rows; null when there is none.
const selection::ResultRow* keptRow(const PositionFigures& figures);

// The model the rule chooses for a position's duty; "" when no model covers it.
std::string ruleChoice(const PositionDuty& duty);

// Selects every position anew and marks those whose kept model is not the rule's choice now.
// Returns how many are marked.
std::size_t selectAnew(std::vector<Position>& positions);

// The sums over the positions of one kind of equipment: units and capacity in kW.
struct KindTotals {
  int units = 0;
  double kilowatts = 0;
};
struct ProjectTotals {
  KindTotals coolers, condensers;
};
ProjectTotals totalsOf(const std::vector<Position>& positions, const std::vector<PositionFigures>& figures);

// "Итого: 3 в/о, 12.480 кВт; 1 конденс., 40.100 кВт": the totals line.
std::string totalsText(const ProjectTotals& totals);

}  // namespace project
