// orvex-select catalog: the models of every series (or of one) with their data, and their
// rating tables, for other tools.

#include <memory>

#include <nlohmann/json.hpp>

#include "catalog/catalog.h"
#include "cli/command_output.h"
#include "cli/commands.h"
#include "duties/duty_input.h"
#include "cli/sheet_writer.h"
#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace cli {
namespace {

using catalog::CondenserRecord;
using catalog::CoolerRecord;

// One column of the model list: the field of an air cooler, of a condenser, or of both, with
// its spreadsheet title and whether it holds numbers.
struct ModelField {
  SheetColumn column;
  std::string_view CoolerRecord::*cooler;
  std::string_view CondenserRecord::*condenser;
};
constexpr ModelField kModelFields[] = {
    {{"model", "model"}, &CoolerRecord::modelName, &CondenserRecord::modelName},
    {{"poles", "poles", true}, nullptr, &CondenserRecord::poles},
    {{"connection", "connection"}, nullptr, &CondenserRecord::connection},
    {{"air_throw_m", "air throw (m)", true}, &CoolerRecord::airThrow, nullptr},
    {{"length_mm", "length (mm)", true}, &CoolerRecord::length, nullptr},
    {{"width_mm", "width (mm)", true}, &CoolerRecord::width, nullptr},
    {{"dimensions_mm", "dimensions (mm)"}, nullptr, &CondenserRecord::dimensions},
    {{"noise_level_dba", "noise level (dBA)", true}, nullptr, &CondenserRecord::noiseLevel},
    {{"surface_m2", "surface (m²)", true}, &CoolerRecord::surface, &CondenserRecord::surface},
    {{"tube_volume_l", "tube volume (l)", true}, &CoolerRecord::tubeVolume, &CondenserRecord::tubeVolume},
    {{"fans_mm", "fans (mm)"}, &CoolerRecord::fans, &CondenserRecord::fans},
    {{"airflow_m3h", "airflow (m³/h)", true}, &CoolerRecord::airflow, &CondenserRecord::airflow},
    {{"power_supply", "power supply (V/ph/Hz)"}, &CoolerRecord::powerSupply, &CondenserRecord::powerSupply},
    {{"motor_power_w", "motor power (W)", true}, &CoolerRecord::motorPower, &CondenserRecord::motorPower},
    {{"current_a", "current (A)", true}, &CoolerRecord::current, &CondenserRecord::current},
    {{"defrost_power_w", "defrost power (W)", true}, &CoolerRecord::defrostPower, nullptr},
};
constexpr SheetColumn kSeriesColumn{"series", "series"};
// The rating lines: a model's capacity at one grid point.
constexpr SheetColumn kRatingColumns[] = {
    kSeriesColumn,          {"model", "model"},          {"poles", "poles", true},
    {"connection", "connection"}, {"refrigerant", "refrigerant"}, {"temperature", "temperature (°C)", true},
    {"difference", "difference (K)", true}, {"capacity_w", "capacity (W)", true}};

std::string_view fieldOf(const CoolerRecord& record, const ModelField& field) {
  return field.cooler ? record.*field.cooler : std::string_view();
}
std::string_view fieldOf(const CondenserRecord& record, const ModelField& field) {
  return field.condenser ? record.*field.condenser : std::string_view();
}

struct CatalogOptions {
  std::string series;
  bool ratings = false;
  OutputOptions output;
};

// Writes the chosen series in the chosen format.
class CatalogWriter {
 public:
  CatalogWriter(const CatalogOptions& options, OutputFormat format, std::ostream& out)
      : options_(options), format_(format), out_(out), sheet_(makeSheetWriter(format, out)) {}

  template <typename Record>
  void addSeries(const selection::SeriesName& series, bool condenser, const std::vector<Record>& records,
                 const catalog::SeriesGrid& grid) {
    if (format_ == OutputFormat::Json) return addJsonSeries(series, condenser, records, grid);
    for (const Record& record : records) {
      if (options_.ratings) {
        addRatingRows(series, record, grid);
        continue;
      }
      std::vector<std::string> row{std::string(series.shortName)};
      for (const ModelField& field : kModelFields) row.emplace_back(fieldOf(record, field));
      if (sheet_) sheet_->row(row);
      else tableRows_.push_back(std::move(row));
    }
  }

  void start() {
    if (!sheet_) return;
    if (options_.ratings) return sheet_->header(kRatingColumns);
    std::vector<SheetColumn> header{kSeriesColumn};
    for (const ModelField& field : kModelFields) header.push_back(field.column);
    sheet_->header(header);
  }

  bool finish(std::string& error) {
    if (format_ == OutputFormat::Json) out_ << json_.dump(1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
    if (sheet_) return sheet_->finish(error);
    if (format_ != OutputFormat::Table) return true;
    std::vector<std::string> titles{"series"};
    for (const ModelField& field : kModelFields) titles.emplace_back(field.column.key);
    writeTable(out_, titles, tableRows_);
    return true;
  }

 private:
  template <typename Record>
  void addRatingRows(const selection::SeriesName& series, const Record& record, const catalog::SeriesGrid& grid) {
    const std::string poles(fieldOf(record, kModelFields[1])), connection(fieldOf(record, kModelFields[2]));
    for (std::size_t table = 0; table < grid.refrigerants.size(); ++table) {
      for (std::size_t row = 0; row < record.ratingTables[table].size(); ++row) {
        const catalog::RatingRow rating = record.ratingTables[table][row];
        sheet_->row(std::vector<std::string>{std::string(series.shortName), std::string(record.modelName), poles,
                                             connection, std::string(grid.refrigerants[table]),
                                             std::string(rating.temperatureKey), std::string(rating.deltaKey),
                                             std::string(rating.capacityText)});
      }
    }
  }

  template <typename Record>
  void addJsonSeries(const selection::SeriesName& series, bool condenser, const std::vector<Record>& records,
                     const catalog::SeriesGrid& grid) {
    nlohmann::ordered_json models = nlohmann::ordered_json::array();
    for (const Record& record : records) {
      nlohmann::ordered_json model;
      for (const ModelField& field : kModelFields)
        if (condenser ? field.condenser != nullptr : field.cooler != nullptr) model[std::string(field.column.key)] = fieldOf(record, field);
      // Capacities in W by refrigerant, temperature difference and temperature.
      nlohmann::ordered_json ratings;
      for (std::size_t table = 0; table < grid.refrigerants.size(); ++table) {
        nlohmann::ordered_json byDifference;
        for (std::size_t row = 0; row < record.ratingTables[table].size(); ++row) {
          const catalog::RatingRow rating = record.ratingTables[table][row];
          byDifference[std::string(rating.deltaKey)][std::string(rating.temperatureKey)] = rating.capacityText;
        }
        ratings[std::string(grid.refrigerants[table])] = std::move(byDifference);
      }
      model["ratings_w"] = std::move(ratings);
      models.push_back(std::move(model));
    }
    json_.push_back({{"series", series.shown},
                     {"short_name", series.shortName},
                     {"kind", condenser ? "condenser" : "cooler"},
                     {"refrigerants", grid.refrigerants},
                     {"temperatures", grid.temperatures},
                     {"differences", grid.differences},
                     {"models", std::move(models)}});
  }

  const CatalogOptions& options_;
  OutputFormat format_;
  std::ostream& out_;
  std::unique_ptr<SheetWriter> sheet_;
  std::vector<std::vector<std::string>> tableRows_;
  nlohmann::ordered_json json_ = nlohmann::ordered_json::array();
};

void runCatalog(const CatalogOptions& options, CommandRun& run) {
  CommandOutput output(run, "catalog", options.output);
  if (!output.ok()) return;
  const selection::SeriesName* only = nullptr;
  if (!options.series.empty()) {
    const auto read = readAnySeries(options.series);
    if (const auto* error = std::get_if<InputError>(&read)) return reportOptionError(run, "catalog", *error);
    only = std::get<SeriesChoice>(read).series;
  }
  if (options.ratings && output.format() == OutputFormat::Table) {
    run.err << "orvex-select catalog: --ratings gives csv, csv-excel-ru or xlsx (the json output always holds the "
               "ratings)\n";
    run.status = kBadInput;
    return;
  }
  CatalogWriter writer(options, output.format(), output.stream());
  writer.start();
  for (const selection::SeriesName& series : selection::kCoolerSeries)
    if (!only || only == &series)
      writer.addSeries(series, false, *selection::coolerSeriesList(series.code), selection::coolerSeriesGrid(series.code));
  for (const selection::SeriesName& series : selection::kCondenserSeries)
    if (!only || only == &series)
      writer.addSeries(series, true, *selection::condenserSeriesList(series.code), catalog::kCondenserGrid);
  std::string error;
  if (!writer.finish(error)) {
    run.err << "orvex-select catalog: " << error << '\n';
    run.status = kBadInput;
    return;
  }
  output.finish();
}

}  // namespace

void setupCatalogCommand(CLI::App& app, CommandRun& run) {
  auto options = std::make_shared<CatalogOptions>();
  CLI::App* command = app.add_subcommand("catalog", "The models with their data, and their rating tables, for other tools");
  command->add_option("--series", options->series, "Only this series: VP, VK-M, VK-L, KD-500 or KD-630");
  command->add_flag("--ratings", options->ratings,
                    "With --format csv, csv-excel-ru or xlsx: one line per model, refrigerant and grid point");
  addOutputOptions(*command, options->output);
  command->callback([options, &run] { runCatalog(*options, run); });
}

}  // namespace cli
