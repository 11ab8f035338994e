#pragma once
// "Протокол подбора" of a selection window, once a row is selected: the report of that row
// written into the program's folder and shown in the browser.

#include "selection/selection_context.h"
#include "selection/selection_window.h"

namespace selection {

// Writes the page with its logo and icon from the selected row, the form's texts and the
// contact details (the ini file is read anew), and opens the page. When the page cannot be
// written the user is told, and no older page is opened in its place.
void writeAndShowReport(SelectionContext& context, const SelectionWindowShape& shape, int row);

}  // namespace selection
