#pragma once
// The air cooler selection: from the design conditions, the smallest model of one series that
// covers the required capacity within the installation limits, between its neighbours.

#include <string>
#include <vector>

#include "catalog/records.h"
#include "selection/selection_core.h"

namespace selection {

// The inputs as the form gives them; numbers in single precision.
struct CoolerInputs {
  std::string refrigerant;      // "R404a/R507", "R22" or "R134a"; anything else reads no table
  float requiredWatts = 0;      // 0 qualifies no model
  int seriesCode = 0;           // 1 ceiling, 2 medium cubic, 3 low cubic; anything else: none
  std::string temperatureKey;   // evaporating temperature, as the table keys write it
  std::string deltaKey;         // temperature difference
  float minAirThrow = 0;        // m
  float maxLength = 9999.0f;    // mm
  float maxWidth = 9999.0f;     // mm
};

// The catalog list of a series code (1 ceiling, 2 medium cubic, 3 low cubic); null for any
// other code.
const std::vector<catalog::CoolerRecord>* coolerSeriesList(int seriesCode);
// The rating grid of a series code: the ceiling grid for 1, the cubic grid otherwise.
const catalog::SeriesGrid& coolerSeriesGrid(int seriesCode);

// Works on a copy of `series` (nothing when it is empty): filters by the limits, looks the
// capacities up, and returns at most three rows (smaller neighbour, chosen, larger neighbour),
// or the one empty row when no model qualifies.
std::vector<ResultRow> selectCoolers(const CoolerInputs& inputs,
                                     const std::vector<catalog::CoolerRecord>* series);

}  // namespace selection
