#pragma once
// The condenser selection: from the design conditions, the smallest model of one series, among
// the allowed fan variants within the noise limit, that covers the required heat rejection,
// between its neighbours.

#include <string>
#include <vector>

#include "catalog/records.h"
#include "selection/selection_core.h"

namespace selection {

// The inputs as the form gives them; numbers in single precision.
struct CondenserInputs {
  std::string refrigerant;     // "R404a/R507", "R134a" or "R407a"; anything else reads no table
  float requiredWatts = 0;     // 0 qualifies no model
  int seriesCode = 0;          // 1 KD-500, 2 KD-630; anything else: none
  std::string temperatureKey;  // ambient air temperature, as the table keys write it
  std::string deltaKey;        // temperature difference at the condenser inlet
  float noiseLimit = 99.0f;    // dB(A) at 10 m; a model exactly at the limit stays
  bool deltaAllowed = true;    // connection "T", «Треугольник»
  bool starAllowed = false;    // connection "S", «Звезда»
  bool fourPolesAllowed = true;
  bool sixPolesAllowed = true;
  bool eightPolesAllowed = true;
};

// The catalog list of a series code; null for any other code.
const std::vector<catalog::CondenserRecord>* condenserSeriesList(int seriesCode);

// The text of the connection column: "T" is «Треугольник», "S" «Звезда», anything else as it is.
std::string connectionText(std::string_view connection);

// Works on a copy of `series` (nothing when it is null): removes the records outside the noise
// limit and the fan variants not allowed, looks the capacities up, and returns at most three
// rows (smaller neighbour, chosen, larger neighbour; a neighbour that is another fan variant of
// the chosen model is not shown), or the one empty row when no model qualifies.
std::vector<ResultRow> selectCondensers(const CondenserInputs& inputs,
                                        const std::vector<catalog::CondenserRecord>* series);

}  // namespace selection
