// The project window driven as a user would, through the program's own shell: positions added
// from both selection windows, edited, reordered, deleted, selected anew, saved, opened, and
// the question about unsaved changes on closing and on exit.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/file_queries.h"
#include "project/project_file.h"
#include "project/project_page.h"
#include "project/project_table.h"
#include "project/project_window.h"
#include "selection/condenser_window_ids.h"
#include "selection/cooler_window_ids.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using gui::MessageAnswer;
using namespace project;
constexpr int P = selection::kProjectWindow;
constexpr int kModelColumn = 4, kQuantityColumn = 5, kTotalColumn = 7;

// How a selection window is reached, filled and asked to add its row.
struct SelectionWay {
  int window, area, list, selectButton, addItem;
  std::vector<std::pair<int, const char*>> form;  // choices, then the duty's field typed
  const char* noRowMessage;
};
namespace cooler = selection::cooler;
namespace condenser = selection::condenser;
const SelectionWay kCooler{selection::kCoolerWindow, selection::kCoolerArea, cooler::kResultList,
                           cooler::kSelectButton, cooler::kMenuAddToProject,
                           {{cooler::kSeries, "ORVEX VP"}, {cooler::kEvaporatingTemperature, "-10"},
                            {cooler::kTemperatureDifference, "8"}, {cooler::kRefrigerant, "R404a/R507"},
                            {cooler::kRequiredCapacity, "0.5"}},
                           "Выберите модель в/о из списка."};
const SelectionWay kCondenser{selection::kCondenserWindow, selection::kCondenserArea, condenser::kResultList,
                              condenser::kSelectButton, condenser::kMenuAddToProject,
                              {{condenser::kSeries, "ORVEX KD-500"}, {condenser::kAmbientTemperature, "30"},
                               {condenser::kTemperatureDifference, "10"}, {condenser::kRefrigerant, "R404a/R507"},
                               {condenser::kRequiredHeatRejection, "10"}},
                              "Выберите модель конденсатора из списка."};

class ProjectWindowTest : public testing_support::ProgramTest {
 protected:
  // Selects in the window and adds its row `row` (1: the rule's choice, 2: the larger one).
  std::string add(const SelectionWay& way, int row = 1) {
    if (!toolkit_.windowExists(way.window)) click(selection::kMainWindow, way.area);
    for (std::size_t i = 0; i + 1 < way.form.size(); ++i) choose(way.window, way.form[i].first, way.form[i].second);
    typeAndLeave(way.window, way.form.back().first, way.form.back().second);
    click(way.window, way.selectButton);
    toolkit_.selectRow(way.window, way.list, row);
    serve();
    chooseMenu(way.window, way.addItem);
    return toolkit_.cellText(way.window, way.list, row, 0);
  }
  std::string cell(int row, int column) const { return toolkit_.cellText(P, kPositionList, row, column); }
  int rows() const { return toolkit_.rowCount(P, kPositionList); }
  void selectPosition(int row) {
    toolkit_.selectRow(P, kPositionList, row);
    serve();
  }
  std::string path(const std::string& name) const { return platform::pathInFolder(folder_.path(), name); }
  const std::string& lastMessage() const { return toolkit_.messages().back().text; }
};

TEST_F(ProjectWindowTest, AddsTheSelectedRowOfEitherWindowAndAsksForOneWithoutIt) {
  int added = 0;
  for (const SelectionWay* way : {&kCooler, &kCondenser}) {
    click(selection::kMainWindow, way->area);
    chooseMenu(way->window, way->addItem);  // nothing selected yet
    EXPECT_EQ(lastMessage(), way->noRowMessage);
    EXPECT_EQ(context().project.positions.size(), static_cast<std::size_t>(added));

    const std::string model = add(*way);
    ++added;
    ASSERT_TRUE(toolkit_.windowShown(P));
    ASSERT_EQ(rows(), added);
    EXPECT_EQ(cell(added - 1, 1), "Позиция " + std::to_string(added));
    EXPECT_EQ(cell(added - 1, kModelColumn), model);
    EXPECT_EQ(cell(added - 1, kQuantityColumn), "1");
    EXPECT_EQ(toolkit_.selectedRow(P, kPositionList), added - 1);  // the new position
  }
  EXPECT_EQ(cell(0, 2), "в/о");
  EXPECT_EQ(cell(1, 2), "конденсатор");
  EXPECT_TRUE(context().project.unsaved);
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kCoolerWindow));  // the project window leaves it usable
}

TEST_F(ProjectWindowTest, EditsTheSelectedPositionsNameAndQuantity) {
  add(kCooler);
  add(kCondenser);
  selectPosition(0);
  EXPECT_EQ(toolkit_.text(P, kNameField), "Позиция 1");
  typeAndLeave(P, kNameField, "Камера 1");
  EXPECT_EQ(cell(0, 1), "Камера 1");
  typeAndLeave(P, kNameField, "");  // an empty name gives the default back
  EXPECT_EQ(cell(0, 1), "Позиция 1");

  const struct {
    const char* typed;
    const char* shown;  // in the field and the list once the focus has left
  } quantities[] = {{"4", "4"}, {"0", "4"}, {"2.5", "4"}, {"abc", "4"}, {" 12 ", "12"}, {"10000", "12"}};
  for (const auto& quantity : quantities) {
    typeAndLeave(P, kQuantityField, quantity.typed);
    EXPECT_EQ(toolkit_.text(P, kQuantityField), quantity.shown) << quantity.typed;
    EXPECT_EQ(cell(0, kQuantityColumn), quantity.shown) << quantity.typed;
  }
  const PositionFigures figures = figuresOf(context().project.positions[0]);
  EXPECT_EQ(cell(0, kTotalColumn), figures.totalKilowatts);
  EXPECT_EQ(toolkit_.text(P, kTotalsLabel).rfind("Итого: 12 в/о", 0), 0u) << toolkit_.text(P, kTotalsLabel);
}

TEST_F(ProjectWindowTest, ReordersAndDeletesPositions) {
  add(kCooler);
  add(kCondenser);
  add(kCooler, 2);
  const struct {
    int selected, button;
    MessageAnswer answer;
    std::vector<std::string> names;
    int selectedAfter;
  } steps[] = {
      {2, kUpButton, MessageAnswer::Ok, {"Позиция 1", "Позиция 3", "Позиция 2"}, 1},
      {0, kUpButton, MessageAnswer::Ok, {"Позиция 1", "Позиция 3", "Позиция 2"}, 0},  // already first
      {0, kDownButton, MessageAnswer::Ok, {"Позиция 3", "Позиция 1", "Позиция 2"}, 1},
      {1, kDeleteButton, MessageAnswer::No, {"Позиция 3", "Позиция 1", "Позиция 2"}, 1},
      {2, kDeleteButton, MessageAnswer::Yes, {"Позиция 3", "Позиция 1"}, 1},
  };
  for (const auto& step : steps) {
    selectPosition(step.selected);
    if (step.answer != MessageAnswer::Ok) toolkit_.answerNextMessage(step.answer);
    click(P, step.button);
    std::vector<std::string> names;
    for (int row = 0; row < rows(); ++row) names.push_back(cell(row, 1));
    EXPECT_EQ(names, step.names) << step.button;
    EXPECT_EQ(toolkit_.selectedRow(P, kPositionList), step.selectedAfter) << step.button;
    EXPECT_EQ(cell(0, 0), "1");
  }
  EXPECT_EQ(toolkit_.unansweredScriptedMessages(), 0u);
}

TEST_F(ProjectWindowTest, SelectingAnewMarksAKeptNeighbour) {
  add(kCooler);
  add(kCooler, 2);  // the larger neighbour, kept against the rule
  click(P, kSelectAnewButton);
  EXPECT_EQ(toolkit_.gadget(P, kPositionList).rowStyles[0].background, std::nullopt);
  EXPECT_EQ(toolkit_.gadget(P, kPositionList).rowStyles[1].background, kOtherChoiceColour);
  EXPECT_NE(lastMessage().find(": 1."), std::string::npos) << lastMessage();
}

TEST_F(ProjectWindowTest, SavesClosesAndOpensTheSameProject) {
  add(kCooler);
  add(kCondenser, 2);
  typeAndLeave(P, kQuantityField, "3");
  const std::vector<Position> made = context().project.positions;

  toolkit_.answerNextFileDialog(path("склад"));  // the extension is added
  click(P, kSaveButton);
  EXPECT_EQ(toolkit_.fileDialogs().back().folder, folder_.path());
  EXPECT_EQ(platform::readWholeFile(path("склад.csv")), projectFileText(made));
  EXPECT_FALSE(context().project.unsaved);
  EXPECT_EQ(toolkit_.text(P, kFileLabel), "Файл проекта: " + path("склад.csv"));

  click(P, kReportButton);
  EXPECT_EQ(opener_.opened.back(), path(std::string(kProjectPageFile)));
  toolkit_.answerNextFileDialog(path("склад"));
  click(P, kExcelButton);
  EXPECT_EQ(toolkit_.fileDialogs().back().name, "склад.xlsx");  // named after the project
  EXPECT_EQ(opener_.opened.back(), path("склад.xlsx"));
  EXPECT_EQ(platform::readWholeFile(path("склад.xlsx")).value_or("").substr(0, 2), "PK");

  toolkit_.pressClose(P);  // saved: no question
  serve();
  EXPECT_FALSE(toolkit_.windowExists(P));
  chooseMenu(selection::kMainWindow, selection::kMenuProjectWindow);
  EXPECT_EQ(rows(), 0);  // the closed project went with its window
  toolkit_.answerNextFileDialog(path("склад.csv"));
  click(P, kOpenButton);
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(projectFileText(context().project.positions), projectFileText(made));
  EXPECT_EQ(cell(1, kQuantityColumn), "3");
  EXPECT_TRUE(toolkit_.messages().empty() || lastMessage().find("Пропущены") == std::string::npos);
}

TEST_F(ProjectWindowTest, AsksAboutUnsavedChangesOnClosingAndOnExit) {
  const struct {
    bool exit;
    MessageAnswer answer;
    bool saveDialogAnswered;
    bool goesOn;  // the window (or the program) stays
    bool fileWritten;
  } cases[] = {
      {false, MessageAnswer::Cancel, false, true, false}, {false, MessageAnswer::No, false, false, false},
      {false, MessageAnswer::Yes, true, false, true},     {false, MessageAnswer::Yes, false, true, false},
      {true, MessageAnswer::Cancel, false, true, false},  {true, MessageAnswer::No, false, false, false},
      {true, MessageAnswer::Yes, true, false, true},
  };
  int round = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(round);
    const std::string file = path("round" + std::to_string(++round) + ".csv");
    if (!toolkit_.windowExists(P)) add(kCooler);
    if (c.exit) {
      toolkit_.answerNextMessage(MessageAnswer::Yes);  // "Вы уверены, что хотите выйти…"
      toolkit_.pressClose(selection::kMainWindow);
    } else {
      toolkit_.pressClose(P);
    }
    toolkit_.answerNextMessage(c.answer);
    if (c.answer == MessageAnswer::Yes)
      toolkit_.answerNextFileDialog(c.saveDialogAnswered ? std::optional(file) : std::nullopt);
    const auto exitCode = testing_support::serveQueued(program_.shell(), toolkit_);
    EXPECT_EQ(toolkit_.messages().back().buttons, gui::MessageButtons::YesNoCancel);
    EXPECT_EQ(c.exit ? !exitCode.has_value() : toolkit_.windowExists(P), c.goesOn);
    EXPECT_EQ(platform::readWholeFile(file).has_value(), c.fileWritten);
    if (c.exit && exitCode) {  // the program ends here; the next case starts a new project
      context().project.unsaved = false;
      toolkit_.pressClose(P);
      serve();
    }
  }
}

}  // namespace
