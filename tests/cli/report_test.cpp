// orvex-select report writes, byte for byte, the page (and logo) the window writes for the same
// inputs and the same contact details file.

#include <gtest/gtest.h>

#include "platform/windows1251.h"
#include "selection/condenser_window_ids.h"
#include "selection/cooler_window_ids.h"
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

using namespace selection;

const ReportCase kCases[] = {
    {"cooler with every limit",
     selection::kCoolerWindow,
     selection::kCoolerArea,
     cooler::kResultList,
     cooler::kReportButton,
     cooler::kSelectButton,
     {{Step::Choose, cooler::kSeries, "ORVEX VK-M ( среднетемпературные )"},
      {Step::Choose, cooler::kEvaporatingTemperature, "-10"},
      {Step::Choose, cooler::kTemperatureDifference, "8"},
      {Step::Choose, cooler::kRefrigerant, "R404a/R507"},
      {Step::Type, cooler::kRequiredCapacity, "5.5"},
      {Step::Type, cooler::kMinAirThrow, "12"},
      {Step::Type, cooler::kMaxLength, "2000"},
      {Step::Type, cooler::kMaxWidth, "600"},
      {Step::Type, cooler::kProject, "Склад №3 & <Холод>"},
      {Step::Type, cooler::kContactPerson, "Иванов И. И."}},
     {"report",        "cooler",      "--series",     "VK-M",
      "--temperature", "-10",         "--difference", "8",
      "--refrigerant", "R404a/R507",  "--capacity",   "5.5",
      "--air-throw",   "12",          "--length",     "2000",
      "--width",       "600",         "--project",    "Склад №3 & <Холод>",
      "--contact",     "Иванов И. И."}},
    {"cooler without limits",
     selection::kCoolerWindow,
     selection::kCoolerArea,
     cooler::kResultList,
     cooler::kReportButton,
     cooler::kSelectButton,
     {{Step::Choose, cooler::kSeries, "ORVEX VP"},
      {Step::Choose, cooler::kEvaporatingTemperature, "-31"},
      {Step::Choose, cooler::kTemperatureDifference, "5"},
      {Step::Choose, cooler::kRefrigerant, "R22"},
      {Step::Type, cooler::kRequiredCapacity, "0.3"}},
     {"report", "cooler", "--series", "VP", "--temperature", "-31", "--difference", "5", "--refrigerant", "R22",
      "--capacity", "0.3"}},
    {"condenser, star, noise limit",
     selection::kCondenserWindow,
     selection::kCondenserArea,
     condenser::kResultList,
     condenser::kReportButton,
     condenser::kSelectButton,
     {{Step::Choose, condenser::kSeries, "ORVEX KD-500"},
      {Step::Choose, condenser::kAmbientTemperature, "32"},
      {Step::Choose, condenser::kTemperatureDifference, "10"},
      {Step::Choose, condenser::kRefrigerant, "R407a"},
      {Step::Type, condenser::kRequiredHeatRejection, "35"},
      {Step::Type, condenser::kNoiseLimit, "40"},
      {Step::Click, condenser::kStarConnection, ""},
      {Step::Type, condenser::kProject, "Rack A"}},
     {"report", "condenser", "--series", "KD-500", "--ambient", "32", "--difference", "10", "--refrigerant", "R407a",
      "--capacity", "35", "--noise", "40", "--connection", "star", "--project", "Rack A"}},
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

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
