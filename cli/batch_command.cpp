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
#include "cli/equipment.h"
#include "cli/sheet_writer.h"
#include "duties/duty_file.h"
#include "project/project.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace cli {
namespace {

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

// The rule's selection of either kind of duty.
struct Selection {
  Selected operator()(const selection::CoolerFormTexts& form) const { return selectedCooler(form); }
  Selected operator()(const selection::CondenserFormTexts& form) const { return selectedCondenser(form); }
  Selected operator()(const InputError&) const { return {}; }
};
// What a line that keeps a model is told of the rule's own choice: nothing when the rule
// chooses the same model.
std::string ruleChoice(const Selected& rule, std::string_view kept) {
  const selection::ResultRow* chosen = chosenRow(rule.rows);
  if (!chosen) return "the rule chooses no model: " + rule.noCoverReason;
  if (chosen->cells[0] == kept) return "";
  return "the rule chooses " + chosen->cells[0];
}

struct BatchOptions {
  std::string file;
  OutputOptions output;
};

// One batch: every line read is selected and written as it comes.
class Batch {
 public:
  Batch(CommandRun& run, CommandOutput& output) : run_(run), output_(output), writer_(output.stream(), output.format()) {}

  void begin() { writer_.begin(); }

  void onLine(const duties::DutyLine& line) {
    BatchRecord record;
    record[kLine] = std::to_string(line.line);
    record[kName] = line.name;
    if (!line.error.empty()) return fail(record, line.error);
    const Selected rule = std::visit(Selection{}, line.duty);
    if (line.model.empty()) {
      putSelected(record, rule.rows);
      record[kMessage] = rule.noCoverReason;
    } else {
      const std::vector<selection::ResultRow> kept = project::keptRows(*project::positionDutyOf(line.duty), line.model);
      if (kept.empty()) return fail(record, duties::unknownModelMessage(line));
      putSelected(record, kept);
      record[kMessage] = ruleChoice(rule, record[kModel]);
    }
    if (record[kModel].empty()) run_.status = kNotEverySelected;
    writer_.write(record);
  }

  // The end of the file, or of what could be read of it: a quote never closed swallowed the
  // rest, which is said at the line where it opened.
  void finish(const duties::DutyFileEnd& end) {
    if (!end.refusal.empty()) {
      run_.err << "orvex-select batch: " << end.refusal << '\n';
      run_.status = kBadInput;
      return;
    }
    if (end.unclosedQuoteLine) {
      BatchRecord record;
      record[kLine] = std::to_string(*end.unclosedQuoteLine);
      fail(record, duties::unclosedQuoteMessage(*end.unclosedQuoteLine));
    }
    if (!end.readToEnd) {
      run_.err << "orvex-select batch: the file could not be read to its end\n";
      run_.status = kBadInput;
    }
    std::string error;
    if (!writer_.finish(error)) {
      run_.err << "orvex-select batch: " << error << '\n';
      run_.status = kBadInput;
    }
    output_.finish();
  }

 private:
  void fail(BatchRecord& record, const std::string& message) {
    run_.err << "orvex-select batch: " << message << '\n';
    record[kStatus] = "error";
    record[kMessage] = message;
    run_.status = std::max<int>(run_.status, kNotEverySelected);
    writer_.write(record);
  }

  CommandRun& run_;
  CommandOutput& output_;
  RecordWriter writer_;
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
  const duties::DutyFileEnd end = duties::readDutyFile(
      options.file == "-" ? run.in : file, [&] { batch.begin(); }, [&](duties::DutyLine& line) { batch.onLine(line); });
  batch.finish(end);
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
