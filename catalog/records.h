#pragma once
// The catalog's record kinds and their rating tables.
//
// Every text a record holds is a view into the compiled-in catalog, which lives as long as the
// program; so copying a record copies views, never the texts, and a working copy can be
// changed (filtered, sorted, `capacity` written) without touching the catalog.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/series_grids.h"

namespace catalog {

// One grid point of a rating table: the two key texts and the capacity in W as text.
struct RatingRow {
  std::string_view temperatureKey;  // evaporating temperature (air coolers), ambient air (condensers), °C
  std::string_view deltaKey;        // temperature difference, K
  std::string_view capacityText;    // W
};

// The capacity texts of a rating table sit one per row in slots of this many bytes, the text
// padded with zeros; so a table finds its row's text without a list of pointers, and the
// compiled-in tables are not read until a selection looks a capacity up.
inline constexpr std::size_t kCapacitySlot = 8;

// The rating table of one refrigerant: rows grouped by temperature difference (ascending),
// temperatures ascending within a group.
class RatingTable {
 public:
  RatingTable() = default;
  // `capacitySlots`: one slot of kCapacitySlot bytes per row.
  RatingTable(const SeriesGrid* keys, std::span<const char> capacitySlots)
      : keys_(keys), capacitySlots_(capacitySlots) {}

  std::size_t size() const { return capacitySlots_.size() / kCapacitySlot; }
  RatingRow operator[](std::size_t row) const {
    const std::string_view slot(capacitySlots_.data() + row * kCapacitySlot, kCapacitySlot);
    return {keys_->temperatureOfRow(row), keys_->differenceOfRow(row), slot.substr(0, slot.find('\0'))};
  }

  const SeriesGrid* keys() const { return keys_; }
  void setKeys(const SeriesGrid* keys) { keys_ = keys; }
  void setCapacitySlots(std::span<const char> slots) { capacitySlots_ = slots; }

 private:
  const SeriesGrid* keys_ = nullptr;  // every record of a series shares its series' grid
  std::span<const char> capacitySlots_;
};

// An air cooler model. The ceiling and the cubic series have the same fields; their tables
// differ only in length (66 and 60 rows).
struct CoolerRecord {
  std::string_view modelName;
  std::string_view airThrow;  // m
  std::string_view length;    // mm
  std::string_view width;     // mm
  std::array<RatingTable, 3> ratingTables;  // R404a/R507, R22, R134a
  float capacity = 0;  // W; written only into a selection's working copy
  std::string_view surface;
  std::string_view tubeVolume;
  std::string_view fans;
  std::string_view airflow;
  std::string_view powerSupply;
  std::string_view motorPower;
  std::string_view current;
  std::string_view defrostPower;
};

using CeilingCoolerRecord = CoolerRecord;
using CubicCoolerRecord = CoolerRecord;

// An air-cooled condenser model in one fan variant.
struct CondenserRecord {
  std::string_view modelName;
  std::array<RatingTable, 3> ratingTables;  // R404a/R507, R134a, R407a
  float capacity = 0;  // W; written only into a selection's working copy
  std::string_view poles;       // "4", "6" or "8"
  std::string_view connection;  // "T" delta, "S" star
  std::string_view airflow;
  std::string_view noiseLevel;  // dB(A) at 10 m
  std::string_view surface;
  std::string_view tubeVolume;
  std::string_view dimensions;
  std::string_view fans;
  std::string_view powerSupply;
  std::string_view motorPower;
  std::string_view current;
};

}  // namespace catalog
