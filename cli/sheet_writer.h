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

namespace cli {

struct SheetColumn {
  std::string_view key;    // CSV's header and JSON's key
  std::string_view title;  // for people, with the unit: "Qo (кВт)", "capacity (kW)"
  bool numeric = false;    // a cell that is a plain decimal number is a number
};

class SheetWriter {
 public:
  virtual ~SheetWriter() = default;
  virtual void header(std::span<const SheetColumn> columns) = 0;
  virtual void row(std::span<const std::string> cells) = 0;
  // Completes the output; false, with the reason in `error`, when it could not be made.
  virtual bool finish(std::string& error) = 0;
};

// A writer of one of the spreadsheet formats (Csv, ExcelCsv, Xlsx) into `out`; null for the
// table and JSON, which keep their own shapes.
std::unique_ptr<SheetWriter> makeSheetWriter(OutputFormat format, std::ostream& out);

// The .xlsx writer (xlsx_sheet.cpp).
std::unique_ptr<SheetWriter> makeXlsxSheetWriter(std::ostream& out);

// The decimals of a cell that is a plain decimal number ("-12.50" has 2); nothing for any
// other text.
std::optional<int> decimalsOfNumber(std::string_view text);

}  // namespace cli
