#pragma once
// Rows written as a spreadsheet, one writer per format: a header of columns, then rows of
// texts, and a cell that is a plain decimal number in a numeric column becomes a number with
// the decimals it was printed with. The .xlsx workbook (libxlsxwriter) is here, shared by the
// console program and the project window; the console program adds its CSV formats.

#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace sheets {

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
  // A row of the program's own totals: a cell that begins with '=' is a formula (the
  // number after it in `results` is its value until the spreadsheet recalculates). Formats
  // without formulas write the cells as a row.
  virtual void formulaRow(std::span<const std::string> cells, std::span<const double> results) {
    (void)results;
    row(cells);
  }
  // Completes the output; false, with the reason in `error`, when it could not be made.
  virtual bool finish(std::string& error) = 0;
};

// The .xlsx writer into `out`: numbers as numbers, titles bold in a frozen header row,
// columns as wide as their texts.
std::unique_ptr<SheetWriter> makeXlsxSheetWriter(std::ostream& out);

// The decimals of a cell that is a plain decimal number ("-12.50" has 2); nothing for any
// other text.
std::optional<int> decimalsOfNumber(std::string_view text);

}  // namespace sheets
