#pragma once
// Writing records in the console program's text formats: an aligned table for people, CSV for
// other tools (see sheet_writer.h for the spreadsheet formats). Every value is a text, written
// as it stands.

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/utf8_text.h"

namespace cli {

// Table: aligned columns; Csv: RFC 4180 UTF-8; ExcelCsv: CSV as a Russian Excel opens it;
// Json; Xlsx: an Excel workbook.
enum class OutputFormat { Table, Csv, ExcelCsv, Json, Xlsx };

using platform::displayWidth;

// Writes the cells as one CSV record, quoting a cell only where it needs quotes.
void writeCsvRecord(std::ostream& out, std::span<const std::string> cells, char separator = ',');

// Writes the rows under their titles, each column as wide as its widest text, two blanks apart.
void writeTable(std::ostream& out, std::span<const std::string> titles,
                const std::vector<std::vector<std::string>>& rows);

// Writes one line of a table: each cell padded to its column's width, two blanks apart, no
// blanks at the end.
void writeTableLine(std::ostream& out, std::span<const std::string> cells, std::span<const std::size_t> widths);

}  // namespace cli
