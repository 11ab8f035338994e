#include "selection/condenser_selection.h"

#include "catalog/catalog.h"
#include "platform/number_text.h"

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

std::vector<ResultRow> selectCondensers(const CondenserInputs& inputs,
                                        const std::vector<catalog::CondenserRecord>* series) {
  return selectFromSeries(
      inputs, series, catalog::kCondenserGrid,
      [&](const catalog::CondenserRecord& record) { return removedByLimits(record, inputs); },
      catalogTexts);
}

}  // namespace selection
