// orvex-select batch FILE: one duty a line of a CSV file, air coolers and condensers mixed (the
// series says which), selected line by line as the windows would, one output record per line
// in the input's order. A line may name the model kept for it (a project's file does): that
// model is reported at the line's conditions, with the rule's own choice when it differs. A bad
// line is reported with its line number and column and every other line is still selected.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

#include <nlohmann/json.hpp>

#include "cli/command_output.h"
#include "cli/commands.h"
#include "cli/csv_records.h"
#include "cli/equipment.h"
#include "cli/sheet_writer.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace cli {
namespace {

// The input's columns besides the duty's values: a name for the duty, copied to the output, and
// what a project adds, the quantity and the model kept.
enum LineColumn : int { kNameColumn, kQuantityColumn, kModelColumn, kLineColumnCount };
constexpr std::array<std::string_view, kLineColumnCount> kLineColumnNames{"name", "quantity", "model"};

// The output record of one line.
enum BatchField : int {
  kLine, kName, kStatus, kModel, kCapacityKw, kDeviation, kSmallerModel, kSmallerCapacityKw,
  kSmallerDeviation, kLargerModel, kLargerCapacityKw, kLargerDeviation, kMessage, kBatchFieldCount
};
constexpr std::array<std::string_view, kBatchFieldCount> kBatchKeys{
    "line", "name", "status", "model", "capacity_kw", "deviation_percent", "smaller_model",
    "smaller_capacity_kw", "smaller_deviation_percent", "larger_model", "larger_capacity_kw",
    "larger_deviation_percent", "message"};
// The table's columns: widths that hold every model name and figure of the catalog.
constexpr std::array<std::size_t, kBatchFieldCount> kTableWidths{5, 16, 8, 12, 9, 7, 12, 9, 7, 12, 9, 7, 0};
constexpr std::array<std::string_view, kBatchFieldCount> kTableTitles{
    "line", "name", "status", "model", "kW", "dev %", "smaller", "kW", "dev %", "larger", "kW", "dev %", "message"};

// The spreadsheet formats' columns: titles with units, and which hold numbers.
constexpr std::array<SheetColumn, kBatchFieldCount> kSheetColumns{{
    {kBatchKeys[kLine], "line", true},
    {kBatchKeys[kName], "name", false},
    {kBatchKeys[kStatus], "status", false},
    {kBatchKeys[kModel], "model", false},
    {kBatchKeys[kCapacityKw], "capacity (kW)", true},
    {kBatchKeys[kDeviation], "deviation (%)", true},
    {kBatchKeys[kSmallerModel], "smaller model", false},
    {kBatchKeys[kSmallerCapacityKw], "smaller capacity (kW)", true},
    {kBatchKeys[kSmallerDeviation], "smaller deviation (%)", true},
    {kBatchKeys[kLargerModel], "larger model", false},
    {kBatchKeys[kLargerCapacityKw], "larger capacity (kW)", true},
    {kBatchKeys[kLargerDeviation], "larger deviation (%)", true},
    {kBatchKeys[kMessage], "message", false},
}};

// The duty's values that are numbers: in a file separated by ';' (a Russian Excel's) they may
// have a decimal comma.
constexpr std::array<DutyField, 8> kNumberFields{kTemperature, kAmbient, kDifference, kCapacity,
                                                 kAirThrow,    kLength,  kWidth,      kNoise};

using BatchRecord = std::array<std::string, kBatchFieldCount>;

// Writes the records as they come, so nothing is kept.
class RecordWriter {
 public:
  RecordWriter(std::ostream& out, OutputFormat format)
      : out_(out), format_(format), sheet_(makeSheetWriter(format, out)) {}
  // The opening (JSON's bracket, the header, the table's titles), once the input's header has
  // been accepted: a refused file writes nothing to the output.
  void begin() {
    if (format_ == OutputFormat::Json) out_ << "[";
    if (sheet_) sheet_->header(kSheetColumns);
    if (format_ == OutputFormat::Table) writeTableLine(std::vector<std::string>(kTableTitles.begin(), kTableTitles.end()));
  }
  void write(const BatchRecord& record) {
    if (sheet_) {
      sheet_->row(record);
    } else if (format_ == OutputFormat::Table) {
      BatchRecord shown;
      std::transform(record.begin(), record.end(), shown.begin(), escapedControls);
      writeTableLine(shown);
    } else {
      nlohmann::ordered_json object;
      object[std::string(kBatchKeys[kLine])] = std::stoull(record[kLine]);
      for (int field = kLine + 1; field < kBatchFieldCount; ++field) object[std::string(kBatchKeys[field])] = record[field];
      out_ << (first_ ? "\n" : ",\n") << object.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    first_ = false;
  }
  bool finish(std::string& error) {
    if (format_ == OutputFormat::Json) out_ << (first_ ? "]\n" : "\n]\n");
    return !sheet_ || sheet_->finish(error);
  }

 private:
  void writeTableLine(std::span<const std::string> cells) { cli::writeTableLine(out_, cells, kTableWidths); }

  std::ostream& out_;
  OutputFormat format_;
  std::unique_ptr<SheetWriter> sheet_;
  bool first_ = true;
};

// The figures of a row into the record's three fields from `model` on.
void putRow(BatchRecord& record, int model, const selection::ResultRow& row) {
  record[model] = row.cells[0];
  record[model + 1] = row.cells[1];
  record[model + 2] = row.cells[2];
}

void putSelected(BatchRecord& record, const std::vector<selection::ResultRow>& rows) {
  for (const selection::ResultRow& row : rows) {
    switch (row.role) {
      case selection::RowRole::Smaller: putRow(record, kSmallerModel, row); break;
      case selection::RowRole::Chosen: putRow(record, kModel, row); break;
      case selection::RowRole::Larger: putRow(record, kLargerModel, row); break;
      case selection::RowRole::Nothing: break;
    }
  }
  record[kStatus] = record[kModel].empty() ? "no model" : "ok";
}

// The selection of either kind of duty, by the rule, or of the model a line keeps.
struct Selection {
  Selected operator()(const selection::CoolerFormTexts& form) const { return selectedCooler(form); }
  Selected operator()(const selection::CondenserFormTexts& form) const { return selectedCondenser(form); }
  Selected operator()(const InputError&) const { return {}; }
};
struct KeptSelection {
  std::string_view model;
  std::vector<selection::ResultRow> operator()(const selection::CoolerFormTexts& form) const {
    return selection::keptCoolers(form, model);
  }
  std::vector<selection::ResultRow> operator()(const selection::CondenserFormTexts& form) const {
    return selection::keptCondensers(form, model);
  }
  std::vector<selection::ResultRow> operator()(const InputError&) const { return {}; }
};

// What a line that keeps a model is told of the rule's own choice: nothing when the rule
// chooses the same model.
std::string ruleChoice(const Selected& rule, std::string_view kept) {
  const selection::ResultRow* chosen = chosenRow(rule.rows);
  if (!chosen) return "the rule chooses no model: " + rule.noCoverReason;
  if (chosen->cells[0] == kept) return "";
  return "the rule chooses " + chosen->cells[0];
}

// "1", "12": a quantity.
bool wholeNumberFromOne(std::string_view text) {
  return !text.empty() && text.size() <= 6 && text[0] != '0' &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

struct BatchOptions {
  std::string file;
  OutputOptions output;
};

// "5,5" as "5.5": a single comma in a number without a point is its decimal comma.
void readDecimalComma(std::string& number) {
  if (std::count(number.begin(), number.end(), ',') == 1 && number.find('.') == std::string::npos)
    number[number.find(',')] = '.';
}

// One batch: the header first, then one duty a record.
class Batch {
 public:
  Batch(CommandRun& run, CommandOutput& output) : run_(run), output_(output), writer_(output.stream(), output.format()) {}

  bool onRecord(CsvRecord& csv) {
    std::vector<std::string>& fields = csv.fields;
    const std::size_t line = line_ = csv.line;
    if (!header_) return readHeader(fields);
    if (std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); })) return true;
    BatchRecord record;
    record[kLine] = std::to_string(line);
    record[kName] = lineColumn(fields, kNameColumn);
    if (fields.size() > header_->size()) {
      fail(record, "line " + record[kLine] + ": " + std::to_string(fields.size()) + " fields, the header names " +
                       std::to_string(header_->size()));
      return true;
    }
    const std::string quantity = lineColumn(fields, kQuantityColumn);
    if (!quantity.empty() && !wholeNumberFromOne(quantity)) {
      fail(record, where(kQuantityColumn) + quotedForMessage(quantity) +
                       " is not a quantity; a whole number from 1 is");
      return true;
    }
    const std::string model = lineColumn(fields, kModelColumn);
    DutyTexts duty;
    for (std::size_t column = 0; column < fields.size(); ++column)
      if ((*header_)[column]) duty[*(*header_)[column]] = std::move(fields[column]);
    if (csv.separator == ';')
      for (const DutyField number : kNumberFields) readDecimalComma(duty[number]);
    const AnyDuty read = readDuty(duty);
    if (const auto* error = std::get_if<InputError>(&read)) {
      const auto column = std::find(header_->begin(), header_->end(), std::optional(error->field));
      const std::string at =
          column == header_->end() ? "" : ", column " + std::to_string(column - header_->begin() + 1);
      fail(record, "line " + record[kLine] + at + " (" + std::string(kDutyFieldNames[error->field]) +
                       "): " + error->message);
      return true;
    }
    const Selected selected = std::visit(Selection{}, read);
    if (model.empty()) {
      putSelected(record, selected.rows);
      record[kMessage] = selected.noCoverReason;
    } else {
      const std::vector<selection::ResultRow> kept = std::visit(KeptSelection{model}, read);
      if (kept.empty()) {
        fail(record, where(kModelColumn) + quotedForMessage(model) + " is not a model of the series " +
                         quotedForMessage(duty[kSeries]) + " within the line's limits");
        return true;
      }
      putSelected(record, kept);
      record[kMessage] = ruleChoice(selected, record[kModel]);
    }
    if (record[kModel].empty()) run_.status = kNotEverySelected;
    writer_.write(record);
    return true;
  }

  // The end of the file, or of what could be read of it: a quote never closed swallowed the
  // rest, which is said at the line where it opened.
  void finish(std::optional<std::size_t> unclosedQuoteLine) {
    const std::string unclosed =
        unclosedQuoteLine ? "line " + std::to_string(*unclosedQuoteLine) + ": a quote opened here is never closed" : "";
    if (!header_) {
      if (run_.status != kBadInput) fatal(unclosedQuoteLine ? unclosed : "the file holds no header line naming its columns");
      return;
    }
    if (unclosedQuoteLine) {
      BatchRecord record;
      record[kLine] = std::to_string(*unclosedQuoteLine);
      fail(record, unclosed);
    }
    std::string error;
    if (!writer_.finish(error)) fatal(error);
    output_.finish();
  }

 private:
  // Each header cell names a duty value or one of the line's other columns; the duty's required
  // values must have their columns.
  bool readHeader(const std::vector<std::string>& names) {
    std::vector<std::optional<DutyField>> columns;
    for (const std::string& name : names) {
      std::string key = name;
      std::transform(key.begin(), key.end(), key.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
      const auto other = std::find(kLineColumnNames.begin(), kLineColumnNames.end(), key);
      const auto known = std::find(kDutyFieldNames.begin(), kDutyFieldNames.end(), key);
      const auto field = static_cast<DutyField>(known - kDutyFieldNames.begin());
      const bool twice = other != kLineColumnNames.end()
                             ? lineColumns_[other - kLineColumnNames.begin()].has_value()
                             : std::find(columns.begin(), columns.end(), std::optional(field)) != columns.end();
      if ((other == kLineColumnNames.end() && known == kDutyFieldNames.end()) || twice) {
        std::string accepted(kLineColumnNames[kNameColumn]);
        for (const std::string_view known_name : kDutyFieldNames) accepted += ", " + std::string(known_name);
        for (const LineColumn column : {kQuantityColumn, kModelColumn}) accepted += ", " + std::string(kLineColumnNames[column]);
        fatal("header column " + std::to_string(columns.size() + 1) + " " + quotedForMessage(name) + " is " +
              (twice ? "named twice" : "not a column") + "; accepted: " + accepted);
        return false;
      }
      if (other != kLineColumnNames.end()) {
        lineColumns_[other - kLineColumnNames.begin()] = columns.size();
        columns.push_back(std::nullopt);
      } else {
        columns.push_back(field);
      }
    }
    for (const DutyField needed : {kSeries, kRefrigerant, kDifference, kCapacity}) {
      if (std::find(columns.begin(), columns.end(), std::optional(needed)) == columns.end()) {
        fatal("the header names no \"" + std::string(kDutyFieldNames[needed]) + "\" column");
        return false;
      }
    }
    header_ = std::move(columns);
    writer_.begin();
    return true;
  }

  // A field of one of the line's other columns; "" when the header names no such column.
  std::string lineColumn(const std::vector<std::string>& fields, LineColumn column) const {
    const std::optional<std::size_t> at = lineColumns_[column];
    return at && *at < fields.size() ? fields[*at] : std::string();
  }
  // "line 4, column 9 (model): ", where a message about one of them starts.
  std::string where(LineColumn column) const {
    return "line " + std::to_string(line_) + ", column " + std::to_string(*lineColumns_[column] + 1) + " (" +
           std::string(kLineColumnNames[column]) + "): ";
  }

  void fail(BatchRecord& record, const std::string& message) {
    run_.err << "orvex-select batch: " << message << '\n';
    record[kStatus] = "error";
    record[kMessage] = message;
    run_.status = std::max<int>(run_.status, kNotEverySelected);
    writer_.write(record);
  }

  void fatal(const std::string& message) {
    run_.err << "orvex-select batch: " << message << '\n';
    run_.status = kBadInput;
  }

  CommandRun& run_;
  CommandOutput& output_;
  RecordWriter writer_;
  std::optional<std::vector<std::optional<DutyField>>> header_;
  std::array<std::optional<std::size_t>, kLineColumnCount> lineColumns_;
  std::size_t line_ = 0;
};

void runBatch(const BatchOptions& options, CommandRun& run) {
  CommandOutput output(run, "batch", options.output);
  if (!output.ok()) return;
  std::ifstream file;
  if (options.file != "-") {
    file.open(std::filesystem::path(std::u8string(options.file.begin(), options.file.end())), std::ios::binary);
    if (!file) {
      run.err << "orvex-select batch: cannot read " << escapedControls(options.file) << '\n';
      run.status = kBadInput;
      return;
    }
  }
  Batch batch(run, output);
  const CsvReading read =
      readCsvRecords(options.file == "-" ? run.in : file, [&](CsvRecord& record) { return batch.onRecord(record); });
  if (!read.ok) {
    run.err << "orvex-select batch: the file could not be read to its end\n";
    run.status = kBadInput;
  }
  batch.finish(read.unclosedQuoteLine);
}

}  // namespace

void setupBatchCommand(CLI::App& app, CommandRun& run) {
  auto options = std::make_shared<BatchOptions>();
  CLI::App* command = app.add_subcommand("batch", "Selects every duty of a CSV file, one a line");
  command->footer(
      "The first line names the columns: series, refrigerant, temperature (air coolers), ambient "
      "(condensers), difference, capacity, and as needed name, air-throw, length, width, noise, "
      "connection, poles; a project's file adds quantity, and model: the model kept for the line, "
      "reported at the line's conditions with the rule's own choice when it differs. Air coolers and condensers may be mixed; the series says which. A file "
      "separated by ';', as a Russian Excel saves it, may write numbers with a decimal comma. The output "
      "has one record per line, in the input's order. A bad line is reported with its line and column "
      "and every other line is still selected. Exit status 0 when every line got a model, 1 when some "
      "line did not.");
  command->add_option("file", options->file, "The CSV file (UTF-8 or Windows-1251), - for standard input")->required();
  addOutputOptions(*command, options->output);
  command->callback([options, &run] { runBatch(*options, run); });
}

}  // namespace cli
