#pragma once
// What the air cooler and the condenser selections have in common, generic over the record
// type: the working copy of a series without the records the limits reject, the capacity
// lookup at one grid point, the stable sort, the choice of the smallest model that covers the
// duty between its neighbours, and the number texts of a result row. Each selection adds only
// its inputs, its filter and its row texts. Nothing here reads a form or fills a list.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/records.h"
#include "catalog/series_grids.h"

namespace selection {

inline constexpr int kResultColumns = 13;
using ResultCells = std::array<std::string, kResultColumns>;

enum class RowRole {
  Smaller,  // the next smaller model, which falls short
  Chosen,   // the smallest model that covers the duty
  Larger,   // the next larger model
  Nothing,  // no model qualifies: one row of empty cells
};

struct ResultRow {
  RowRole role = RowRole::Nothing;
  ResultCells cells;
  friend bool operator==(const ResultRow&, const ResultRow&) = default;
};

// The chosen row among the rows, or null when no model covers the duty.
const ResultRow* chosenRow(const std::vector<ResultRow>& rows);

// A series as a form's drop-down list offers it: the text it shows, the short name the
// console program also takes, and its code (the item data the selection reads).
struct SeriesName {
  std::string_view shown;
  std::string_view shortName;
  int code = 0;
};

// The temperatures of a grid as the forms offer them, warmest first.
std::vector<std::string_view> offeredTemperatures(const catalog::SeriesGrid& grid);

// The capacity in W at one grid point, given by its key texts (compared exactly, as texts):
// every row of the grid is visited and the last matching row wins; 0 when no row matches.
// Every table of a series shares the series' grid, so the matching row is found once per grid
// and each further table of that grid is one read.
class CapacityLookup {
 public:
  CapacityLookup(std::string_view temperatureKey, std::string_view deltaKey)
      : temperatureKey_(temperatureKey), deltaKey_(deltaKey) {}
  float capacityIn(const catalog::RatingTable& table);

 private:
  std::string_view temperatureKey_, deltaKey_;
  const catalog::SeriesGrid* grid_ = nullptr;  // the grid the row below belongs to
  std::optional<std::size_t> row_;
};

// Column 1 (capacity in kW, 3 decimals) and column 2 (deviation from the requirement in %,
// 1 decimal, "-0.0" for a shortfall too small to show) of a row, in single precision.
std::string capacityKilowattText(float capacityWatts);
std::string deviationText(float capacityWatts, float requiredWatts);

// The rows a selection shows of the sorted working copy: the row of `chosen` between the rows
// of its neighbours in the copy. A neighbour with the chosen model's name is not shown.
// describe(record) gives the catalog texts of a row; the number columns 1 and 2 are filled here.
template <typename Record, typename Describe>
std::vector<ResultRow> rowsAround(const std::vector<Record>& sorted,
                                  typename std::vector<Record>::const_iterator chosen, float requiredWatts,
                                  Describe describe) {
  const auto larger = chosen + 1 == sorted.end() ? chosen : chosen + 1;
  const auto smaller = chosen == sorted.begin() ? chosen : chosen - 1;
  auto rowOf = [&](RowRole role, const Record& record) {
    ResultRow row{role, describe(record)};
    row.cells[1] = capacityKilowattText(record.capacity);
    row.cells[2] = deviationText(record.capacity, requiredWatts);
    return row;
  };
  std::vector<ResultRow> rows;
  if (smaller->modelName != chosen->modelName) rows.push_back(rowOf(RowRole::Smaller, *smaller));
  rows.push_back(rowOf(RowRole::Chosen, *chosen));
  if (larger->modelName != chosen->modelName) rows.push_back(rowOf(RowRole::Larger, *larger));
  return rows;
}

// Sorts the working copy by capacity (stable: equal capacities keep catalog order).
template <typename Record>
void sortByCapacity(std::vector<Record>& copy) {
  std::stable_sort(copy.begin(), copy.end(),
                   [](const Record& a, const Record& b) { return a.capacity < b.capacity; });
}

// Sorts the working copy, chooses the first record whose capacity reaches the requirement
// (which must be above 0), and returns its row between its neighbours' rows. No qualifying
// record gives the one empty row.
template <typename Record, typename Describe>
std::vector<ResultRow> chooseAmongNeighbours(std::vector<Record>& copy, float requiredWatts,
                                             Describe describe) {
  sortByCapacity(copy);
  const auto chosen = std::find_if(copy.cbegin(), copy.cend(), [&](const Record& record) {
    return requiredWatts > 0 && requiredWatts <= record.capacity;
  });
  if (chosen == copy.cend()) return std::vector<ResultRow>(1);
  return rowsAround(copy, chosen, requiredWatts, describe);
}

// Model names as a user may type them: letter case aside.
bool sameModelName(std::string_view a, std::string_view b);

// A model the user keeps instead of the rule's choice (a neighbour, say), shown as the chosen
// row between its neighbours in the sorted working copy, at the working copy's capacities.
// No rows when the copy holds no model of that name.
template <typename Record, typename Describe>
std::vector<ResultRow> keptAmongNeighbours(std::vector<Record>& copy, std::string_view modelName,
                                           float requiredWatts, Describe describe) {
  sortByCapacity(copy);
  const auto kept = std::find_if(copy.cbegin(), copy.cend(), [&](const Record& record) {
    return sameModelName(record.modelName, modelName);
  });
  if (kept == copy.cend()) return {};
  return rowsAround(copy, kept, requiredWatts, describe);
}

// The working copy of one series (empty when `series` is null): the records that `removed` does
// not reject, in catalog order, each one's capacity looked up in the table of the inputs'
// refrigerant (no table for an unknown refrigerant: capacities stay 0) at the inputs' keys.
// `Inputs` has refrigerant, temperatureKey and deltaKey.
template <typename Inputs, typename Record, typename Removed>
std::vector<Record> ratedWorkingCopy(const Inputs& inputs, const std::vector<Record>* series,
                                     const catalog::SeriesGrid& grid, Removed removed) {
  std::vector<Record> copy;
  if (!series) return copy;
  copy.reserve(series->size());
  std::copy_if(series->begin(), series->end(), std::back_inserter(copy),
               [&](const Record& record) { return !removed(record); });
  const int table = grid.tableOf(inputs.refrigerant);
  if (table >= 0) {
    CapacityLookup lookup(inputs.temperatureKey, inputs.deltaKey);
    for (Record& record : copy) record.capacity = lookup.capacityIn(record.ratingTables[table]);
  }
  return copy;
}

// The whole selection over one series: the working copy, then the choice among neighbours.
// `Inputs` also has requiredWatts.
template <typename Inputs, typename Record, typename Removed, typename Describe>
std::vector<ResultRow> selectFromSeries(const Inputs& inputs, const std::vector<Record>* series,
                                        const catalog::SeriesGrid& grid, Removed removed,
                                        Describe describe) {
  std::vector<Record> copy = ratedWorkingCopy(inputs, series, grid, removed);
  return chooseAmongNeighbours(copy, inputs.requiredWatts, describe);
}

// A kept model over one series: the working copy, then the kept model among its neighbours.
template <typename Inputs, typename Record, typename Removed, typename Describe>
std::vector<ResultRow> keptFromSeries(const Inputs& inputs, const std::vector<Record>* series,
                                      const catalog::SeriesGrid& grid, Removed removed, Describe describe,
                                      std::string_view modelName) {
  std::vector<Record> copy = ratedWorkingCopy(inputs, series, grid, removed);
  return keptAmongNeighbours(copy, modelName, inputs.requiredWatts, describe);
}

// The largest model of a series that the limits leave, with its capacity at the duty's grid
// point: what a duty that no model covers runs up against.
struct LargestModel {
  std::string modelName;
  float capacityWatts = 0;
  friend bool operator==(const LargestModel&, const LargestModel&) = default;
};

// The largest model of the working copy (the first of equal capacities, in catalog order);
// nothing when the limits leave no model.
template <typename Inputs, typename Record, typename Removed>
std::optional<LargestModel> largestOfSeries(const Inputs& inputs, const std::vector<Record>* series,
                                            const catalog::SeriesGrid& grid, Removed removed) {
  const std::vector<Record> copy = ratedWorkingCopy(inputs, series, grid, removed);
  const auto largest = std::max_element(copy.begin(), copy.end(), [](const Record& a, const Record& b) {
    return a.capacity < b.capacity;
  });
  if (largest == copy.end()) return std::nullopt;
  return LargestModel{std::string(largest->modelName), largest->capacity};
}

}  // namespace selection
