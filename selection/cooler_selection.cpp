#include "selection/cooler_selection.h"

#include <algorithm>

#include "catalog/catalog.h"
#include "platform/number_text.h"

namespace selection {
namespace {

// Table order of the air cooler records.
constexpr const char* kRefrigerants[] = {"R404a/R507", "R22", "R134a"};

int tableOf(const std::string& refrigerant) {
  for (int table = 0; table < 3; ++table)
    if (refrigerant == kRefrigerants[table]) return table;
  return -1;
}

bool outsideLimits(const catalog::CoolerRecord& record, const CoolerInputs& inputs) {
  return platform::textToFloat(record.airThrow) < inputs.minAirThrow ||
         platform::textToFloat(record.length) > inputs.maxLength ||
         platform::textToFloat(record.width) > inputs.maxWidth;
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

std::vector<ResultRow> selectCoolers(const CoolerInputs& inputs,
                                     const std::vector<catalog::CoolerRecord>* series) {
  if (!series) return std::vector<ResultRow>(1);
  std::vector<catalog::CoolerRecord> copy;
  copy.reserve(series->size());
  std::copy_if(series->begin(), series->end(), std::back_inserter(copy),
               [&](const catalog::CoolerRecord& record) { return !outsideLimits(record, inputs); });
  const int table = tableOf(inputs.refrigerant);
  if (table >= 0) {
    for (catalog::CoolerRecord& record : copy) {
      record.capacity = lookUpCapacity(record.ratingTables[table], inputs.temperatureKey, inputs.deltaKey);
    }
  }
  return chooseAmongNeighbours(copy, inputs.requiredWatts, catalogTexts);
}

}  // namespace selection
