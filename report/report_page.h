#pragma once
// The selection report page: one composer for both selection windows. What differs between
// the air cooler and the condenser report is a ReportLayout (report_layouts.h); everything
// the page shows comes in as ReportValues. Pure: values in, lines of text out.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace report {

inline constexpr int kNoValue = -1;

// One line of the design-condition table: a fixed line (value == kNoValue), or a form value
// between two fixed parts. An optional limit whose value is empty is written as a blank
// label/value pair instead.
struct ConditionLine {
  std::string_view before;
  int value = kNoValue;  // index into ReportValues::conditions
  std::string_view after = {};
  bool optional = false;
};

// A blank label/value pair that ends its table row.
inline constexpr std::string_view kBlankConditionPair = R"(<td class="img" colspan="2">&nbsp;</td></tr>)";

struct ReportLayout {
  std::string_view titleWord;     // page title, before the model name
  std::string_view heading;       // the page's h1 heading (markup)
  std::span<const ConditionLine> conditionLines;
  std::string_view modelHeadingWord;   // heading of the result, before the model name
  std::string_view performanceHeader;  // the header row over cells 1 to 7
  std::string_view electricalHeader;   // the header row over cells 8 to 12
};

inline constexpr int kResultCells = 13;

// All texts as the program holds them (UTF-8, unescaped).
struct ReportValues {
  std::string company;
  std::string address;
  std::string phoneFax;
  std::string email;
  std::string manager;
  std::string project;
  std::string contactPerson;
  std::vector<std::string> conditions;  // the form's texts, indexed as the layout says
  std::array<std::string, kResultCells> cells;  // the selected row; cell 0 is the model
  std::string siteAddress;  // scheme and host of the maker's site, for the drawing link
};

// The page's lines, without line ends. Values are HTML-escaped; the drawing's file name in
// the link is percent-encoded. A condition index beyond the given texts reads as empty.
std::vector<std::string> composeReportPage(const ReportLayout& layout, const ReportValues& values);

// The parts of the page a project's page shares: the look (the style sheet's rules, without
// <style>), and the maker's contact details as a table ("Компания" to "Менеджер").
void appendStyleRules(std::vector<std::string>& lines);
void appendContactTable(std::vector<std::string>& lines, const ReportValues& values);
// The parts of the page a project's page shows for each of its positions: the design-condition
// table, and the tables of the selected row (performance, then the electrical data under its
// own heading).
void appendConditionTable(std::vector<std::string>& lines, const ReportLayout& layout, const ReportValues& values);
void appendResultTables(std::vector<std::string>& lines, const ReportLayout& layout, const ReportValues& values);

// The page file's bytes: every line ended with CR LF, in Windows-1251; characters that
// Windows-1251 cannot hold become numeric character references.
std::string reportPageBytes(const std::vector<std::string>& lines);

}  // namespace report
