#include "project/project_workbook.h"

#include <array>

#include "project/project_table.h"
#include "sheets/sheet_writer.h"

namespace project {
namespace {

// The table's columns that hold numbers: №, Кол-во, the capacities, the deviation, t and Δt.
constexpr std::array<bool, kProjectColumns.size()> kNumeric{true, false, false, false, false, true, true,
                                                           true, true, true,  false, true,  true};
constexpr int kEquipmentColumn = 2, kQuantityColumn = 5, kTotalColumn = 7;

// "C", "F", "H": a column's letter (the table has fewer than 27 columns).
std::string letter(int column) { return std::string(1, static_cast<char>('A' + column)); }

// "=SUMIF(C2:C4,"в/о",F2:F4)": a column's sum over the rows of one kind of equipment.
std::string sumOfKind(int column, const std::string& kind, std::size_t lastRow) {
  const std::string rows = std::to_string(lastRow);
  return "=SUMIF(" + letter(kEquipmentColumn) + "2:" + letter(kEquipmentColumn) + rows + ",\"" + kind + "\"," +
         letter(column) + "2:" + letter(column) + rows + ")";
}

}  // namespace

bool writeProjectWorkbook(std::ostream& out, const std::vector<Position>& positions, std::string& error) {
  std::vector<sheets::SheetColumn> columns;
  for (std::size_t column = 0; column < kProjectColumns.size(); ++column)
    columns.push_back({kProjectColumns[column].title, kProjectColumns[column].title, kNumeric[column]});
  const std::unique_ptr<sheets::SheetWriter> sheet = sheets::makeXlsxSheetWriter(out);
  sheet->header(columns);
  std::vector<PositionFigures> figures;
  for (std::size_t index = 0; index < positions.size(); ++index) {
    figures.push_back(figuresOf(positions[index]));
    sheet->row(positionCells(index + 1, positions[index], figures.back()));
  }
  const ProjectTotals totals = totalsOf(positions, figures);
  const std::size_t lastRow = positions.size() + 1;  // under the header
  const struct {
    const char* title;
    const char* kind;
    KindTotals sums;
  } kinds[] = {{"Итого в/о", "в/о", totals.coolers}, {"Итого конденсаторы", "конденсатор", totals.condensers}};
  for (const auto& kind : kinds) {
    std::vector<std::string> cells(kProjectColumns.size());
    cells[1] = kind.title;
    cells[kQuantityColumn] = sumOfKind(kQuantityColumn, kind.kind, lastRow);
    cells[kTotalColumn] = sumOfKind(kTotalColumn, kind.kind, lastRow);
    const double results[] = {static_cast<double>(kind.sums.units), kind.sums.kilowatts};
    sheet->formulaRow(cells, results);
  }
  return sheet->finish(error);
}

}  // namespace project
