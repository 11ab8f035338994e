#include "project/project_window.h"

#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "platform/file_queries.h"
#include "platform/files.h"
#include "project/project_file.h"
#include "project/project_page.h"
#include "project/project_report.h"
#include "project/project_table.h"
#include "project/project_workbook.h"
#include "selection/window_numbers.h"
#include "userdata/ini_file.h"
#include "userdata/user_info.h"

namespace project {
namespace {

using selection::ProjectState;
using selection::SelectionContext;
constexpr int W = selection::kProjectWindow;

constexpr const char* kTitle = "Проект ORVEX-selection";
constexpr const char* kCaption = "Проект";
constexpr const char* kFileFilter = "Проекты ORVEX-selection (*.csv)|*.csv";
constexpr const char* kOfferedName = "Проект.csv";
constexpr const char* kWorkbookFilter = "Книга Excel (*.xlsx)|*.xlsx";
constexpr const char* kSaveQuestion = "Сохранить изменения в проекте?";
constexpr const char* kNoPositionMessage = "Выберите позицию в списке.";
constexpr const char* kEmptyProjectMessage = "В проекте нет позиций.";
constexpr int kShownSkippedLines = 10;

// A file name typed without an extension gets the one its dialog's filter shows.
std::string withExtension(const std::string& path, const char* extension) {
  const std::size_t nameStart = path.find_last_of("/\\") + 1;  // 0 when there is no folder
  return path.find('.', nameStart) == std::string::npos ? path + extension : path;
}

class ProjectWindow {
 public:
  explicit ProjectWindow(SelectionContext& context) : context_(context), tk_(context.toolkit) {}

  // Opens the window, or brings it to the front; a position added since the list was last
  // shown is selected.
  void show();
  int handle(const gui::Event& event);
  // Before the window closes or the program exits: false when the user keeps it open.
  bool mayDiscard();
  void forget();

 private:
  struct Button {
    int gadget;
    gui::Rect place;
    const char* text;
    void (ProjectWindow::*act)();
  };
  static const Button kButtons[];

  ProjectState& project() { return context_.project; }
  std::vector<Position>& positions() { return context_.project.positions; }
  int selected() const { return tk_.selectedRow(W, kPositionList); }
  std::optional<std::size_t> selectedOrAsk();

  void build();
  void showPositions(int selectRow);
  void showPosition(std::size_t index);
  void showTotals();
  void showSelectedInEditors();
  void showFile();
  void changed() { project().unsaved = true; }

  void rename(bool leaving);
  void requantify(bool leaving);
  void moveUp() { moveSelected(-1); }
  void moveDown() { moveSelected(1); }
  void moveSelected(int step);
  void deleteSelected();
  void selectAllAnew();
  void writeReport();
  void exportWorkbook();
  void saveAsked() { save(); }
  bool save();
  void open();

  SelectionContext& context_;
  gui::Toolkit& tk_;
  std::vector<PositionFigures> figures_;  // of the positions as the list shows them
};

// As wide as the selection windows, so that it fits the screen at the scales they do: the list
// over the whole width; under it the editors of the selected position, the totals, the
// buttons (those on the positions left, those on the whole project right) and the file.
const ProjectWindow::Button ProjectWindow::kButtons[] = {
    {kUpButton, {10, 345, 70, 25}, "Вверх", &ProjectWindow::moveUp},
    {kDownButton, {85, 345, 70, 25}, "Вниз", &ProjectWindow::moveDown},
    {kDeleteButton, {160, 345, 75, 25}, "Удалить", &ProjectWindow::deleteSelected},
    {kSelectAnewButton, {240, 345, 125, 25}, "Подобрать заново", &ProjectWindow::selectAllAnew},
    {kReportButton, {425, 345, 125, 25}, "Отчет по проекту", &ProjectWindow::writeReport},
    {kExcelButton, {555, 345, 60, 25}, "Excel", &ProjectWindow::exportWorkbook},
    {kOpenButton, {620, 345, 80, 25}, "Открыть", &ProjectWindow::open},
    {kSaveButton, {705, 345, 85, 25}, "Сохранить", &ProjectWindow::saveAsked},
};

void ProjectWindow::show() {
  if (!project().windowOpen) {
    build();
    showPositions(positions().empty() ? gui::kNoSelection : 0);
    return;
  }
  const bool added = positions().size() > figures_.size();
  showPositions(added ? static_cast<int>(positions().size()) - 1 : selected());
  tk_.activateWindow(W);
}

void ProjectWindow::build() {
  project().windowOpen = tk_.openWindow(
      {W, kTitle, 800, 410, gui::FrameStyle::Selection, gui::kNoParent, gui::Placement::CentreOnScreen, false});
  if (!project().windowOpen) return;
  std::vector<gui::ListColumn> columns;
  for (const TableColumn& column : kProjectColumns) columns.push_back({std::string(column.title), column.width});
  tk_.addList(W, kPositionList, {10, 10, 780, 265}, columns);
  tk_.addLabel(W, gui::kUnnumbered, {10, 291, 60, 20}, "Позиция");
  tk_.addTextField(W, kNameField, {75, 289, 230, 20});
  tk_.addLabel(W, gui::kUnnumbered, {320, 291, 55, 20}, "Кол-во");
  tk_.addTextField(W, kQuantityField, {380, 289, 60, 20});
  tk_.addLabel(W, kTotalsLabel, {10, 318, 780, 20}, "");
  for (const Button& button : kButtons) tk_.addButton(W, button.gadget, button.place, button.text);
  tk_.addLabel(W, kFileLabel, {10, 382, 780, 20}, "");
  tk_.setFirstTabStop(W, kPositionList);
  tk_.setFocus(W, kPositionList);
}

void ProjectWindow::showPositions(int selectRow) {
  figures_.clear();
  tk_.clearRows(W, kPositionList);
  for (std::size_t index = 0; index < positions().size(); ++index) {
    figures_.push_back(figuresOf(positions()[index]));
    tk_.addRow(W, kPositionList, static_cast<int>(index), {}, {});
    showPosition(index);
  }
  tk_.selectItem(W, kPositionList, selectRow);
  showSelectedInEditors();
  showTotals();
  showFile();
}

void ProjectWindow::showPosition(std::size_t index) {
  const Position& position = positions()[index];
  gui::RowStyle style;
  if (position.ruleChoosesAnother || !keptRow(figures_[index])) style.background = kOtherChoiceColour;
  tk_.setRow(W, kPositionList, static_cast<int>(index), positionCells(index + 1, position, figures_[index]), style);
}

void ProjectWindow::showFile() {
  tk_.setText(W, kFileLabel, project().path.empty() ? std::string("Файл проекта: не сохранен")
                                                     : "Файл проекта: " + project().path);
}

void ProjectWindow::showTotals() { tk_.setText(W, kTotalsLabel, totalsText(totalsOf(positions(), figures_))); }

void ProjectWindow::showSelectedInEditors() {
  const int row = selected();
  const bool any = row != gui::kNoSelection;
  tk_.setText(W, kNameField, any ? positions()[row].name : "");
  tk_.setText(W, kQuantityField, any ? std::to_string(positions()[row].quantity) : "");
  tk_.setEnabled(W, kNameField, any);
  tk_.setEnabled(W, kQuantityField, any);
}

std::optional<std::size_t> ProjectWindow::selectedOrAsk() {
  const int row = selected();
  if (row != gui::kNoSelection) return static_cast<std::size_t>(row);
  tk_.messageBox(kCaption, positions().empty() ? kEmptyProjectMessage : kNoPositionMessage, gui::MessageButtons::Ok);
  tk_.setFocus(W, kPositionList);
  return std::nullopt;
}

int ProjectWindow::handle(const gui::Event& event) {
  if (event.kind == gui::EventKind::CloseRequest) return mayDiscard() ? 0 : 1;
  if (event.kind != gui::EventKind::Gadget) return 1;
  const bool leaving = event.type == gui::GadgetEvent::LostFocus;
  switch (event.item) {
    case kPositionList:
      showSelectedInEditors();
      return 1;
    case kNameField:
      if (event.type == gui::GadgetEvent::Change || leaving) rename(leaving);
      return 1;
    case kQuantityField:
      if (event.type == gui::GadgetEvent::Change || leaving) requantify(leaving);
      return 1;
    default:
      break;
  }
  if (event.type != gui::GadgetEvent::LeftClick) return 1;
  for (const Button& button : kButtons)
    if (button.gadget == event.item) (this->*button.act)();
  return 1;
}

// The name follows the field as the user types; a field left empty gives the position its
// default name back.
void ProjectWindow::rename(bool leaving) {
  const int row = selected();
  if (row == gui::kNoSelection) return;
  std::string name = tk_.text(W, kNameField);
  if (leaving && !name.empty()) return;
  if (name.empty() && leaving) {
    name = defaultPositionName(row + 1);
    tk_.setText(W, kNameField, name);
  }
  if (positions()[row].name == name) return;
  positions()[row].name = std::move(name);
  changed();
  showPosition(row);
}

// A whole number from 1 up is taken as typed; when the focus leaves the field, it shows the
// position's quantity as a plain number (anything else typed is put back).
void ProjectWindow::requantify(bool leaving) {
  const int row = selected();
  if (row == gui::kNoSelection) return;
  const std::optional<int> quantity = quantityOf(tk_.text(W, kQuantityField));
  if (leaving) tk_.setText(W, kQuantityField, std::to_string(quantity.value_or(positions()[row].quantity)));
  if (!quantity || positions()[row].quantity == *quantity) return;
  positions()[row].quantity = *quantity;
  figures_[row] = figuresOf(positions()[row]);
  changed();
  showPosition(row);
  showTotals();
}

void ProjectWindow::moveSelected(int step) {
  const auto index = selectedOrAsk();
  if (!index) return;
  const int target = static_cast<int>(*index) + step;
  if (target < 0 || target >= static_cast<int>(positions().size())) return;
  std::swap(positions()[*index], positions()[target]);
  changed();
  showPositions(target);
}

void ProjectWindow::deleteSelected() {
  const auto index = selectedOrAsk();
  if (!index) return;
  const std::string question = "Удалить позицию \"" + positions()[*index].name + "\" из проекта?";
  if (tk_.messageBox(kCaption, question, gui::MessageButtons::YesNo) != gui::MessageAnswer::Yes) return;
  positions().erase(positions().begin() + static_cast<std::ptrdiff_t>(*index));
  changed();
  showPositions(std::min(static_cast<int>(*index), static_cast<int>(positions().size()) - 1));
}

void ProjectWindow::selectAllAnew() {
  if (positions().empty()) {
    tk_.messageBox(kCaption, kEmptyProjectMessage, gui::MessageButtons::Ok);
    return;
  }
  const std::size_t marked = selectAnew(positions());
  showPositions(selected());
  tk_.messageBox(kCaption,
                 marked == 0 ? std::string("Правило подбора выбирает для всех позиций их модели.")
                             : "Правило подбора выбирает другую модель для позиций: " + std::to_string(marked) +
                                   ". Они выделены цветом.",
                 gui::MessageButtons::Ok);
}

void ProjectWindow::writeReport() {
  if (positions().empty()) {
    tk_.messageBox(kCaption, kEmptyProjectMessage, gui::MessageButtons::Ok);
    return;
  }
  const std::string& folder = context_.services.folder;
  const userdata::UserInfo user =
      userdata::readUserInfoFile(platform::pathInFolder(folder, std::string(userdata::kUserInfoFileName)));
  const std::string page = platform::pathInFolder(folder, std::string(kProjectPageFile));
  if (!writeProjectReport(folder, user, projectNameOf(project().path), positions())) {
    tk_.messageBox(kCaption, "Не удалось записать отчет по проекту в файл " + page + ".", gui::MessageButtons::Ok);
    return;
  }
  context_.services.opener.open(page);
}

// The positions as a workbook, named in the save dialog, then opened as the report is.
void ProjectWindow::exportWorkbook() {
  if (positions().empty()) {
    tk_.messageBox(kCaption, kEmptyProjectMessage, gui::MessageButtons::Ok);
    return;
  }
  const std::string name = project().path.empty() ? "Проект" : projectNameOf(project().path);
  const auto chosen = tk_.chooseFile({.save = true, .title = "Экспорт в Excel", .folder = context_.services.folder,
                                      .name = name + ".xlsx", .filter = kWorkbookFilter});
  if (!chosen) return;
  const std::string path = withExtension(*chosen, ".xlsx");
  std::ostringstream bytes;
  std::string error;
  if (!writeProjectWorkbook(bytes, positions(), error) || !platform::writeFileAtomically(path, bytes.str())) {
    tk_.messageBox(kCaption, "Не удалось записать книгу Excel в файл " + path + ".", gui::MessageButtons::Ok);
    return;
  }
  context_.services.opener.open(path);
}

// Saves into the project's file; a new project's file is named in the save dialog first.
// False when the user cancelled or the file could not be written.
bool ProjectWindow::save() {
  std::string path = project().path;
  if (path.empty()) {
    const auto chosen = tk_.chooseFile(
        {.save = true, .title = "Сохранить проект", .folder = context_.services.folder, .name = kOfferedName,
         .filter = kFileFilter});
    if (!chosen) return false;
    path = withExtension(*chosen, ".csv");
  }
  if (!platform::writeFileAtomically(path, projectFileText(positions()))) {
    tk_.messageBox(kCaption, "Не удалось сохранить проект в файл " + path + ".", gui::MessageButtons::Ok);
    return false;
  }
  project().path = path;
  project().unsaved = false;
  showFile();
  return true;
}

void ProjectWindow::open() {
  if (!mayDiscard()) return;
  const auto path = tk_.chooseFile(
      {.save = false, .title = "Открыть проект", .folder = context_.services.folder, .name = "",
       .filter = kFileFilter});
  if (!path) return;
  const std::optional<std::string> bytes = platform::readWholeFile(*path);
  if (!bytes) {
    tk_.messageBox(kCaption, "Не удалось прочитать файл " + *path + ".", gui::MessageButtons::Ok);
    return;
  }
  std::istringstream in(*bytes);
  ProjectReading reading = readProjectFile(in);
  if (!reading.refusal.empty()) {
    tk_.messageBox(kCaption, "Файл " + *path + " не прочитан: " + reading.refusal, gui::MessageButtons::Ok);
    return;
  }
  project().positions = std::move(reading.positions);
  project().path = *path;
  project().unsaved = false;
  showPositions(positions().empty() ? gui::kNoSelection : 0);
  if (reading.skipped.empty()) return;
  std::string message = "Пропущены строки файла (" + std::to_string(reading.skipped.size()) + "):";
  for (std::size_t i = 0; i < reading.skipped.size() && i < kShownSkippedLines; ++i)
    message += "\n" + reading.skipped[i];
  if (reading.skipped.size() > kShownSkippedLines) message += "\n…";
  tk_.messageBox(kCaption, message, gui::MessageButtons::Ok);
}

bool ProjectWindow::mayDiscard() {
  if (!project().unsaved || (positions().empty() && project().path.empty())) return true;
  switch (tk_.messageBox(kCaption, kSaveQuestion, gui::MessageButtons::YesNoCancel)) {
    case gui::MessageAnswer::Yes:
      return save();
    case gui::MessageAnswer::No:
      return true;
    default:
      return false;
  }
}

// The window closed: its project goes with it, and the next position added begins a new one.
void ProjectWindow::forget() {
  std::function<void()> show = std::move(project().show);
  project() = ProjectState{};
  project().show = std::move(show);
  figures_.clear();
}

}  // namespace

void registerProjectWindow(gui::WindowRegistry& registry, SelectionContext& context) {
  auto window = std::make_shared<ProjectWindow>(context);
  context.project.show = [window] { window->show(); };
  registry.setRole(W, {.handle = [window](const gui::Event& event) { return window->handle(event); },
                       .afterClosing = [window] { window->forget(); },
                       .allowsExit = [window] { return window->mayDiscard(); }});
  registry.addOpener({selection::kMenuProjectWindow, gui::kUnnumbered, [window] { window->show(); }});
}

}  // namespace project
