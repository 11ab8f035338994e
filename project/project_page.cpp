#include "project/project_page.h"

#include "platform/site.h"
#include "report/html_text.h"
#include "report/report_layouts.h"

namespace project {
namespace {

constexpr std::string_view kTableStart = R"(<table cellpadding="5">)";

// A4 portrait, 15 mm margins: 180 mm of printable width. Headers may wrap, so that the widest
// table of a position fits it, and a position's section stays on one page when it can. On paper
// the text and the spacing are tighter, so that three or four positions share a page.
constexpr std::string_view kPrintRules[] = {
    R"(@page { size: A4 portrait; margin: 15mm; })",
    R"(@media print { a, a * { display: none !important; } body { font-size: 9pt; } h1 { font-size: 15pt; })",
    R"(h2 { font-size: 11pt; margin: 9pt 0 4pt; } h3 { font-size: 9pt; margin: 5pt 0 3pt; } td, th { padding: 2pt 4pt; } })",
    R"(table { max-width: 180mm; } th { white-space: normal; })",
    R"(.position { page-break-inside: avoid; break-inside: avoid; })",
};

// A summary cell: "<td>text</td>", the text escaped.
std::string cell(const std::string& text) {
  std::string line("<td>");
  line += report::escapeHtml(text);
  line += "</td>";
  return line;
}

void appendSummary(std::vector<std::string>& lines, const std::vector<Position>& positions,
                   const std::vector<PositionFigures>& figures) {
  lines.emplace_back("<h2>Сводная таблица</h2>");
  lines.emplace_back(kTableStart);
  lines.emplace_back(
      "<tr><th>№</th><th>Позиция</th><th>Оборудование</th><th>Модель</th><th>Кол-во</th><th>Q ед. (кВт)</th>"
      "<th>Q всего (кВт)</th><th>Треб. (кВт)</th><th>Откл. (%)</th></tr>");
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const Position& position = positions[i];
    const PositionFigures& figure = figures[i];
    lines.push_back("<tr>" + cell(std::to_string(i + 1)) + R"(<td class="fmt">)" +
                    report::escapeHtml(position.name) + "</td>" +
                    cell(figure.cooler ? "в/о" : "конденсатор") + cell(position.model) +
                    cell(std::to_string(position.quantity)) + cell(figure.unitKilowatts) +
                    cell(figure.totalKilowatts) + cell(figure.requiredKilowatts) +
                    cell(figure.deviation) + "</tr>");
  }
  lines.push_back(R"(<tr><th class="fmt" colspan="9">)" + report::escapeHtml(totalsText(totalsOf(positions, figures))) +
                  "</th></tr>");
  lines.emplace_back("</table>");
}

void appendPosition(std::vector<std::string>& lines, std::size_t number, const Position& position,
                    const PositionFigures& figures) {
  const report::ReportLayout& layout = figures.cooler ? report::kCoolerReport : report::kCondenserReport;
  report::ReportValues values;
  values.conditions = figures.reportConditions;
  if (const selection::ResultRow* kept = keptRow(figures))
    std::copy(kept->cells.begin(), kept->cells.end(), values.cells.begin());
  lines.emplace_back(R"(<div class="position">)");
  lines.push_back("<h2>" + std::to_string(number) + ". " + report::escapeHtml(position.name) + ": " +
                  std::string(layout.modelHeadingWord) + R"( <font color="#000000">)" +
                  report::escapeHtml(position.model) + "</font>, " + std::to_string(position.quantity) +
                  " шт.</h2>");
  lines.emplace_back("<h3>Исходные данные</h3>");
  report::appendConditionTable(lines, layout, values);
  lines.emplace_back("<h3>Характеристики</h3>");
  report::appendResultTables(lines, layout, values);
  lines.emplace_back("</div>");
}

}  // namespace

std::vector<std::string> composeProjectPage(std::string_view projectName, const report::ReportValues& contact,
                                            const std::vector<Position>& positions,
                                            const std::vector<PositionFigures>& figures) {
  const std::string name = report::escapeHtml(std::string(projectName));
  std::vector<std::string> lines;
  lines.reserve(40 + positions.size() * 30);
  lines.emplace_back(R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1251">)");
  lines.push_back("<title>ПРОЕКТ " + name + "</title>");
  lines.emplace_back(R"(<link rel="shortcut icon" href="favicon.ico" type="image/x-icon">)");
  lines.emplace_back("<style>");
  lines.insert(lines.end(), std::begin(kPrintRules), std::end(kPrintRules));
  report::appendStyleRules(lines);
  lines.emplace_back("</style></head>");
  lines.emplace_back("<body>");
  lines.emplace_back("<h1>Подбор оборудования ORVEX&reg; по проекту</h1>");
  lines.emplace_back("<h2>Данные о проекте</h2>");
  lines.emplace_back(
      R"(<p><img align="right" border="0" src="orvex-selection.png" width="155" height="101"></p>)");
  report::appendContactTable(lines, contact);
  lines.emplace_back(kTableStart);
  lines.push_back(R"(<tr><th class="fmt">Проект</th><td class="fmt">)" + name + "</td></tr>");
  lines.emplace_back("</table>");
  appendSummary(lines, positions, figures);
  for (std::size_t i = 0; i < positions.size() && i < figures.size(); ++i)
    appendPosition(lines, i + 1, positions[i], figures[i]);
  lines.push_back(R"(<p align="right">Подбор выполнен программой <b>ORVEX-selection</b> версии <b>)" +
                  platform::programVersion() + "</b></p>");
  lines.emplace_back(R"~(<p><a href="#" onClick="javascript:window.print()">[Распечатать протокол по проекту]</a></p>)~");
  lines.emplace_back("</body></html>");
  return lines;
}

}  // namespace project
