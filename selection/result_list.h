#pragma once
// Writes result rows into a selection window's result list with the colours of their roles.

#include <vector>

#include "gui/toolkit.h"
#include "selection/selection_core.h"

namespace selection {

// Empties the list and adds the rows top to bottom: the chosen row (and the empty row) light
// green with the model name blue, the larger neighbour light yellow, the smaller one in the
// list's default colours.
void showResultRows(gui::Toolkit& toolkit, int window, int list, const std::vector<ResultRow>& rows);

}  // namespace selection
