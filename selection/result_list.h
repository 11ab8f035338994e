#pragma once
// A selection window's result list: its columns, and the result rows written into it with the
// colours of their roles.

#include <array>
#include <string_view>
#include <vector>

#include "gui/toolkit.h"
#include "selection/selection_core.h"

namespace selection {

// The list's columns: the selection's titles with the window's widths (0: closed on screen).
std::vector<gui::ListColumn> listColumns(const std::array<std::string_view, kResultColumns>& titles,
                                         const std::array<int, kResultColumns>& widths);

// Empties the list and adds the rows top to bottom: the chosen row (and the empty row) light
// green with the model name blue, the larger neighbour light yellow, the smaller one in the
// list's default colours.
void showResultRows(gui::Toolkit& toolkit, int window, int list, const std::vector<ResultRow>& rows);

}  // namespace selection
