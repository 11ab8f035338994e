#include "selection/selection_window.h"

#include "resources/pictures.h"
#include "selection/drawing_button.h"
#include "selection/number_field.h"
#include "selection/report_button.h"
#include "selection/result_list.h"
#include "selection/window_numbers.h"
#include "userdata/about_window.h"
#include "userdata/user_info_window.h"

namespace selection {
namespace {

// The buttons' texts both windows share; the report's is also its messages' caption.
constexpr const char* kSelectText = "Подобрать";
constexpr const char* kClearText = "Очистить данные";
constexpr const char* kBrowserTooltip = "Открывается в окне браузера";
constexpr const char* kReaderTooltip = "Требуется наличие Adobe Reader";

constexpr const char* kProjectCaption = "Проект";
constexpr const char* kNoModelMessage = "В выбранной строке нет модели: ни одна модель серии не покрывает нагрузку.";

constexpr const char* kClearQuestion = "Вы уверены, что хотите очистить все данные?";
constexpr const char* kClearCaption = "Очистить данные";

// The result frame at (20, 300) holds a borderless place at (25, 315) with the list and its
// three buttons.
constexpr int kResultX = 25, kResultY = 315;

WindowFlags& flagsOf(SelectionContext& context, const SelectionWindowShape& shape) {
  return context.*shape.flags;
}

// A user change of an input the selection reads: the list no longer belongs to the form.
void inputChanged(SelectionContext& context, const SelectionWindowShape& shape) {
  context.toolkit.clearRows(shape.window, shape.resultList);
  flagsOf(context, shape).formDirty = true;
}

void addButton(gui::Toolkit& toolkit, int window, int gadget, gui::Rect place, const char* text,
               const char* tooltip = nullptr) {
  toolkit.addButton(window, gadget, place, text);
  if (tooltip) toolkit.setTooltip(window, gadget, tooltip);
}

// The report and the drawing act on the selected row. Without one, a message names the list
// (the caption names the operation) and the list gets the focus; nothing else happens.
std::optional<int> selectedRowOrAsk(SelectionContext& context, const SelectionWindowShape& shape,
                                    const char* caption) {
  const int row = context.toolkit.selectedRow(shape.window, shape.resultList);
  if (row != gui::kNoSelection) return row;
  context.toolkit.messageBox(caption, shape.noRowMessage, gui::MessageButtons::Ok);
  context.toolkit.setFocus(shape.window, shape.resultList);
  return std::nullopt;
}

void showReport(SelectionContext& context, const SelectionWindowShape& shape) {
  if (const auto row = selectedRowOrAsk(context, shape, kReportText)) writeAndShowReport(context, shape, *row);
}

void showDrawing(SelectionContext& context, const SelectionWindowShape& shape) {
  if (const auto row = selectedRowOrAsk(context, shape, shape.drawingText)) openDrawing(context, shape, *row);
}

// "Добавить в проект": the selected row's model, at the form's conditions, becomes the
// project's next position; the project window shows it.
void addToProject(SelectionContext& context, const SelectionWindowShape& shape) {
  gui::Toolkit& tk = context.toolkit;
  const auto row = selectedRowOrAsk(context, shape, kProjectCaption);
  if (!row) return;
  std::string model = tk.cellText(shape.window, shape.resultList, *row, 0);
  if (model.empty()) {
    tk.messageBox(kProjectCaption, kNoModelMessage, gui::MessageButtons::Ok);
    return;
  }
  ProjectState& project = context.project;
  project.positions.push_back({.name = project::defaultPositionName(project.positions.size() + 1),
                               .model = std::move(model),
                               .duty = shape.positionDuty(tk)});
  project.unsaved = true;
  project.show();
}

// A child window (About, user information) belongs to this window, which stays disabled while
// the child is open; the shell gives it back when the child closes.
void openChild(SelectionContext& context, const SelectionWindowShape& shape, int child,
               void (*open)(SelectionContext&, const SelectionWindowShape&, int)) {
  open(context, shape, child);
  if (context.toolkit.windowExists(child)) context.toolkit.enableWindow(shape.window, false);
}

void openAbout(SelectionContext& context, const SelectionWindowShape& shape, int child) {
  userdata::openAboutWindow(context.toolkit, shape.window, child, context.services.network, context.services.folder);
}

void openUserInfo(SelectionContext& context, const SelectionWindowShape& shape, int child) {
  userdata::openUserInfoWindow(context.toolkit, shape.window, child, context.services.folder);
}

int serveMenu(SelectionContext& context, const SelectionWindowShape& shape, int item) {
  if (item == shape.menuClose) return 0;
  if (item == shape.menuUserInfo) openChild(context, shape, shape.userInfoWindow, openUserInfo);
  if (item == shape.menuAbout) openChild(context, shape, shape.aboutWindow, openAbout);
  if (item == shape.menuAddToProject) addToProject(context, shape);
  if (item == shape.menuOpenProject) context.project.show();
  return 1;
}

// The buttons of every selection window: which event they take and what they do.
struct ButtonAction {
  int SelectionWindowShape::*button;
  bool leftClickOnly;
  void (*act)(SelectionContext&, const SelectionWindowShape&);
};

constexpr ButtonAction kButtonActions[] = {
    {&SelectionWindowShape::selectButton, true, runSelection},
    {&SelectionWindowShape::reportButton, true, showReport},
    {&SelectionWindowShape::drawingButton, true, showDrawing},
    {&SelectionWindowShape::clearButton, false, clearSelectionData},
};

void serveInput(SelectionContext& context, const SelectionWindowShape& shape,
                const InputRule& input, gui::GadgetEvent type) {
  gui::Toolkit& tk = context.toolkit;
  if (type == gui::GadgetEvent::LostFocus && input.bounds) {
    const FieldBounds& bounds = *input.bounds;
    if (!(bounds.emptyStays && tk.text(shape.window, input.gadget).empty()))
      normalizeNumberField(tk, shape.window, input.gadget, bounds.lower, bounds.upper, bounds.decimals);
  }
  if (type == input.changeEvent) {
    if (input.onChange) input.onChange(tk);
    inputChanged(context, shape);
  }
}

int serveGadget(SelectionContext& context, const SelectionWindowShape& shape, const gui::Event& event) {
  for (const ButtonAction& action : kButtonActions) {
    if (event.item != shape.*action.button) continue;
    if (!action.leftClickOnly || event.type == gui::GadgetEvent::LeftClick) action.act(context, shape);
    return 1;
  }
  if (event.item == shape.project || event.item == shape.contactPerson) {
    if (event.type == gui::GadgetEvent::Change) flagsOf(context, shape).formDirty = true;
    return 1;
  }
  for (const InputRule& input : shape.inputs) {
    if (input.gadget == event.item) serveInput(context, shape, input, event.type);
  }
  return 1;
}

}  // namespace

void registerSelectionWindow(gui::WindowRegistry& registry, SelectionContext& context,
                             const SelectionWindowShape& shape) {
  registry.setRole(shape.window,
                   {.handle = [&context, &shape](const gui::Event& event) {
                      return handleSelectionEvent(context, shape, event);
                    },
                    .afterClosing = [&context, &shape] { flagsOf(context, shape).open = false; },
                    .asksBeforeClosing = true});
  registry.addOpener({shape.openerMenuItem, shape.openerArea,
                      [&context, &shape] { openSelectionWindow(context, shape); }});
  registry.setRole(shape.aboutWindow, {.handle = [&context](const gui::Event& event) {
                                         return userdata::handleAboutEvent(context.services.opener, event);
                                       },
                                       .parent = shape.window});
  registry.setRole(shape.userInfoWindow, {.handle = [&context](const gui::Event& event) {
                                            return userdata::handleUserInfoEvent(context.toolkit, context.services.folder, event);
                                          },
                                          .parent = shape.window});
}

void openSelectionWindow(SelectionContext& context, const SelectionWindowShape& shape) {
  if (flagsOf(context, shape).open) {
    context.toolkit.activateWindow(shape.window);
  } else {
    buildSelectionWindow(context, shape);
  }
}

void buildSelectionWindow(SelectionContext& context, const SelectionWindowShape& shape) {
  gui::Toolkit& tk = context.toolkit;
  const int w = shape.window;
  flagsOf(context, shape).open = tk.openWindow(
      {w, shape.title, 800, 495, gui::FrameStyle::Selection, kMainWindow, gui::Placement::CentreOnParent, false});
  if (!flagsOf(context, shape).open) return;
  tk.setMenu(w, {{"Окно", {{shape.menuClose, "Закрыть"}}},
                 {"Параметры", {{shape.menuUserInfo, "Информация о пользователе"}}},
                 {"Проект", {{shape.menuAddToProject, "Добавить в проект"}, {shape.menuOpenProject, "Открыть окно проекта"}}},
                 {"Справка", {{shape.menuAbout, "О программе"}}}});

  buildForm(tk, w, shape.form);
  shape.fillChoices(tk);

  tk.addFrame(w, {20, 300, 760, 165}, shape.resultCaption);
  tk.addList(w, shape.resultList, inPlace(kResultX, kResultY, {5, 10, 740, 85}),
             {shape.columns.begin(), shape.columns.end()});
  addButton(tk, w, shape.selectButton, inPlace(kResultX, kResultY, {185, 105, 120, 25}), kSelectText);
  addButton(tk, w, shape.reportButton, inPlace(kResultX, kResultY, {310, 105, 120, 25}), kReportText, kBrowserTooltip);
  addButton(tk, w, shape.drawingButton, inPlace(kResultX, kResultY, {435, 105, 120, 25}), shape.drawingText,
            kReaderTooltip);

  tk.addPicture(w, gui::kUnnumbered, {562, 0, 106, 47}, resources::kSmallLogoImage);
  addButton(tk, w, shape.clearButton, {669, 10, 106, 25}, kClearText);
  tk.setFirstTabStop(w, shape.firstInput);
  tk.setFocus(w, shape.firstInput);
}

int handleSelectionEvent(SelectionContext& context, const SelectionWindowShape& shape,
                         const gui::Event& event) {
  switch (event.kind) {
    case gui::EventKind::CloseRequest:
      return 0;
    case gui::EventKind::Menu:
      return serveMenu(context, shape, event.item);
    case gui::EventKind::Gadget:
      return serveGadget(context, shape, event);
  }
  return 1;
}

void clearSelectionData(SelectionContext& context, const SelectionWindowShape& shape) {
  gui::Toolkit& tk = context.toolkit;
  if (!flagsOf(context, shape).formDirty) return;
  if (tk.messageBox(kClearCaption, kClearQuestion, gui::MessageButtons::YesNo) != gui::MessageAnswer::Yes) return;
  shape.resetForm(tk);
  tk.setText(shape.window, shape.project, "");
  tk.setText(shape.window, shape.contactPerson, "");
  tk.clearRows(shape.window, shape.resultList);
  flagsOf(context, shape).formDirty = false;
}

void runSelection(SelectionContext& context, const SelectionWindowShape& shape) {
  gui::Toolkit& tk = context.toolkit;
  tk.clearRows(shape.window, shape.resultList);
  showResultRows(tk, shape.window, shape.resultList, shape.selectRows(tk));
  flagsOf(context, shape).formDirty = true;
}

}  // namespace selection
