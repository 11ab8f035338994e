// What both selection windows do alike, tested once over both: opening and closing, the
// inputs that empty the list, clearing, the buttons that need a selected row, the report and
// the drawing of that row, and the child windows of the menu.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/site.h"
#include "platform/windows1251.h"
#include "selection/condenser_window_ids.h"
#include "selection/cooler_window_ids.h"
#include "selection/drawing_progress.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using gui::MessageAnswer;

// One user action on a gadget of the window under test.
struct Step {
  enum Kind { Choose, Type, Click } kind;
  int gadget;
  const char* value = "";
};

struct WindowCase {
  const char* name;
  int window, openerArea, openerMenu;
  int menuClose, menuUserInfo, menuAbout, aboutWindow, userInfoWindow;
  int list, project, contactPerson, selectButton, reportButton, drawingButton, clearButton;
  const char* noRowMessage;
  const char* drawingCaption;
  const char* reportTitle;  // the page's first line, before the model
  std::vector<Step> form;   // a filled form whose selection shows three rows
  std::vector<Step> inputChanges;
  selection::WindowFlags selection::SelectionContext::*flags;
  int drawingProgressWindow;
};

const WindowCase kCooler{
    .name = "Cooler",
    .window = selection::kCoolerWindow, .openerArea = selection::kCoolerArea,
    .openerMenu = selection::kMenuCoolerWindow,
    .menuClose = 5, .menuUserInfo = 6, .menuAbout = 7, .aboutWindow = 4, .userInfoWindow = 6,
    .list = 27, .project = 28, .contactPerson = 29,
    .selectButton = 30, .reportButton = 31, .drawingButton = 32, .clearButton = 33,
    .noRowMessage = "Выберите модель в/о из списка.",
    .drawingCaption = "Чертеж в/о",
    .reportTitle = "<html><head><title>ВОЗДУХООХЛАДИТЕЛЬ ",
    .form = {{Step::Choose, 18, "ORVEX VP"}, {Step::Choose, 21, "-10"}, {Step::Choose, 22, "8"},
             {Step::Choose, 13, "R404a/R507"}, {Step::Type, 14, "0.5"}},
    .inputChanges = {{Step::Choose, 13, "R22"}, {Step::Type, 14, "0.4"}, {Step::Choose, 21, "-15"},
                     {Step::Choose, 22, "7"}, {Step::Type, 23, "1"}, {Step::Type, 24, "5000"},
                     {Step::Type, 25, "5000"}, {Step::Choose, 18, "ORVEX VK-M ( среднетемпературные )"}},
    .flags = &selection::SelectionContext::cooler,
    .drawingProgressWindow = selection::kCoolerDrawingProgressWindow,
};

const WindowCase kCondenser{
    .name = "Condenser",
    .window = selection::kCondenserWindow, .openerArea = selection::kCondenserArea,
    .openerMenu = selection::kMenuCondenserWindow,
    .menuClose = 9, .menuUserInfo = 10, .menuAbout = 11, .aboutWindow = 5, .userInfoWindow = 7,
    .list = 52, .project = 49, .contactPerson = 50,
    .selectButton = 53, .reportButton = 54, .drawingButton = 55, .clearButton = 56,
    .noRowMessage = "Выберите модель конденсатора из списка.",
    .drawingCaption = "Чертеж конденсатора",
    .reportTitle = "<html><head><title>КОНДЕНСАТОР ",
    .form = {{Step::Choose, 41, "ORVEX KD-500"}, {Step::Choose, 35, "30"}, {Step::Choose, 36, "10"},
             {Step::Choose, 40, "R404a/R507"}, {Step::Type, 39, "10"}},
    .inputChanges = {{Step::Choose, 35, "20"}, {Step::Choose, 36, "12"}, {Step::Type, 39, "11"},
                     {Step::Choose, 40, "R134a"}, {Step::Choose, 41, "ORVEX KD-630"}, {Step::Type, 43, "60"},
                     {Step::Click, 44}, {Step::Click, 45}, {Step::Click, 46}, {Step::Click, 47}, {Step::Click, 48}},
    .flags = &selection::SelectionContext::condenser,
    .drawingProgressWindow = selection::kCondenserDrawingProgressWindow,
};

void PrintTo(const WindowCase& window, std::ostream* out) { *out << window.name; }

class SelectionWindowTest : public testing_support::ProgramTest,
                            public ::testing::WithParamInterface<WindowCase> {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    click(selection::kMainWindow, w().openerArea);
    ASSERT_TRUE(toolkit_.windowShown(w().window));
  }
  const WindowCase& w() const { return GetParam(); }
  void act(const Step& step) {
    switch (step.kind) {
      case Step::Choose: choose(w().window, step.gadget, step.value); break;
      case Step::Type: toolkit_.type(w().window, step.gadget, step.value); serve(); break;
      case Step::Click: click(w().window, step.gadget); break;
    }
  }
  void fillAndSelect() {
    for (const Step& step : w().form) act(step);
    click(w().window, w().selectButton);
    ASSERT_EQ(rows(), 3);
  }
  int rows() const { return toolkit_.rowCount(w().window, w().list); }
  std::string cell(int row, int column) const { return toolkit_.cellText(w().window, w().list, row, column); }
  selection::WindowFlags& flags() { return context().*w().flags; }
  void serveEvent(int gadget, gui::GadgetEvent type) {
    EXPECT_EQ(program_.shell().serve({w().window, gui::EventKind::Gadget, gadget, type}), std::nullopt);
  }
  void selectRow(int row) {
    toolkit_.selectRow(w().window, w().list, row);
    serve();
  }
};

TEST_P(SelectionWindowTest, OpensOnceAndComesToTheFrontAgain) {
  EXPECT_EQ(toolkit_.window(w().window).layout.parent, selection::kMainWindow);
  EXPECT_TRUE(flags().open);
  chooseMenu(selection::kMainWindow, w().openerMenu);
  EXPECT_EQ(toolkit_.journal().back(), "activate " + std::to_string(w().window));
  click(selection::kMainWindow, w().openerArea);
  EXPECT_EQ(toolkit_.journal().back(), "activate " + std::to_string(w().window));
}

TEST_P(SelectionWindowTest, ClosingAsksAndReopeningBuildsAFreshForm) {
  toolkit_.type(w().window, w().project, "Склад");
  serve();
  for (const bool viaMenu : {false, true}) {
    toolkit_.answerNextMessage(MessageAnswer::No);
    if (viaMenu) toolkit_.chooseMenu(w().window, w().menuClose); else toolkit_.pressClose(w().window);
    serve();
    EXPECT_EQ(toolkit_.text(w().window, w().project), "Склад");
  }
  ASSERT_EQ(toolkit_.messages().size(), 2u);
  EXPECT_EQ(toolkit_.messages()[1].caption, "ORVEX-selection");
  EXPECT_EQ(toolkit_.messages()[1].text, "Вы уверены, что хотите закрыть окно?");

  toolkit_.answerNextMessage(MessageAnswer::Yes);
  toolkit_.pressClose(w().window);
  serve();
  EXPECT_FALSE(toolkit_.windowExists(w().window));
  EXPECT_FALSE(flags().open);

  chooseMenu(selection::kMainWindow, w().openerMenu);
  EXPECT_EQ(toolkit_.text(w().window, w().project), "");
  // The form flag outlives the window: the fresh form still asks before clearing.
  EXPECT_TRUE(flags().formDirty);
  toolkit_.answerNextMessage(MessageAnswer::No);
  click(w().window, w().clearButton);
  EXPECT_EQ(toolkit_.messages().size(), 4u);
}

TEST_P(SelectionWindowTest, EveryInputOfTheSelectionEmptiesTheList) {
  fillAndSelect();
  for (std::size_t i = 0; i < w().inputChanges.size(); ++i) {
    click(w().window, w().selectButton);
    ASSERT_GT(rows(), 0) << i;
    act(w().inputChanges[i]);
    EXPECT_EQ(rows(), 0) << "change " << i;
  }
  // The project and the contact person go only to the report: the list stays.
  click(w().window, w().selectButton);
  const int shown = rows();
  toolkit_.type(w().window, w().project, "Проект 1");
  toolkit_.type(w().window, w().contactPerson, "Петров");
  serve();
  EXPECT_EQ(rows(), shown);
  // Correcting a number field when the focus leaves it is the program's own change: the list
  // stays too.
  const Step& required = w().form.back();
  toolkit_.leave(w().window, required.gadget);
  serve();
  EXPECT_EQ(rows(), shown);
}

TEST_P(SelectionWindowTest, TheProjectAloneMarksTheFormAsHoldingData) {
  click(w().window, w().clearButton);
  EXPECT_TRUE(toolkit_.messages().empty());  // nothing entered yet: no question
  toolkit_.type(w().window, w().contactPerson, "Иванов");
  serve();
  EXPECT_TRUE(flags().formDirty);
}

TEST_P(SelectionWindowTest, ClearAsksAndOnlyYesClears) {
  fillAndSelect();
  toolkit_.type(w().window, w().project, "Склад");
  toolkit_.type(w().window, w().contactPerson, "Иванов");
  serve();
  toolkit_.answerNextMessage(MessageAnswer::No);
  click(w().window, w().clearButton);
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_EQ(toolkit_.messages()[0].caption, "Очистить данные");
  EXPECT_EQ(toolkit_.messages()[0].text, "Вы уверены, что хотите очистить все данные?");
  EXPECT_EQ(rows(), 3);
  EXPECT_EQ(toolkit_.text(w().window, w().project), "Склад");

  toolkit_.answerNextMessage(MessageAnswer::Yes);
  click(w().window, w().clearButton);
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(toolkit_.text(w().window, w().project), "");
  EXPECT_EQ(toolkit_.text(w().window, w().contactPerson), "");
  EXPECT_FALSE(flags().formDirty);
  click(w().window, w().clearButton);  // nothing changed since: no question
  EXPECT_EQ(toolkit_.messages().size(), 2u);
}

TEST_P(SelectionWindowTest, ButtonsActOnALeftClickOnly) {
  for (const Step& step : w().form) act(step);
  for (const auto type : {gui::GadgetEvent::Change, gui::GadgetEvent::LostFocus, gui::GadgetEvent::Other}) {
    serveEvent(w().selectButton, type);
    serveEvent(w().reportButton, type);
    serveEvent(w().drawingButton, type);
  }
  EXPECT_EQ(rows(), 0);
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_TRUE(folder_.names().empty());
}

TEST_P(SelectionWindowTest, ReportAndDrawingNeedASelectedRow) {
  fillAndSelect();
  for (const auto& [button, caption] : {std::pair(w().reportButton, "Протокол подбора"),
                                        std::pair(w().drawingButton, w().drawingCaption)}) {
    toolkit_.setFocus(w().window, w().project);
    click(w().window, button);
    ASSERT_FALSE(toolkit_.messages().empty());
    EXPECT_EQ(toolkit_.messages().back().caption, caption);
    EXPECT_EQ(toolkit_.messages().back().text, w().noRowMessage);
    EXPECT_EQ(toolkit_.messages().back().buttons, gui::MessageButtons::Ok);
    EXPECT_EQ(toolkit_.focus(), std::pair(w().window, w().list));
  }
  EXPECT_TRUE(opener_.opened.empty());
  EXPECT_TRUE(folder_.names().empty());
}

TEST_P(SelectionWindowTest, ReportOfTheSelectedRowIsWrittenAndOpened) {
  fillAndSelect();
  folder_.write("orvex-selection.ini", *platform::toWindows1251("[Информация о пользователе]\r\nКомпания = Холод & Ко\r\n"));
  selectRow(1);
  click(w().window, w().reportButton);
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_EQ(folder_.names(), (std::vector<std::string>{"favicon.ico", "orvex-selection.htm", "orvex-selection.ini",
                                                       "orvex-selection.png"}));
  EXPECT_EQ(opener_.opened, std::vector<std::string>{folder_.pathOf("orvex-selection.htm")});
  const std::string page = platform::fromWindows1251(folder_.read("orvex-selection.htm"));
  EXPECT_TRUE(page.starts_with(w().reportTitle + cell(1, 0) + "</title>\r\n")) << page.substr(0, 80);
  EXPECT_NE(page.find("<td class=\"fmt\">Холод &amp; Ко</td>"), std::string::npos);  // read anew
  EXPECT_NE(page.find("<tr><td>" + cell(1, 1) + "</td>"), std::string::npos);
}

TEST_P(SelectionWindowTest, ReportThatCannotBeWrittenIsNotReplacedByAnOlderPage) {
  fillAndSelect();
  std::filesystem::create_directory(folder_.pathOf("orvex-selection.htm"));  // the name is taken
  selectRow(0);
  click(w().window, w().reportButton);
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_EQ(toolkit_.messages()[0].caption, "Протокол подбора");
  EXPECT_NE(toolkit_.messages()[0].text.find(folder_.pathOf("orvex-selection.htm")), std::string::npos);
  EXPECT_TRUE(opener_.opened.empty());
}

TEST_P(SelectionWindowTest, DrawingOnDiskOpensWithoutTheNetwork) {
  fillAndSelect();
  const std::string model = cell(1, 0);
  folder_.write(model + ".pdf", "%PDF-1.4 local");
  selectRow(1);
  click(w().window, w().drawingButton);
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_TRUE(network_.askedUrls.empty());
  EXPECT_EQ(opener_.opened, std::vector<std::string>{folder_.pathOf(model + ".pdf")});
}

TEST_P(SelectionWindowTest, MissingDrawingIsDownloadedOnlyOnYes) {
  testing_support::LoopbackSite site;
  fillAndSelect();
  const std::string model = cell(1, 0);
  const std::string file = folder_.pathOf(model + ".pdf");
  site.putFile(model + ".pdf", "%PDF-1.4 from the site");
  folder_.write(model + ".pdf", "");  // an empty file counts as missing
  selectRow(1);

  toolkit_.answerNextMessage(MessageAnswer::No);
  click(w().window, w().drawingButton);
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_EQ(toolkit_.messages()[0].caption, w().drawingCaption);
  EXPECT_EQ(toolkit_.messages()[0].text, "Чертеж отсутствует на диске. Загрузить с сайта?");
  EXPECT_TRUE(network_.askedUrls.empty());
  EXPECT_TRUE(opener_.opened.empty());

  network_.moveTo(site.base("status404"));
  toolkit_.answerNextMessage(MessageAnswer::Yes);
  click(w().window, w().drawingButton);
  ASSERT_EQ(toolkit_.messages().size(), 3u);
  EXPECT_EQ(toolkit_.messages()[2].text, "Загрузить чертеж с сайта не удалось!");
  EXPECT_EQ(folder_.read(model + ".pdf"), "");      // nothing broken left in its place
  EXPECT_EQ(opener_.opened, std::vector<std::string>{file});  // the open is still attempted

  network_.moveTo(site.base("ok"));
  toolkit_.answerNextMessage(MessageAnswer::Yes);
  click(w().window, w().drawingButton);
  EXPECT_EQ(toolkit_.messages().size(), 4u);  // the question only
  EXPECT_EQ(folder_.read(model + ".pdf"), "%PDF-1.4 from the site");
  EXPECT_EQ(network_.askedUrls.back(), platform::siteAddress() + "/content/files/durovidud/" + model + ".pdf");
  EXPECT_EQ(opener_.opened.size(), 2u);

  click(w().window, w().drawingButton);  // now on disk: no question
  EXPECT_EQ(toolkit_.messages().size(), 4u);
  EXPECT_EQ(opener_.opened.size(), 3u);
}

TEST_P(SelectionWindowTest, ASlowDownloadShowsItsProgressAndTheUserMayStopIt) {
  using namespace selection::drawing_progress;
  testing_support::LoopbackSite site;
  fillAndSelect();
  const std::string model = cell(1, 0);
  site.putFile(model + ".pdf", std::string(2000, '%'));  // trickled a byte at a time
  network_.moveTo(site.base("trickle"));
  selectRow(1);
  clock_.advanceOnEachReading(100);
  const int progress = w().drawingProgressWindow;
  enum class Stop { CancelButton, CloseBox, EscapeKey };
  for (const Stop stop : {Stop::CancelButton, Stop::CloseBox, Stop::EscapeKey}) {
    SCOPED_TRACE(static_cast<int>(stop));
    std::string title, received;
    bool parentEnabled = true;
    toolkit_.onJournal([&](const std::string& entry) {
      if (entry != "events " + std::to_string(progress) || !title.empty()) return;
      title = toolkit_.window(progress).layout.title;
      received = toolkit_.gadget(progress, kReceived).text;
      parentEnabled = toolkit_.windowEnabled(w().window);
      if (stop == Stop::CancelButton) toolkit_.click(progress, kCancelButton);
      if (stop == Stop::CloseBox) toolkit_.pressClose(progress);
      if (stop == Stop::EscapeKey) toolkit_.pressKey(progress, gui::Key::Escape);
    });
    const std::size_t messagesBefore = toolkit_.messages().size();
    toolkit_.answerNextMessage(MessageAnswer::Yes);
    click(w().window, w().drawingButton);
    toolkit_.onJournal({});

    EXPECT_EQ(title, w().drawingCaption);
    EXPECT_EQ(received, "Получено 0 КБ из 1 КБ");
    EXPECT_FALSE(parentEnabled);
    EXPECT_EQ(toolkit_.messages().size(), messagesBefore + 1);  // the question only, no failure
    EXPECT_FALSE(toolkit_.windowExists(progress));
    EXPECT_TRUE(toolkit_.windowEnabled(w().window));
    EXPECT_TRUE(opener_.opened.empty());
    EXPECT_TRUE(folder_.names().empty());
  }
}

TEST_P(SelectionWindowTest, TheEmptyRowHasNoDrawing) {
  click(w().window, w().selectButton);  // nothing chosen: the one empty row
  ASSERT_EQ(rows(), 1);
  selectRow(0);
  click(w().window, w().drawingButton);
  EXPECT_TRUE(toolkit_.messages().empty());
  EXPECT_TRUE(opener_.opened.empty());
  EXPECT_TRUE(network_.askedUrls.empty());
}

TEST_P(SelectionWindowTest, ChildWindowsDisableTheirParentUntilTheyClose) {
  const struct {
    int menu, child;
    int closeButton;
  } children[] = {{w().menuAbout, w().aboutWindow, 5}, {w().menuUserInfo, w().userInfoWindow, 12}};
  for (const auto& c : children) {
    SCOPED_TRACE(c.child);
    chooseMenu(w().window, c.menu);
    ASSERT_TRUE(toolkit_.windowShown(c.child));
    EXPECT_EQ(toolkit_.window(c.child).layout.parent, w().window);
    EXPECT_EQ(toolkit_.window(c.child).layout.placement, gui::Placement::CentreOnParentFrame);
    EXPECT_EQ(toolkit_.window(c.child).layout.style, gui::FrameStyle::Dialog);
    EXPECT_FALSE(toolkit_.windowEnabled(w().window));
    EXPECT_TRUE(toolkit_.windowEnabled(selection::kMainWindow));
    click(c.child, c.closeButton);
    EXPECT_FALSE(toolkit_.windowExists(c.child));
    EXPECT_TRUE(toolkit_.windowEnabled(w().window));
    chooseMenu(w().window, c.menu);
    toolkit_.pressClose(c.child);
    serve();
    EXPECT_FALSE(toolkit_.windowExists(c.child));
    EXPECT_TRUE(toolkit_.windowEnabled(w().window));
  }
  EXPECT_TRUE(toolkit_.messages().empty());  // children close without a question
}

TEST_P(SelectionWindowTest, AChildThatCannotOpenLeavesItsParentUsable) {
  toolkit_.failToOpen(w().aboutWindow);
  chooseMenu(w().window, w().menuAbout);
  EXPECT_FALSE(toolkit_.windowExists(w().aboutWindow));
  EXPECT_TRUE(toolkit_.windowEnabled(w().window));
}

INSTANTIATE_TEST_SUITE_P(BothWindows, SelectionWindowTest, ::testing::Values(kCooler, kCondenser),
                         [](const auto& info) { return std::string(info.param.name); });

// Both windows at once: two reports in a row leave only the second.
class BothSelectionWindowsTest : public testing_support::ProgramTest {};

TEST_F(BothSelectionWindowsTest, TwoReportsInARowLeaveOnlyTheSecond) {
  click(selection::kMainWindow, selection::kCoolerArea);
  click(selection::kMainWindow, selection::kCondenserArea);
  ASSERT_TRUE(toolkit_.windowShown(selection::kCoolerWindow));
  ASSERT_TRUE(toolkit_.windowShown(selection::kCondenserWindow));
  for (const WindowCase* w : {&kCooler, &kCondenser}) {
    for (const Step& step : w->form) {
      if (step.kind == Step::Choose) choose(w->window, step.gadget, step.value);
      if (step.kind == Step::Type) typeAndLeave(w->window, step.gadget, step.value);
    }
    click(w->window, w->selectButton);
    toolkit_.selectRow(w->window, w->list, 1);
    click(w->window, w->reportButton);
  }
  const std::string page = platform::fromWindows1251(folder_.read("orvex-selection.htm"));
  EXPECT_TRUE(page.starts_with(kCondenser.reportTitle)) << page.substr(0, 60);
  EXPECT_EQ(page.find("ВОЗДУХООХЛАДИТЕЛЬ"), std::string::npos);
  EXPECT_EQ(folder_.names().size(), 3u);
  EXPECT_EQ(opener_.opened.size(), 2u);
}

}  // namespace
