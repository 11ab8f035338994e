#pragma once
// The spreadsheet formats of the console program's rows: CSV for tools (RFC 4180, UTF-8, keys
// as the header), CSV for a Russian Excel (UTF-8 with a byte-order mark, ';' between cells,
// decimal commas, titles with units as the header) and an .xlsx workbook (numbers as numbers
// with the decimals the program prints, titles with units, the header row frozen, columns as
// wide as their texts). Every command that prints rows writes them through one of these; the
// aligned table and JSON keep their own shapes.

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "cli/table_text.h"
#include "sheets/sheet_writer.h"

namespace cli {

using sheets::decimalsOfNumber;
using sheets::SheetColumn;
using sheets::SheetWriter;

// A writer of one of the spreadsheet formats (Csv, ExcelCsv, Xlsx) into `out`; null for the
// table and JSON, which keep their own shapes.
std::unique_ptr<SheetWriter> makeSheetWriter(OutputFormat format, std::ostream& out);

}  // namespace cli
