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

// Points the three tables of an air cooler record at the key grid of its series.
void fillCoolerRatingKeys(CoolerRecord& record, const SeriesGrid& grid);

// Points the three tables of a condenser record at the condenser grid: thirteen difference
// groups "8" to "20", within each the ambient temperatures "0" to "50" in steps of 2.
void fillCondenserRatingKeys(CondenserRecord& record);

}  // namespace catalog
