// orvex-select batch FILE: one duty a line of a CSV file, air coolers and condensers mixed (the
// series says which), selected line by line as the windows would, one output record per line
// in the input's order. A bad line is reported with its line number and column and every other
// line is still selected.

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

// The input's columns: a name for the duty, copied to the output, and the duty's values.
constexpr std::string_view kNameColumn = "name";

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

void putSelected(BatchRecord& record, const Selected& selected) {
  for (const selection::ResultRow& row : selected.rows) {
    switch (row.role) {
      case selection::RowRole::Smaller: putRow(record, kSmallerModel, row); break;
      case selection::RowRole::Chosen: putRow(record, kModel, row); break;
      case selection::RowRole::Larger: putRow(record, kLargerModel, row); break;
      case selection::RowRole::Nothing: break;
    }
  }
  record[kStatus] = record[kModel].empty() ? "no model" : "ok";
  record[kMessage] = selected.noCoverReason;
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
    const std::size_t line = csv.line;
    if (!header_) return readHeader(fields);
    if (std::all_of(fields.begin(), fields.end(), [](const std::string& field) { return field.empty(); })) return true;
    BatchRecord record;
    record[kLine] = std::to_string(line);
    if (nameColumn_ && *nameColumn_ < fields.size()) record[kName] = fields[*nameColumn_];
    if (fields.size() > header_->size()) {
      fail(record, "line " + record[kLine] + ": " + std::to_string(fields.size()) + " fields, the header names " +
                       std::to_string(header_->size()));
      return true;
    }
    DutyTexts duty;
    for (std::size_t column = 0; column < fields.size(); ++column)
      if ((*header_)[column]) duty[*(*header_)[column]] = std::move(fields[column]);
    if (csv.separator == ';')
      for (const DutyField number : kNumberFields) readDecimalComma(duty[number]);
    const AnyDuty read = readDuty(duty);
    if (const auto* error = std::get_if<InputError>(&read)) {
      const auto column = std::find(header_->begin(), header_->end(), std::optional(error->field));
      const std::string where =
          column == header_->end() ? "" : ", column " + std::to_string(column - header_->begin() + 1);
      fail(record, "line " + record[kLine] + where + " (" + std::string(kDutyFieldNames[error->field]) +
                       "): " + error->message);
      return true;
    }
    if (const auto* cooler = std::get_if<selection::CoolerFormTexts>(&read)) {
      putSelected(record, selectedCooler(*cooler));
    } else {
      putSelected(record, selectedCondenser(std::get<selection::CondenserFormTexts>(read)));
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
  // Each header cell names a duty value (or the duty's name); the duty's required values must
  // have their columns.
  bool readHeader(const std::vector<std::string>& names) {
    std::vector<std::optional<DutyField>> columns;
    for (const std::string& name : names) {
      std::string key = name;
      std::transform(key.begin(), key.end(), key.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; });
      if (key == kNameColumn && !nameColumn_) {
        nameColumn_ = columns.size();
        columns.push_back(std::nullopt);
        continue;
      }
      const auto known = std::find(kDutyFieldNames.begin(), kDutyFieldNames.end(), key);
      const auto field = static_cast<DutyField>(known - kDutyFieldNames.begin());
      if (known == kDutyFieldNames.end() || std::find(columns.begin(), columns.end(), std::optional(field)) != columns.end()) {
        std::string accepted(kNameColumn);
        for (const std::string_view known_name : kDutyFieldNames) accepted += ", " + std::string(known_name);
        fatal("header column " + std::to_string(columns.size() + 1) + " " + quotedForMessage(name) + " is " +
              (known == kDutyFieldNames.end() ? "not a column" : "named twice") + "; accepted: " + accepted);
        return false;
      }
      columns.push_back(field);
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
  std::optional<std::size_t> nameColumn_;
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
      "connection, poles. Air coolers and condensers may be mixed; the series says which. A file "
      "separated by ';', as a Russian Excel saves it, may write numbers with a decimal comma. The output "
      "has one record per line, in the input's order. A bad line is reported with its line and column "
      "and every other line is still selected. Exit status 0 when every line got a model, 1 when some "
      "line did not.");
  command->add_option("file", options->file, "The CSV file (UTF-8 or Windows-1251), - for standard input")->required();
  addOutputOptions(*command, options->output);
  command->callback([options, &run] { runBatch(*options, run); });
}

}  // namespace cli
