#include "selection/cooler_selection.h"

#include "catalog/catalog.h"
#include "platform/number_text.h"
#include "report/report_layouts.h"

namespace selection {
namespace {

bool outsideLimits(const catalog::CoolerRecord& record, const CoolerInputs& inputs) {
  return platform::textToFloat(record.airThrow) < inputs.minAirThrow ||
         platform::textToFloat(record.length) > inputs.maxLength ||
         platform::textToFloat(record.width) > inputs.maxWidth;
}

// The limits of the inputs as a filter over records.
auto limitsOf(const CoolerInputs& inputs) {
  return [&inputs](const catalog::CoolerRecord& record) { return outsideLimits(record, inputs); };
}

ResultCells catalogTexts(const catalog::CoolerRecord& record) {
  ResultCells cells;
  cells[0] = record.modelName;
  cells[3] = record.airflow;
  cells[4] = record.surface;
  cells[5] = record.tubeVolume;
  cells[6] = record.airThrow;
  cells[7] = std::string(record.length) + " x " + std::string(record.width);
  cells[8] = record.fans;
  cells[9] = record.powerSupply;
  cells[10] = record.motorPower;
  cells[11] = record.current;
  cells[12] = record.defrostPower;
  return cells;
}

}  // namespace

const std::vector<catalog::CoolerRecord>* coolerSeriesList(int seriesCode) {
  switch (seriesCode) {
    case 1: return &catalog::ceilingCoolerList();
    case 2: return &catalog::mediumCubicCoolerList();
    case 3: return &catalog::lowCubicCoolerList();
    default: return nullptr;
  }
}

const catalog::SeriesGrid& coolerSeriesGrid(int seriesCode) {
  return seriesCode == 1 ? catalog::kCeilingGrid : catalog::kCubicGrid;
}

CoolerInputs coolerInputs(const CoolerFormTexts& form) {
  CoolerInputs inputs;
  inputs.refrigerant = form.refrigerant;
  inputs.requiredWatts = platform::textToFloat(form.requiredCapacity) * 1000.0f;
  inputs.seriesCode = form.seriesCode;
  inputs.temperatureKey = form.temperature;
  inputs.deltaKey = form.difference;
  inputs.minAirThrow = platform::textToFloat(form.minAirThrow);
  inputs.maxLength = form.maxLength.empty() ? 9999.0f : platform::textToFloat(form.maxLength);
  inputs.maxWidth = form.maxWidth.empty() ? 9999.0f : platform::textToFloat(form.maxWidth);
  return inputs;
}

std::vector<std::string> coolerReportConditions(const CoolerFormTexts& form) {
  std::vector<std::string> conditions(report::kCoolerConditionCount);
  conditions[report::kEvaporatingTemperature] = form.temperature;
  conditions[report::kCoolerSeries] = form.series;
  conditions[report::kMinimumAirThrow] = form.minAirThrow;
  conditions[report::kCoolerTemperatureDifference] = form.difference;
  conditions[report::kMaximumWidth] = form.maxWidth;
  conditions[report::kRequiredCoolingCapacity] = form.requiredCapacity;
  conditions[report::kMaximumLength] = form.maxLength;
  conditions[report::kCoolerRefrigerant] = form.refrigerant;
  return conditions;
}

std::vector<ResultRow> selectCoolers(const CoolerFormTexts& form) {
  const CoolerInputs inputs = coolerInputs(form);
  return selectCoolers(inputs, coolerSeriesList(inputs.seriesCode));
}

std::vector<ResultRow> selectCoolers(const CoolerInputs& inputs,
                                     const std::vector<catalog::CoolerRecord>* series) {
  return selectFromSeries(inputs, series, coolerSeriesGrid(inputs.seriesCode), limitsOf(inputs), catalogTexts);
}

std::vector<ResultRow> keptCoolers(const CoolerFormTexts& form, std::string_view modelName) {
  const CoolerInputs inputs = coolerInputs(form);
  return keptFromSeries(inputs, coolerSeriesList(inputs.seriesCode), coolerSeriesGrid(inputs.seriesCode),
                        limitsOf(inputs), catalogTexts, modelName);
}

std::optional<LargestModel> largestCooler(const CoolerFormTexts& form) {
  const CoolerInputs inputs = coolerInputs(form);
  return largestOfSeries(inputs, coolerSeriesList(inputs.seriesCode), coolerSeriesGrid(inputs.seriesCode),
                         limitsOf(inputs));
}

}  // namespace selection
