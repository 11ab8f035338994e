#pragma once
// The rows a selection window would list, written in the console program's formats: every
// column, the row's role (smaller neighbour, chosen, larger neighbour, or none when no model
// covers the duty) first.

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/table_text.h"
#include "selection/selection_core.h"

namespace cli {

// The columns of one kind of equipment: the window's titles (the table's header) and the keys
// of CSV and JSON.
struct ResultColumns {
  const std::array<std::string_view, selection::kResultColumns>& titles;
  std::array<std::string_view, selection::kResultColumns> keys;
};
extern const ResultColumns kCoolerColumns;
extern const ResultColumns kCondenserColumns;

// "smaller", "chosen", "larger" or "none".
std::string_view roleName(selection::RowRole role);

// Why no model covers a duty: the largest model the limits leave and its capacity at the duty's
// grid point ("the largest, VK-M 340A31, gives 7.200 kW here"), or that the limits leave no
// model, or that the requirement (kW, as the form's text) is not above 0.
std::string noCoverReason(const std::optional<selection::LargestModel>& largest, std::string_view requiredKilowatts);

// The rows; when no model covers, the table says so with the reason, and JSON adds it as
// "message". False, with the reason in `error`, when a workbook could not be made.
bool writeResultRows(std::ostream& out, OutputFormat format, const ResultColumns& columns,
                     const std::vector<selection::ResultRow>& rows, std::string_view noCoverReason, std::string& error);

}  // namespace cli
