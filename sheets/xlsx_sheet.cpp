// The .xlsx writer of rows (libxlsxwriter). libxlsxwriter writes a
// workbook into a file of its own: it goes to a temporary file, whose bytes are then written to
// the command's output like any other format's. libxlsxwriter built with MinGW opens files by
// narrow paths, so the temporary folder is given to it in the form the C library reads.

#include <xlsxwriter.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <system_error>
#include <vector>

#include "sheets/sheet_writer.h"
#include "platform/file_queries.h"
#include "platform/temporary_names.h"
#include "platform/utf8_paths.h"
#include "platform/utf8_text.h"

namespace sheets {
namespace {

constexpr const char* kSheetName = "ORVEX";
constexpr double kMaxColumnWidth = 60;

class XlsxSheet final : public SheetWriter {
 public:
  explicit XlsxSheet(std::ostream& out) : out_(out) {
    std::error_code error;
    folder_ = platform::utf8FromPath(std::filesystem::temp_directory_path(error));
    const std::string name = platform::temporaryNameOf("orvex-selection.xlsx", std::random_device{}());
    path_ = platform::pathFromUtf8(folder_) / name;
    tmpdir_ = platform::folderForNarrowPaths(folder_);
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to the file as they come: a batch of any length
    options.tmpdir = tmpdir_.data();
    workbook_ = workbook_new_opt((tmpdir_ + "/" + name).c_str(), &options);
    if (!workbook_) return;
    worksheet_ = workbook_add_worksheet(workbook_, kSheetName);
    bold_ = workbook_add_format(workbook_);
    format_set_bold(bold_);
  }
  ~XlsxSheet() override {
    if (workbook_) workbook_close(workbook_);
    std::error_code error;
    std::filesystem::remove(path_, error);
  }

  void header(std::span<const SheetColumn> columns) override {
    columns_.assign(columns.begin(), columns.end());
    if (!worksheet_) return;
    for (std::size_t column = 0; column < columns.size(); ++column) {
      const std::string title(columns[column].title);
      worksheet_write_string(worksheet_, 0, static_cast<lxw_col_t>(column), title.c_str(), bold_);
      widths_.push_back(platform::displayWidth(title));
    }
    worksheet_freeze_panes(worksheet_, 1, 0);
    row_ = 1;
  }

  void row(std::span<const std::string> cells) override {
    if (!worksheet_) return;
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const std::string& text = cells[column];
      const auto at = static_cast<lxw_col_t>(column);
      if (column >= widths_.size()) widths_.push_back(0);
      widths_[column] = std::max(widths_[column], platform::displayWidth(text));
      const std::optional<int> decimals = column < columns_.size() && columns_[column].numeric
                                              ? decimalsOfNumber(text)
                                              : std::nullopt;
      double value = 0;
      if (decimals && std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc()) {
        worksheet_write_number(worksheet_, row_, at, value, numberFormat(*decimals));
      } else if (!text.empty()) {
        worksheet_write_string(worksheet_, row_, at, text.c_str(), nullptr);
      }
    }
    ++row_;
  }

  void formulaRow(std::span<const std::string> cells, std::span<const double> results) override {
    if (!worksheet_) return;
    std::size_t result = 0;
    for (std::size_t column = 0; column < cells.size(); ++column) {
      const std::string& text = cells[column];
      const auto at = static_cast<lxw_col_t>(column);
      if (!text.empty() && text.front() == '=') {
        const double value = result < results.size() ? results[result++] : 0;
        worksheet_write_formula_num(worksheet_, row_, at, text.c_str(), bold_, value);
      } else if (!text.empty()) {
        worksheet_write_string(worksheet_, row_, at, text.c_str(), bold_);
      }
    }
    ++row_;
  }

  bool finish(std::string& error) override {
    if (!worksheet_) {
      error = "cannot make a workbook in " + folder_;
      return false;
    }
    for (std::size_t column = 0; column < widths_.size(); ++column) {
      const double width = std::min(kMaxColumnWidth, static_cast<double>(widths_[column]) + 2);
      worksheet_set_column(worksheet_, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column), width, nullptr);
    }
    const lxw_error closed = workbook_close(workbook_);
    workbook_ = nullptr;
    if (closed != LXW_NO_ERROR) {
      error = std::string("cannot write the workbook: ") + lxw_strerror(closed);
      return false;
    }
    std::ifstream in(path_, std::ios::binary);
    out_ << in.rdbuf();
    if (!in) {
      error = "cannot read the workbook back from " + folder_;
      return false;
    }
    return true;
  }

 private:
  // "0", "0.0", "0.000": a number shows the decimals the program prints.
  lxw_format* numberFormat(int decimals) {
    lxw_format*& format = numberFormats_[decimals];
    if (!format) {
      format = workbook_add_format(workbook_);
      const std::string pattern = decimals == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
      format_set_num_format(format, pattern.c_str());
    }
    return format;
  }

  std::ostream& out_;
  std::filesystem::path path_;
  std::string folder_;  // the temporary folder, as a message names it
  std::string tmpdir_;  // the same, as libxlsxwriter opens it
  lxw_workbook* workbook_ = nullptr;
  lxw_worksheet* worksheet_ = nullptr;
  lxw_format* bold_ = nullptr;
  std::map<int, lxw_format*> numberFormats_;
  std::vector<SheetColumn> columns_;
  std::vector<std::size_t> widths_;
  lxw_row_t row_ = 0;
};

}  // namespace

std::unique_ptr<SheetWriter> makeXlsxSheetWriter(std::ostream& out) { return std::make_unique<XlsxSheet>(out); }

}  // namespace sheets
