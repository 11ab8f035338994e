#include "selection/result_list.h"

#include "selection/form_layout.h"

namespace selection {
namespace {

gui::RowStyle styleOf(RowRole role) {
  switch (role) {
    case RowRole::Chosen:
    case RowRole::Nothing:
      return {kChosenRowBackground, kChosenModelColour};
    case RowRole::Larger:
      return {kLargerRowBackground, std::nullopt};
    case RowRole::Smaller:
      break;
  }
  return {};
}

}  // namespace

void showResultRows(gui::Toolkit& toolkit, int window, int list, const std::vector<ResultRow>& rows) {
  toolkit.clearRows(window, list);
  int position = 0;
  for (const ResultRow& row : rows) {
    toolkit.addRow(window, list, position++, {row.cells.begin(), row.cells.end()}, styleOf(row.role));
  }
}

}  // namespace selection
