#pragma once
// The equipment catalog: five lists of records, filled once at start-up from the compiled-in
// catalog data and read-only afterwards.

#include <vector>

#include "catalog/records.h"

namespace catalog {

// Fills the five lists (emptying them first). Reads nothing from disk.
void loadCatalog();

// The lists in loading order; empty before loadCatalog.
const std::vector<CeilingCoolerRecord>& ceilingCoolerList();
const std::vector<CubicCoolerRecord>& mediumCubicCoolerList();
const std::vector<CubicCoolerRecord>& lowCubicCoolerList();
const std::vector<CondenserRecord>& condenserList500();
const std::vector<CondenserRecord>& condenserList630();

// Writes the key columns of the three tables of an air cooler record: six temperature
// difference groups "5" to "10"; within each, temperatures from firstTemperature in steps of
// 5 K, with "-31" at firstExtraRow and "-8" at secondExtraRow. The ceiling series uses
// (-40, 11, 2, 8), the cubic series (-35, 10, 1, 7).
void fillCoolerRatingKeys(CoolerRecord& record, int firstTemperature, int rowsPerGroup,
                          int firstExtraRow, int secondExtraRow);

// Writes the key columns of the three tables of a condenser record: thirteen temperature
// difference groups "8" to "20"; within each, ambient temperatures "0" to "50" in steps of 2.
void fillCondenserRatingKeys(CondenserRecord& record);

}  // namespace catalog
