#pragma once
// The condenser selection: from the design conditions, the smallest model of one series, among
// the allowed fan variants within the noise limit, that covers the required heat rejection,
// between its neighbours.

#include <optional>
#include <string>
#include <vector>

#include "catalog/records.h"
#include "selection/selection_core.h"

namespace selection {

// The series in the order the form lists them.
inline constexpr SeriesName kCondenserSeries[] = {
    {"ORVEX KD-500", "KD-500", 1},
    {"ORVEX KD-630", "KD-630", 2},
};

// The titles of the result columns, in column order.
inline constexpr std::array<std::string_view, kResultColumns> kCondenserColumnTitles{
    "Модель", "Qк (кВт)", "Отклон. (%)", "V (м3/ч)", "S (м2)", "V труб (л)",
    "Уровень шума на расст. 10 м (дБА)", "Габариты Д x Ш х В (мм)", "Диаметр вентиляторов (мм)",
    "Эл. питание (В/Гц)", "Мощность э/д (Вт)", "Потребляемый ток (А)", "Схема подключения"};

// The form's texts and ticks as the selection and the report read them: the drop-down lists'
// shown items, the number fields' texts as corrected (field_bounds.h).
struct CondenserFormTexts {
  std::string series;            // as the list shows it; "" when none is chosen
  int seriesCode = 0;            // its item data
  std::string refrigerant;
  std::string requiredHeatRejection;  // kW
  std::string temperature;            // ambient air temperature
  std::string difference;
  std::string noiseLimit;             // "" when not given
  bool deltaAllowed = true;
  bool starAllowed = false;
  bool fourPolesAllowed = true;
  bool sixPolesAllowed = true;
  bool eightPolesAllowed = true;
  friend bool operator==(const CondenserFormTexts&, const CondenserFormTexts&) = default;
};

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

// The inputs the form makes: numbers by the decimal conversion, the required heat rejection in
// W, an empty noise limit as 99.0.
CondenserInputs condenserInputs(const CondenserFormTexts& form);

// The form's texts the report shows, in the order of its layout.
std::vector<std::string> condenserReportConditions(const CondenserFormTexts& form);

// The selection of what the form holds.
std::vector<ResultRow> selectCondensers(const CondenserFormTexts& form);

// Works on a copy of `series` (nothing when it is null): removes the records outside the noise
// limit and the fan variants not allowed, looks the capacities up, and returns at most three
// rows (smaller neighbour, chosen, larger neighbour; a neighbour that is another fan variant of
// the chosen model is not shown), or the one empty row when no model qualifies.
std::vector<ResultRow> selectCondensers(const CondenserInputs& inputs,
                                        const std::vector<catalog::CondenserRecord>* series);

// A model the user keeps (by name, letter case aside) between its neighbours, at the form's
// conditions and within its limits, its row in the chosen row's place; no rows when the series
// within the limits has no such model.
std::vector<ResultRow> keptCondensers(const CondenserFormTexts& form, std::string_view modelName);

// The largest model of the series that the form's limits leave, with its capacity at the form's
// grid point; nothing when the limits leave no model (or no series is chosen).
std::optional<LargestModel> largestCondenser(const CondenserFormTexts& form);

}  // namespace selection
