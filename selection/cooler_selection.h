#pragma once
// The air cooler selection: from the design conditions, the smallest model of one series that
// covers the required capacity within the installation limits, between its neighbours.

#include <optional>
#include <string>
#include <vector>

#include "catalog/records.h"
#include "selection/selection_core.h"

namespace selection {

// The series in the order the form lists them.
inline constexpr SeriesName kCoolerSeries[] = {
    {"ORVEX VP", "VP", 1},
    {"ORVEX VK-M ( среднетемпературные )", "VK-M", 2},
    {"ORVEX VK-L ( низкотемпературные )", "VK-L", 3},
};

// The titles of the result columns, in column order.
inline constexpr std::array<std::string_view, kResultColumns> kCoolerColumnTitles{
    "Модель", "Qo (кВт)", "Отклон. (%)", "V (м3/ч)", "S (м2)", "V труб (л)", "Длина возд. струи (м)",
    "Габариты Д x Ш (мм)", "Диаметр вентиляторов (мм)", "Эл. питание (В/ф/Гц)", "Мощность э/д (Вт)",
    "Потребляемый ток (А)", "Мощность оттайки (Вт)"};

// The form's texts as the selection and the report read them: the drop-down lists' shown
// items, the number fields' texts as corrected (field_bounds.h).
struct CoolerFormTexts {
  std::string series;          // as the list shows it; "" when none is chosen
  int seriesCode = 0;          // its item data
  std::string refrigerant;
  std::string requiredCapacity;  // kW
  std::string temperature;       // evaporating temperature
  std::string difference;
  std::string minAirThrow;       // "" when not given
  std::string maxLength;
  std::string maxWidth;
  friend bool operator==(const CoolerFormTexts&, const CoolerFormTexts&) = default;
};

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

// The inputs the form's texts make: numbers by the decimal conversion, the required capacity
// in W, an empty length or width as 9999.0.
CoolerInputs coolerInputs(const CoolerFormTexts& form);

// The form's texts the report shows, in the order of its layout.
std::vector<std::string> coolerReportConditions(const CoolerFormTexts& form);

// The selection of what the form holds.
std::vector<ResultRow> selectCoolers(const CoolerFormTexts& form);

// Works on a copy of `series` (nothing when it is empty): filters by the limits, looks the
// capacities up, and returns at most three rows (smaller neighbour, chosen, larger neighbour),
// or the one empty row when no model qualifies.
std::vector<ResultRow> selectCoolers(const CoolerInputs& inputs,
                                     const std::vector<catalog::CoolerRecord>* series);

// A model the user keeps (by name, letter case aside) between its neighbours, at the form's
// conditions and within its limits, its row in the chosen row's place; no rows when the series
// within the limits has no such model.
std::vector<ResultRow> keptCoolers(const CoolerFormTexts& form, std::string_view modelName);

// The largest model of the series that the form's limits leave, with its capacity at the form's
// grid point; nothing when the limits leave no model (or no series is chosen).
std::optional<LargestModel> largestCooler(const CoolerFormTexts& form);

}  // namespace selection
