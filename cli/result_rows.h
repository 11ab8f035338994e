#pragma once
// The rows a selection window would list, written in the console program's formats: every
// column, the row's role (smaller neighbour, chosen, larger neighbour, or none when no model
// covers the duty) first.

#include <array>
#include <ostream>
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

void writeResultRows(std::ostream& out, OutputFormat format, const ResultColumns& columns,
                     const std::vector<selection::ResultRow>& rows);

}  // namespace cli
