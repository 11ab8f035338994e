#include "report/report_page.h"

#include "platform/site.h"
#include "platform/url_text.h"
#include "platform/windows1251.h"
#include "report/html_text.h"

namespace report {
namespace {

// The page's look, which a project's page shares.
constexpr std::string_view kStyleRules[] = {
    R"(body {background-color: #FFFFFF; color: #000000;})",
    R"(h1 {color: #DE231E;} h2 {color: #004289;})",
    R"(table, td, th {border: 1px solid #000000; border-collapse: collapse;})",
    R"(th {background-color: #99CCFF;})",
    R"(td {background-color: #EAF1F4; text-align: center;})",
    R"(td.img {background-color: #FFFFFF;})",
    R"(th.fmt, td.fmt {text-align: left;})",
    R"(a:link {color: #004289;} a:visited {color: #004289;})",
    R"(a:hover, a:active {color: #DE231E;})",
};

constexpr std::string_view kIconLine = R"(<link rel="shortcut icon" href="favicon.ico" type="image/x-icon">)";
constexpr std::string_view kTableStart = R"(<table cellpadding="5">)";
constexpr std::string_view kDrawingFolder = "/content/files/durovidud/";
constexpr std::string_view kDrawingExtension = ".pdf";

std::string labelledRow(std::string_view label, const std::string& value) {
  return std::string(R"(<tr><th class="fmt">)") + std::string(label) + R"(</th><td class="fmt">)" +
         escapeHtml(value) + "</td></tr>";
}

std::string conditionText(const ReportValues& values, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= values.conditions.size()) return {};
  return values.conditions[static_cast<std::size_t>(index)];
}

std::string conditionLine(const ConditionLine& line, const ReportValues& values) {
  if (line.value == kNoValue) return std::string(line.before);
  const std::string value = conditionText(values, line.value);
  if (line.optional && value.empty()) return std::string(kBlankConditionPair);
  return std::string(line.before) + escapeHtml(value) + std::string(line.after);
}

// Cells first to last of the selected row as one table row, one cell per line.
void appendCellRow(std::vector<std::string>& lines, const ReportValues& values, int first,
                   int last) {
  for (int k = first; k <= last; ++k) {
    std::string line = k == first ? "<tr><td>" : "<td>";
    line += escapeHtml(values.cells[static_cast<std::size_t>(k)]);
    line += k == last ? "</td></tr>" : "</td>";
    lines.push_back(std::move(line));
  }
}

std::string drawingLink(const ReportValues& values) {
  const std::string url = values.siteAddress + std::string(kDrawingFolder) +
                          platform::percentEncodePathSegment(values.cells[0]) +
                          std::string(kDrawingExtension);
  return R"(<p><a href=")" + escapeHtml(url) + R"(">[Посмотреть/Распечатать чертеж]</a>)";
}

}  // namespace

void appendStyleRules(std::vector<std::string>& lines) {
  lines.insert(lines.end(), std::begin(kStyleRules), std::end(kStyleRules));
}

void appendContactTable(std::vector<std::string>& lines, const ReportValues& values) {
  lines.emplace_back(kTableStart);
  lines.push_back(labelledRow("Компания", values.company));
  lines.push_back(labelledRow("Адрес", values.address));
  lines.push_back(labelledRow("Телефон/факс", values.phoneFax));
  lines.push_back(labelledRow("E-mail", values.email));
  lines.push_back(labelledRow("Менеджер", values.manager));
  lines.emplace_back("</table><br>");
}

void appendConditionTable(std::vector<std::string>& lines, const ReportLayout& layout, const ReportValues& values) {
  lines.emplace_back(kTableStart);
  for (const ConditionLine& line : layout.conditionLines) {
    lines.push_back(conditionLine(line, values));
  }
  lines.emplace_back("</table>");
}

void appendResultTables(std::vector<std::string>& lines, const ReportLayout& layout, const ReportValues& values) {
  lines.emplace_back(kTableStart);
  lines.emplace_back(layout.performanceHeader);
  appendCellRow(lines, values, 1, 7);
  lines.emplace_back("</table>");
  lines.emplace_back("<h3>Электрические характеристики</h3>");
  lines.emplace_back(kTableStart);
  lines.emplace_back(layout.electricalHeader);
  appendCellRow(lines, values, 8, 12);
  lines.emplace_back("</table>");
}

std::vector<std::string> composeReportPage(const ReportLayout& layout, const ReportValues& values) {
  const std::string model = escapeHtml(values.cells[0]);
  std::vector<std::string> lines;
  lines.reserve(80);
  lines.push_back("<html><head><title>" + std::string(layout.titleWord) + " " + model + "</title>");
  lines.emplace_back(kIconLine);
  lines.emplace_back(R"(<style>@media print { a, a * { display: none !important; } .newpage { page-break-before: always; } })");
  appendStyleRules(lines);
  lines.emplace_back("</style></head>");
  lines.emplace_back("<body>");
  lines.push_back("<h1>" + std::string(layout.heading) + "</h1>");
  lines.emplace_back("<h2>Данные о проекте</h2>");
  lines.emplace_back(
      R"(<p><img align="right" border="0" src="orvex-selection.png" width="155" height="101"></p>)");
  appendContactTable(lines, values);
  lines.emplace_back(kTableStart);
  lines.push_back(labelledRow("Проект", values.project));
  lines.push_back(labelledRow("Контактное лицо", values.contactPerson));
  lines.emplace_back("</table>");
  lines.emplace_back("<h2>Исходные данные</h2>");
  appendConditionTable(lines, layout, values);
  lines.push_back("<h2>" + std::string(layout.modelHeadingWord) + R"( <font color="#000000">)" +
                  model + "</font></h2>");
  appendResultTables(lines, layout, values);
  lines.push_back(R"(<p align="right">Подбор выполнен программой <b>ORVEX-selection</b> версии <b>)" +
                  platform::programVersion() + "</b></p>");
  lines.push_back(drawingLink(values));
  lines.emplace_back(R"~(<a href="#" onClick="javascript:window.print()">[Распечатать протокол расчета]</a></p>)~");
  lines.emplace_back("</body></html>");
  return lines;
}

std::string reportPageBytes(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return platform::toWindows1251WithReferences(text);
}

}  // namespace report
