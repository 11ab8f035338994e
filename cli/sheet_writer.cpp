#include "cli/sheet_writer.h"

#include <vector>

namespace cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// CSV for tools: the keys as the header, every cell as it stands.
class CsvSheet final : public SheetWriter {
 public:
  explicit CsvSheet(std::ostream& out) : out_(out) {}
  void header(std::span<const SheetColumn> columns) override {
    std::vector<std::string> keys;
    for (const SheetColumn& column : columns) keys.emplace_back(column.key);
    writeCsvRecord(out_, keys);
  }
  void row(std::span<const std::string> cells) override { writeCsvRecord(out_, cells); }
  bool finish(std::string&) override { return true; }

 private:
  std::ostream& out_;
};

// CSV as a Russian Excel opens it by a double click: it takes a file with a UTF-8 byte-order
// mark as UTF-8, splits cells on ';' and reads numbers with a decimal comma.
class ExcelCsvSheet final : public SheetWriter {
 public:
  explicit ExcelCsvSheet(std::ostream& out) : out_(out) {}
  void header(std::span<const SheetColumn> columns) override {
    columns_.assign(columns.begin(), columns.end());
    std::vector<std::string> titles;
    for (const SheetColumn& column : columns) titles.emplace_back(column.title);
    out_ << kByteOrderMark;
    writeCsvRecord(out_, titles, ';');
  }
  void row(std::span<const std::string> cells) override {
    std::vector<std::string> written(cells.begin(), cells.end());
    for (std::size_t column = 0; column < written.size() && column < columns_.size(); ++column) {
      if (!columns_[column].numeric || !decimalsOfNumber(written[column])) continue;
      if (const auto point = written[column].find('.'); point != std::string::npos) written[column][point] = ',';
    }
    writeCsvRecord(out_, written, ';');
  }
  bool finish(std::string&) override { return true; }

 private:
  std::ostream& out_;
  std::vector<SheetColumn> columns_;
};

}  // namespace

std::unique_ptr<SheetWriter> makeSheetWriter(OutputFormat format, std::ostream& out) {
  switch (format) {
    case OutputFormat::ExcelCsv: return std::make_unique<ExcelCsvSheet>(out);
    case OutputFormat::Xlsx: return sheets::makeXlsxSheetWriter(out);
    case OutputFormat::Csv: return std::make_unique<CsvSheet>(out);
    case OutputFormat::Table:
    case OutputFormat::Json: break;
  }
  return nullptr;
}

}  // namespace cli
