#pragma once
// The rating grid of each series shape: the temperature and difference keys of its tables and
// its refrigerants in table order. This one description is what the data files are checked
// against when they are compiled in, what the loaded tables read their keys from, what the
// forms offer in their drop-down lists, and what the selections look capacities up with.
// Header-only, so the build step that compiles the data in can use it too.

#include <cstddef>
#include <span>
#include <string_view>

namespace catalog {

struct SeriesGrid {
  std::span<const std::string_view> temperatures;  // within a difference group, ascending
  std::span<const std::string_view> differences;   // the groups, ascending
  std::span<const std::string_view> refrigerants;  // table order

  // Tables hold one row per grid point: grouped by difference, temperatures within a group.
  constexpr std::size_t rows() const { return temperatures.size() * differences.size(); }
  constexpr std::string_view temperatureOfRow(std::size_t row) const {
    return temperatures[row % temperatures.size()];
  }
  constexpr std::string_view differenceOfRow(std::size_t row) const {
    return differences[row / temperatures.size()];
  }
  // The table a refrigerant's capacities are in; -1 for a text that names none of them.
  constexpr int tableOf(std::string_view refrigerant) const {
    for (std::size_t table = 0; table < refrigerants.size(); ++table)
      if (refrigerants[table] == refrigerant) return static_cast<int>(table);
    return -1;
  }
};

namespace grid_keys {
// Evaporating temperatures, °C. The ceiling series also reaches -40.
inline constexpr std::string_view kCeilingTemperatures[] = {"-40", "-35", "-31", "-30", "-25", "-20",
                                                            "-15", "-10", "-8",  "-5",  "0"};
inline constexpr std::string_view kCubicTemperatures[] = {"-35", "-31", "-30", "-25", "-20",
                                                          "-15", "-10", "-8",  "-5",  "0"};
inline constexpr std::string_view kCoolerDifferences[] = {"5", "6", "7", "8", "9", "10"};
inline constexpr std::string_view kCoolerRefrigerants[] = {"R404a/R507", "R22", "R134a"};
// Ambient air temperatures, °C, and differences at the condenser inlet, K.
inline constexpr std::string_view kCondenserTemperatures[] = {
    "0",  "2",  "4",  "6",  "8",  "10", "12", "14", "16", "18", "20", "22", "24",
    "26", "28", "30", "32", "34", "36", "38", "40", "42", "44", "46", "48", "50"};
inline constexpr std::string_view kCondenserDifferences[] = {"8",  "9",  "10", "11", "12", "13", "14",
                                                             "15", "16", "17", "18", "19", "20"};
inline constexpr std::string_view kCondenserRefrigerants[] = {"R404a/R507", "R134a", "R407a"};
}  // namespace grid_keys

inline constexpr SeriesGrid kCeilingGrid{grid_keys::kCeilingTemperatures, grid_keys::kCoolerDifferences,
                                         grid_keys::kCoolerRefrigerants};
inline constexpr SeriesGrid kCubicGrid{grid_keys::kCubicTemperatures, grid_keys::kCoolerDifferences,
                                       grid_keys::kCoolerRefrigerants};
inline constexpr SeriesGrid kCondenserGrid{grid_keys::kCondenserTemperatures,
                                           grid_keys::kCondenserDifferences,
                                           grid_keys::kCondenserRefrigerants};

}  // namespace catalog
