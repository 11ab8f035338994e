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

std::vector<gui::ListColumn> listColumns(const std::array<std::string_view, kResultColumns>& titles,
                                         const std::array<int, kResultColumns>& widths) {
  std::vector<gui::ListColumn> columns;
  for (int column = 0; column < kResultColumns; ++column)
    columns.push_back({std::string(titles[column]), widths[column]});
  return columns;
}

void showResultRows(gui::Toolkit& toolkit, int window, int list, const std::vector<ResultRow>& rows) {
  toolkit.clearRows(window, list);
  int position = 0;
  for (const ResultRow& row : rows) {
    toolkit.addRow(window, list, position++, {row.cells.begin(), row.cells.end()}, styleOf(row.role));
  }
}

}  // namespace selection
