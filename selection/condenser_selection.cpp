#include "selection/condenser_selection.h"

#include "catalog/catalog.h"
#include "platform/number_text.h"
#include "report/report_layouts.h"

namespace selection {
namespace {

// The filter tests in their order; a record with any other connection or poles text is not
// removed by those tests.
bool removedByLimits(const catalog::CondenserRecord& record, const CondenserInputs& inputs) {
  return inputs.noiseLimit < platform::textToFloat(record.noiseLevel) ||
         (record.connection == "T" && !inputs.deltaAllowed) ||
         (record.connection == "S" && !inputs.starAllowed) ||
         (record.poles == "4" && !inputs.fourPolesAllowed) ||
         (record.poles == "6" && !inputs.sixPolesAllowed) ||
         (record.poles == "8" && !inputs.eightPolesAllowed);
}

// The limits of the inputs as a filter over records.
auto limitsOf(const CondenserInputs& inputs) {
  return [&inputs](const catalog::CondenserRecord& record) { return removedByLimits(record, inputs); };
}

ResultCells catalogTexts(const catalog::CondenserRecord& record) {
  ResultCells cells;
  cells[0] = record.modelName;
  cells[3] = record.airflow;
  cells[4] = record.surface;
  cells[5] = record.tubeVolume;
  cells[6] = record.noiseLevel;
  cells[7] = record.dimensions;
  cells[8] = record.fans;
  cells[9] = record.powerSupply;
  cells[10] = record.motorPower;
  cells[11] = record.current;
  cells[12] = connectionText(record.connection);
  return cells;
}

}  // namespace

const std::vector<catalog::CondenserRecord>* condenserSeriesList(int seriesCode) {
  switch (seriesCode) {
    case 1: return &catalog::condenserList500();
    case 2: return &catalog::condenserList630();
    default: return nullptr;
  }
}

std::string connectionText(std::string_view connection) {
  if (connection == "T") return "«Треугольник»";
  if (connection == "S") return "«Звезда»";
  return std::string(connection);
}

CondenserInputs condenserInputs(const CondenserFormTexts& form) {
  CondenserInputs inputs;
  inputs.refrigerant = form.refrigerant;
  inputs.requiredWatts = platform::textToFloat(form.requiredHeatRejection) * 1000.0f;
  inputs.seriesCode = form.seriesCode;
  inputs.temperatureKey = form.temperature;
  inputs.deltaKey = form.difference;
  inputs.noiseLimit = form.noiseLimit.empty() ? 99.0f : platform::textToFloat(form.noiseLimit);
  inputs.deltaAllowed = form.deltaAllowed;
  inputs.starAllowed = form.starAllowed;
  inputs.fourPolesAllowed = form.fourPolesAllowed;
  inputs.sixPolesAllowed = form.sixPolesAllowed;
  inputs.eightPolesAllowed = form.eightPolesAllowed;
  return inputs;
}

std::vector<std::string> condenserReportConditions(const CondenserFormTexts& form) {
  std::vector<std::string> conditions(report::kCondenserConditionCount);
  conditions[report::kAmbientTemperature] = form.temperature;
  conditions[report::kCondenserSeries] = form.series;
  conditions[report::kMaximumNoiseLevel] = form.noiseLimit;
  conditions[report::kCondenserTemperatureDifference] = form.difference;
  conditions[report::kRequiredHeatRejection] = form.requiredHeatRejection;
  conditions[report::kCondenserRefrigerant] = form.refrigerant;
  return conditions;
}

std::vector<ResultRow> selectCondensers(const CondenserFormTexts& form) {
  const CondenserInputs inputs = condenserInputs(form);
  return selectCondensers(inputs, condenserSeriesList(inputs.seriesCode));
}

std::vector<ResultRow> selectCondensers(const CondenserInputs& inputs,
                                        const std::vector<catalog::CondenserRecord>* series) {
  return selectFromSeries(inputs, series, catalog::kCondenserGrid, limitsOf(inputs), catalogTexts);
}

std::vector<ResultRow> keptCondensers(const CondenserFormTexts& form, std::string_view modelName) {
  const CondenserInputs inputs = condenserInputs(form);
  return keptFromSeries(inputs, condenserSeriesList(inputs.seriesCode), catalog::kCondenserGrid, limitsOf(inputs),
                        catalogTexts, modelName);
}

std::optional<LargestModel> largestCondenser(const CondenserFormTexts& form) {
  const CondenserInputs inputs = condenserInputs(form);
  return largestOfSeries(inputs, condenserSeriesList(inputs.seriesCode), catalog::kCondenserGrid, limitsOf(inputs));
}

}  // namespace selection
