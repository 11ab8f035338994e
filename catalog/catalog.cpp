#include "catalog/catalog.h"

#include <cstring>
#include <string_view>

namespace catalog {
namespace data {
// The compiled-in series, each one run of zero-terminated texts and one run of capacity slots
// (see catalog_embed).
extern const char ceilingTexts[], mediumCubicTexts[], lowCubicTexts[], condenser500Texts[],
    condenser630Texts[];
extern const char ceilingCapacities[], mediumCubicCapacities[], lowCubicCapacities[],
    condenser500Capacities[], condenser630Capacities[];
extern const std::size_t ceilingRecordCount, mediumCubicRecordCount, lowCubicRecordCount,
    condenser500RecordCount, condenser630RecordCount;
}  // namespace data

namespace {

struct Catalog {
  std::vector<CeilingCoolerRecord> ceiling;
  std::vector<CubicCoolerRecord> mediumCubic;
  std::vector<CubicCoolerRecord> lowCubic;
  std::vector<CondenserRecord> condenser500;
  std::vector<CondenserRecord> condenser630;
};

Catalog& theCatalog() {
  static Catalog instance;
  return instance;
}

// Walks a run of zero-terminated texts.
class TextCursor {
 public:
  explicit TextCursor(const char* texts) : next_(texts) {}
  std::string_view take() {
    const char* text = next_;
    next_ += std::strlen(text) + 1;
    return text;
  }

 private:
  const char* next_;
};

// Points a record's three tables at their capacity slots: the series' run holds the tables
// record after record, three per record. The slots are not read here.
void pointTables(std::array<RatingTable, 3>& tables, const char* capacities, std::size_t record,
                 std::size_t rows) {
  const std::size_t tableBytes = rows * kCapacitySlot;
  for (std::size_t table = 0; table < tables.size(); ++table) {
    const char* first = capacities + (record * tables.size() + table) * tableBytes;
    tables[table].setCapacitySlots(std::span<const char>(first, tableBytes));
  }
}

struct CoolerSeries {
  const char* texts;
  const char* capacities;
  std::size_t count;
  const SeriesGrid& grid;
};

const CoolerSeries kCeilingSeries{data::ceilingTexts, data::ceilingCapacities,
                                  data::ceilingRecordCount, kCeilingGrid};
const CoolerSeries kMediumCubicSeries{data::mediumCubicTexts, data::mediumCubicCapacities,
                                      data::mediumCubicRecordCount, kCubicGrid};
const CoolerSeries kLowCubicSeries{data::lowCubicTexts, data::lowCubicCapacities,
                                   data::lowCubicRecordCount, kCubicGrid};

void loadCoolers(const CoolerSeries& series, std::vector<CoolerRecord>& list) {
  TextCursor cursor(series.texts);
  list.reserve(series.count);
  for (std::size_t i = 0; i < series.count; ++i) {
    CoolerRecord& record = list.emplace_back();
    record.modelName = cursor.take();
    record.airThrow = cursor.take();
    record.length = cursor.take();
    record.width = cursor.take();
    fillCoolerRatingKeys(record, series.grid);
    pointTables(record.ratingTables, series.capacities, i, series.grid.rows());
    std::string_view* trailing[] = {
        &record.surface, &record.tubeVolume, &record.fans, &record.airflow,
        &record.powerSupply, &record.motorPower, &record.current, &record.defrostPower};
    for (std::string_view* field : trailing) *field = cursor.take();
  }
}

void loadCondensers(const char* texts, const char* capacities, std::size_t count,
                    std::vector<CondenserRecord>& list) {
  TextCursor cursor(texts);
  list.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    CondenserRecord& record = list.emplace_back();
    record.modelName = cursor.take();
    fillCondenserRatingKeys(record);
    pointTables(record.ratingTables, capacities, i, kCondenserGrid.rows());
    std::string_view* trailing[] = {&record.poles,       &record.connection, &record.airflow,
                                    &record.noiseLevel,  &record.surface,    &record.tubeVolume,
                                    &record.dimensions,  &record.fans,       &record.powerSupply,
                                    &record.motorPower,  &record.current};
    for (std::string_view* field : trailing) *field = cursor.take();
  }
}

}  // namespace

void fillCoolerRatingKeys(CoolerRecord& record, const SeriesGrid& grid) {
  for (RatingTable& table : record.ratingTables) table.setKeys(&grid);
}

void fillCondenserRatingKeys(CondenserRecord& record) {
  for (RatingTable& table : record.ratingTables) table.setKeys(&kCondenserGrid);
}

void loadCatalog() {
  Catalog& catalog = theCatalog();
  catalog = Catalog{};
  loadCoolers(kCeilingSeries, catalog.ceiling);
  loadCoolers(kMediumCubicSeries, catalog.mediumCubic);
  loadCoolers(kLowCubicSeries, catalog.lowCubic);
  loadCondensers(data::condenser500Texts, data::condenser500Capacities,
                 data::condenser500RecordCount, catalog.condenser500);
  loadCondensers(data::condenser630Texts, data::condenser630Capacities,
                 data::condenser630RecordCount, catalog.condenser630);
}

const std::vector<CeilingCoolerRecord>& ceilingCoolerList() { return theCatalog().ceiling; }
const std::vector<CubicCoolerRecord>& mediumCubicCoolerList() { return theCatalog().mediumCubic; }
const std::vector<CubicCoolerRecord>& lowCubicCoolerList() { return theCatalog().lowCubic; }
const std::vector<CondenserRecord>& condenserList500() { return theCatalog().condenser500; }
const std::vector<CondenserRecord>& condenserList630() { return theCatalog().condenser630; }

}  // namespace catalog
