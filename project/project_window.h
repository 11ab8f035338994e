#pragma once
// The project window (window 8): the program's one project as a list of positions, with the
// editors of the selected position's name and quantity under it, the totals line, and the
// buttons that reorder, delete, select anew, report, export, save and open. A top-level window
// that leaves the others enabled. Closing it, or the program, with unsaved changes asks
// whether to save them first.

#include "gui/window_roles.h"
#include "selection/selection_context.h"

namespace project {

// Gadgets of the project window.
inline constexpr int kPositionList = 61;
inline constexpr int kNameField = 62;
inline constexpr int kQuantityField = 63;
inline constexpr int kTotalsLabel = 64;
inline constexpr int kUpButton = 65;
inline constexpr int kDownButton = 66;
inline constexpr int kDeleteButton = 67;
inline constexpr int kSelectAnewButton = 68;
inline constexpr int kReportButton = 69;
inline constexpr int kExcelButton = 70;
inline constexpr int kOpenButton = 71;
inline constexpr int kSaveButton = 72;
inline constexpr int kFileLabel = 73;  // the project's file, or that it has none yet

// The colour of a position whose kept model is not the rule's choice any more.
inline constexpr gui::Rgb kOtherChoiceColour{255, 214, 153};

// Registers the window with the shell (its handler, its question on exit, its way in from the
// main window's menu) and gives the selection windows their way to it.
void registerProjectWindow(gui::WindowRegistry& registry, selection::SelectionContext& context);

}  // namespace project
