// Bad input gets a clear answer: what is wrong, and the values that would be accepted.

#include <gtest/gtest.h>

#include "run_select.h"

namespace {

using testing_support::runSelect;

const std::vector<std::string> kCooler{"cooler", "--refrigerant", "R22", "--temperature", "-10", "--difference", "8"};
const std::vector<std::string> kCondenser{"condenser", "--series", "KD-500", "--ambient", "32", "--difference", "10",
                                          "--refrigerant", "R134a", "--capacity", "40"};

std::vector<std::string> with(std::vector<std::string> base, const std::vector<std::string>& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

TEST(BadInputTest, NamesWhatIsWrongAndWhatIsAccepted) {
  const struct {
    std::vector<std::string> arguments;
    std::string input;  // standard input
    int status;
    std::string said;  // on standard error, or standard output for help and version
  } cases[] = {
      {with(kCooler, {"--series", "VX", "--capacity", "1"}), "", 2,
       "cooler: --series: \"VX\" is no series here; accepted: VP (ORVEX VP), VK-M (ORVEX VK-M ( среднетемпературные )), "
       "VK-L (ORVEX VK-L ( низкотемпературные ))\n"},
      {with(kCooler, {"--series", "KD-500", "--capacity", "1"}), "", 2, "--series: \"KD-500\" is no series here"},
      {{"cooler", "--series", "VP", "--refrigerant", "R407a", "--temperature", "0", "--difference", "5", "--capacity", "1"},
       "", 2, "--refrigerant: \"R407a\" is not offered; accepted: R404a/R507, R22, R134a\n"},
      {{"cooler", "--series", "VK-M", "--refrigerant", "R22", "--temperature", "-40", "--difference", "5", "--capacity", "1"},
       "", 2, "--temperature: \"-40\" is not offered for ORVEX VK-M ( среднетемпературные ); accepted: 0, -5, -8, -10, "
       "-15, -20, -25, -30, -31, -35\n"},
      {with(kCooler, {"--series", "VP", "--capacity", "1,5"}), "", 2, "--capacity: \"1,5\" is not a number"},
      {with(kCooler, {"--series", "VP", "--capacity", "1", "--width", "wide"}), "", 2, "--width: \"wide\" is not a number"},
      {with(kCooler, {"--series", "VP"}), "", 2, "--capacity is required"},
      {with(kCooler, {"--series", "VP", "--capacity", "1500"}), "", 1, ""},  // the field's 999 kW: no model
      {with(kCondenser, {"--connection", "wye"}), "", 2, "--connection: \"wye\" is not offered; accepted: delta, star, both"},
      {with(kCondenser, {"--poles", "4,5"}), "", 2, "--poles: \"5\" is not offered; accepted: 4, 6, 8"},
      {with(kCondenser, {"--format", "xml"}), "", 2, "--format: \"xml\" is not a format"},
      {{"catalog", "--series", "KD-800"}, "", 2, "accepted: VP (ORVEX VP)"},
      {{"batch", "/nonexistent/duties.csv"}, "", 2, "cannot read /nonexistent/duties.csv"},
      {{"batch", "-"}, "series,refrigerant,temp,difference,capacity\n", 2,
       "header column 3 \"temp\" is not a column; accepted: name, series, refrigerant, temperature, ambient"},
      {{"batch", "-"}, "series,refrigerant,temperature,difference\n", 2, "the header names no \"capacity\" column"},
      {{"batch", "-"}, "", 2, "no header line"},
      {{"report", "cooler", "--series", "VP", "--refrigerant", "R22", "--temperature", "0", "--difference", "5",
        "--capacity", "900", "--out", "."}, "", 1, "no model covers the duty; the largest, "},
      {{"report", "cooler", "--series", "VP", "--refrigerant", "R22", "--temperature", "0", "--difference", "5",
        "--capacity", "1", "--out", "/nonexistent"}, "", 2, "--out: the folder \"/nonexistent\" does not exist"},
      {{"report", "cooler", "--series", "VP", "--refrigerant", "R22", "--temperature", "0", "--difference", "5",
        "--capacity", "1", "--user-info", "/nonexistent/my.ini"}, "", 2, "--user-info: no file \"/nonexistent/my.ini\""},
      {{"--version"}, "", 0, "2.2.0\n"},
      {{"batch", "--help"}, "", 0, "The first line names the columns"},
      // The command line's own mistakes, in the program's words.
      {{}, "", 2, "orvex-select: name a command: cooler, condenser, report, batch, catalog"},
      {{"coolr"}, "", 2, "\"coolr\" is not a command; commands: cooler, condenser, report, batch, catalog; did you mean \"cooler\"?"},
      {{"report", "condensor"}, "", 2, "orvex-select report: \"condensor\" is not a command; commands: cooler, condenser, project; did you mean \"condenser\"?"},
      {{"report"}, "", 2, "orvex-select report: name a command: cooler, condenser"},
      {{"batch", "-", "--colour"}, "", 2, "orvex-select batch: \"--colour\" is not an option here"},
      {with(kCooler, {"--series"}), "", 2, "orvex-select cooler: --series needs a value"},
      {with(kCooler, {"--series", "--capacity", "1"}), "", 2, "--series needs a value"},
      {with(kCondenser, {"--noise=", "40"}), "", 2, "orvex-select condenser: --noise: the value is empty"},
      {with(kCondenser, {"--format", "1"}), "", 2, "--format: \"1\" is not a format; accepted: table, csv, csv-excel-ru, json, xlsx"},
      // Control characters from the input are shown escaped.
      {{"batch", "-"}, "series,refrigerant,temperature,difference,capacity\nVK-M,R22\x1B[31m,-10,8,1\n", 1,
       "line 2, column 2 (refrigerant): \"R22\\x1B[31m\" is not offered"},
      {with(kCooler, {"--series", "V\xC2\x9B" "P", "--capacity", "1"}), "", 2, "\"V\\u009BP\" is no series here"},
  };
  for (const auto& c : cases) {
    const auto run = runSelect(c.arguments, c.input);
    EXPECT_EQ(run.err.find_first_of("\x1B\r\t"), std::string::npos) << "a control character reached the terminal";
    const std::string& said = c.status == 0 ? run.out : run.err;
    EXPECT_EQ(run.status, c.status) << c.arguments.front() << " " << run.err;
    EXPECT_NE(said.find(c.said), std::string::npos) << "said: " << said << "\nexpected: " << c.said;
    if (c.status == 2) {
      EXPECT_EQ(run.out, "") << "refused input still wrote: " << run.out;
    }
  }
}

}  // namespace

TEST(BadInputTest, AWorkbookIsNotWrittenToATerminal) {
  const auto run = runSelect({"catalog", "--format", "xlsx"}, "", true);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("a workbook is not for a terminal; name a file with --output FILE"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}
