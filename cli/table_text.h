#pragma once
// Writing records in the console program's three output formats: an aligned table for people,
// CSV and JSON for other tools. Every value is a text, written as it stands.

#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class OutputFormat { Table, Csv, Json };

// The width of a text on a terminal: one column per UTF-8 character.
std::size_t displayWidth(std::string_view text);

// Writes the cells as one CSV record, quoting a cell only where it needs quotes.
void writeCsvRecord(std::ostream& out, std::span<const std::string> cells);

// Writes the rows under their titles, each column as wide as its widest text, two blanks apart.
void writeTable(std::ostream& out, std::span<const std::string> titles,
                const std::vector<std::vector<std::string>>& rows);

// Writes one line of a table: each cell padded to its column's width, two blanks apart, no
// blanks at the end.
void writeTableLine(std::ostream& out, std::span<const std::string> cells, std::span<const std::size_t> widths);

}  // namespace cli
