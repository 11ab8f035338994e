#pragma once
// "Чертеж в/о" and "Чертеж конденсатора", once a row is selected: the model's PDF drawing from
// the program's folder, downloaded from the maker's site when missing and the user agrees.

#include "selection/selection_context.h"
#include "selection/selection_window.h"

namespace selection {

// A drawing of size > 0 in the folder opens at once, with no network access. A missing (or
// empty) one of the empty row does nothing; otherwise the user is asked, and on Yes it is
// downloaded ("Загрузить чертеж с сайта не удалось!" when the transfer fails) and opened. A
// download that takes more than half a second shows its progress (drawing_progress.h); one the
// user cancels shows no message and opens nothing.
void openDrawing(SelectionContext& context, const SelectionWindowShape& shape, int row);

}  // namespace selection
