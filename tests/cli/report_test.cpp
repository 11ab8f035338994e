// orvex-select report writes, byte for byte, the page (and logo) the window writes for the same
// inputs and the same contact details file.

#include <gtest/gtest.h>

#include "platform/windows1251.h"
#include "selection/form_layout.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"
#include "run_select.h"

namespace {

// One user step on the form: choose an item, type into a field and leave it, or click.
struct Step {
  enum Kind { Choose, Type, Click } kind;
  int gadget;
  std::string value;
};

struct ReportCase {
  const char* name;
  int window, openerArea, list, reportButton, selectButton;
  std::vector<Step> form;
  std::vector<std::string> command;
};

const ReportCase kCases[] = {
    {"cooler with every limit", selection::kCoolerWindow, selection::kCoolerArea, 27, 31, 30,
     {{Step::Choose, 18, "ORVEX VK-M ( среднетемпературные )"}, {Step::Choose, 21, "-10"}, {Step::Choose, 22, "8"},
      {Step::Choose, 13, "R404a/R507"}, {Step::Type, 14, "5.5"}, {Step::Type, 23, "12"}, {Step::Type, 24, "2000"},
      {Step::Type, 25, "600"}, {Step::Type, 28, "Склад №3 & <Холод>"}, {Step::Type, 29, "Иванов И. И."}},
     {"report", "cooler", "--series", "VK-M", "--temperature", "-10", "--difference", "8", "--refrigerant",
      "R404a/R507", "--capacity", "5.5", "--air-throw", "12", "--length", "2000", "--width", "600", "--project",
      "Склад №3 & <Холод>", "--contact", "Иванов И. И."}},
    {"cooler without limits", selection::kCoolerWindow, selection::kCoolerArea, 27, 31, 30,
     {{Step::Choose, 18, "ORVEX VP"}, {Step::Choose, 21, "-31"}, {Step::Choose, 22, "5"}, {Step::Choose, 13, "R22"},
      {Step::Type, 14, "0.3"}},
     {"report", "cooler", "--series", "VP", "--temperature", "-31", "--difference", "5", "--refrigerant", "R22",
      "--capacity", "0.3"}},
    {"condenser, star, noise limit", selection::kCondenserWindow, selection::kCondenserArea, 52, 54, 53,
     {{Step::Choose, 41, "ORVEX KD-500"}, {Step::Choose, 35, "32"}, {Step::Choose, 36, "10"}, {Step::Choose, 40, "R407a"},
      {Step::Type, 39, "35"}, {Step::Type, 43, "40"}, {Step::Click, 44, ""}, {Step::Type, 49, "Rack A"}},
     {"report", "condenser", "--series", "KD-500", "--ambient", "32", "--difference", "10", "--refrigerant", "R407a",
      "--capacity", "35", "--noise", "40", "--connection", "star", "--project", "Rack A"}},
};

class ReportTest : public testing_support::ProgramTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(ReportTest, PageIsTheWindowsByteForByte) {
  const ReportCase& c = GetParam();
  folder_.write("orvex-selection.ini",
                *platform::toWindows1251("[Информация о пользователе]\r\nКомпания = Холод & Ко\r\nМенеджер = Петров\r\n"));
  click(selection::kMainWindow, c.openerArea);
  for (const Step& step : c.form) {
    if (step.kind == Step::Choose) choose(c.window, step.gadget, step.value);
    if (step.kind == Step::Type) typeAndLeave(c.window, step.gadget, step.value);
    if (step.kind == Step::Click) click(c.window, step.gadget);
  }
  click(c.window, c.selectButton);
  const auto& styles = toolkit_.gadget(c.window, c.list).rowStyles;
  const auto chosen = std::find_if(styles.begin(), styles.end(), [](const gui::RowStyle& style) {
    return style.background == selection::kChosenRowBackground;
  });
  ASSERT_NE(chosen, styles.end());
  ASSERT_FALSE(toolkit_.cellText(c.window, c.list, int(chosen - styles.begin()), 0).empty());
  toolkit_.selectRow(c.window, c.list, int(chosen - styles.begin()));
  click(c.window, c.reportButton);

  testing_support::ScratchFolder console;
  std::vector<std::string> command = c.command;
  command.insert(command.end(), {"--user-info", folder_.pathOf("orvex-selection.ini"), "--out", console.path()});
  const auto run = testing_support::runSelect(command);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, console.pathOf("orvex-selection.htm") + "\n");
  for (const char* file : {"orvex-selection.htm", "orvex-selection.png", "favicon.ico"}) {
    EXPECT_FALSE(folder_.read(file).empty()) << file;
    EXPECT_EQ(console.read(file), folder_.read(file)) << file;
  }
}

INSTANTIATE_TEST_SUITE_P(BothKinds, ReportTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::to_string(info.index); });

}  // namespace
