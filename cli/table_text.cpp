#include "cli/table_text.h"

#include <algorithm>

#include <csv.h>

namespace cli {

void writeTableLine(std::ostream& out, std::span<const std::string> cells, std::span<const std::size_t> widths) {
  std::string line;
  for (std::size_t column = 0; column < cells.size(); ++column) {
    line += cells[column];
    if (column + 1 < cells.size()) line.append(widths[column] + 2 - std::min(widths[column], displayWidth(cells[column])), ' ');
  }
  line.erase(line.find_last_not_of(' ') + 1);
  out << line << '\n';
}

void writeCsvRecord(std::ostream& out, std::span<const std::string> cells, char separator) {
  const char needsQuotes[] = {separator, '"', '\r', '\n', '\0'};
  std::string line;
  for (const std::string& cell : cells) {
    if (&cell != cells.data()) line += separator;
    if (cell.find_first_of(needsQuotes) == std::string::npos) {
      line += cell;
      continue;
    }
    // At most every character doubled, and the two quotes around it.
    std::string quotedCell(cell.size() * 2 + 2, '\0');
    quotedCell.resize(csv_write(quotedCell.data(), quotedCell.size(), cell.data(), cell.size()));
    line += quotedCell;
  }
  out << line << '\n';
}

void writeTable(std::ostream& out, std::span<const std::string> titles,
                const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const std::string& title : titles) widths.push_back(displayWidth(title));
  for (const auto& row : rows)
    for (std::size_t column = 0; column < row.size() && column < widths.size(); ++column)
      widths[column] = std::max(widths[column], displayWidth(row[column]));
  writeTableLine(out, titles, widths);
  for (const auto& row : rows) writeTableLine(out, row, widths);
}

}  // namespace cli
