#pragma once
// A kind of equipment as the commands see it: its duty options, its result columns, its
// selection and its report. The air cooler and the condenser commands are the same machine
// over two of these.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/command_run.h"
#include "duties/duty_input.h"
#include "cli/result_rows.h"
#include "report/report_page.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"
#include "selection/selection_core.h"

namespace cli {

// A duty selected: the rows the window would list, the form's texts its report shows, and why
// no model covers the duty (empty when one does).
struct Selected {
  std::vector<selection::ResultRow> rows;
  std::vector<std::string> reportConditions;
  std::string noCoverReason;
};

// The selections of the forms' texts, with the reason when no model covers.
Selected selectedCooler(const selection::CoolerFormTexts& form);
Selected selectedCondenser(const selection::CondenserFormTexts& form);

struct Equipment {
  std::string_view command;      // "cooler", "condenser"
  std::string_view description;  // the command's help
  void (*addDutyOptions)(CLI::App& command, DutyTexts& duty);
  const ResultColumns& columns;
  std::variant<Selected, InputError> (*select)(const DutyTexts& duty);
  const report::ReportLayout& reportLayout;
};

extern const Equipment kCoolerEquipment;
extern const Equipment kCondenserEquipment;

// The chosen row among a selection's rows, as every command reads it.
using selection::chosenRow;

// The subcommand that selects one duty and writes the rows (selection_command.cpp).
void setupSelectionCommand(CLI::App& app, CommandRun& run, const Equipment& equipment);

}  // namespace cli
