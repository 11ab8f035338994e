#pragma once
// The selection-window skeleton: what the air cooler and the condenser windows do alike,
// driven by one description per window. It opens the window or brings it to the front, builds
// the menu, the form from its table, the result list with its buttons, the logo and the clear
// button; it serves the close box and "Закрыть", "Подобрать", the report and drawing buttons
// (a left click only, and only with a row selected), "Очистить данные" with its question, the
// form's inputs (a user change of an input the selection reads empties the list and marks the
// form as holding data; number fields are corrected when the focus leaves them) and the
// project and contact fields (they mark the form, the list keeps its rows); its "Проект" menu
// adds the selected row to the program's project and opens the project window.
//
// A window adds only its description: its form, its own change rules, its reset steps and how
// it reads its inputs for the selection.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gui/toolkit.h"
#include "gui/window_roles.h"
#include "report/report_page.h"
#include "selection/field_bounds.h"
#include "selection/form_layout.h"
#include "selection/selection_context.h"
#include "selection/selection_core.h"

namespace selection {

// An input the selection reads.
struct InputRule {
  int gadget = 0;
  // The user's change: Change for fields and drop-down lists, LeftClick for option buttons and
  // check boxes.
  gui::GadgetEvent changeEvent = gui::GadgetEvent::Change;
  void (*onChange)(gui::Toolkit&) = nullptr;  // the window's own rule, run before the list empties
  std::optional<FieldBounds> bounds = std::nullopt;
};

struct SelectionWindowShape {
  int window = 0;
  const char* title = "";
  WindowFlags SelectionContext::*flags = nullptr;
  // Where the main window opens it.
  int openerMenuItem = 0, openerArea = 0;
  // Its menu and the child windows the menu opens.
  int menuClose = 0, menuUserInfo = 0, menuAbout = 0, menuAddToProject = 0, menuOpenProject = 0;
  int userInfoWindow = 0, aboutWindow = 0;
  // The form.
  std::span<const FormPiece> form;
  std::span<const InputRule> inputs;
  int firstInput = 0;  // the first stop of Tab, which has the focus when the window opens
  int project = 0, contactPerson = 0;
  void (*fillChoices)(gui::Toolkit&) = nullptr;  // items and initial states, after the form
  void (*resetForm)(gui::Toolkit&) = nullptr;    // the window's own steps of "Очистить данные"
  // The result frame, its list and buttons.
  const char* resultCaption = "";
  int resultList = 0;
  std::span<const gui::ListColumn> columns;
  int selectButton = 0, reportButton = 0, drawingButton = 0, clearButton = 0;
  const char* drawingText = "";   // the drawing button's text, also its messages' caption
  int drawingProgressWindow = 0;  // shows how a slow drawing download goes, titled drawingText
  const char* noRowMessage = "";  // names the list, when a button needs a selected row
  // Reads the form and runs the selection core.
  std::vector<ResultRow> (*selectRows)(const gui::Toolkit&) = nullptr;
  // The form's texts as a project position keeps them.
  project::PositionDuty (*positionDuty)(const gui::Toolkit&) = nullptr;
  // The report: its layout, and the form's texts it shows, in the layout's order.
  const report::ReportLayout* reportLayout = nullptr;
  std::vector<std::string> (*reportConditions)(const gui::Toolkit&) = nullptr;
};

// "Протокол подбора": the report button's text and the caption of its messages.
inline constexpr const char* kReportText = "Протокол подбора";

// Registers the window with the shell: its handler, its closing (asked first), its way in
// from the main window, and its two child windows (About, user information), which give the
// window back when they close.
void registerSelectionWindow(gui::WindowRegistry& registry, SelectionContext& context,
                             const SelectionWindowShape& shape);

// Brings an open window to the front, or builds it.
void openSelectionWindow(SelectionContext& context, const SelectionWindowShape& shape);
// Opens the window and creates its menu and gadgets; records whether the window exists.
void buildSelectionWindow(SelectionContext& context, const SelectionWindowShape& shape);
// Serves one event of the window; 0 when the window asks to be closed, 1 otherwise.
int handleSelectionEvent(SelectionContext& context, const SelectionWindowShape& shape,
                         const gui::Event& event);
// "Очистить данные": asks only while the form holds data, and resets it on Yes.
void clearSelectionData(SelectionContext& context, const SelectionWindowShape& shape);
// "Подобрать": reads the form, selects and fills the result list.
void runSelection(SelectionContext& context, const SelectionWindowShape& shape);

}  // namespace selection
