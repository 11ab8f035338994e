#include "catalog/catalog.h"

#include <cstring>
#include <string_view>

namespace catalog {
namespace data {
// The compiled-in series, each one run of zero-terminated texts (see catalog_embed).
extern const char ceilingTexts[], mediumCubicTexts[], lowCubicTexts[], condenser500Texts[],
    condenser630Texts[];
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
  // Where the rating tables' capacity texts point to, one entry per table row of the catalog.
  std::vector<const char*> capacityTexts;
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
  const char* takePointer() {
    const char* text = next_;
    next_ += std::strlen(text) + 1;
    return text;
  }

 private:
  const char* next_;
};

// Reads one capacity run per table into the catalog's capacity texts and points the tables at
// them. The key columns must be filled before.
void readRuns(TextCursor& cursor, std::array<RatingTable, 3>& tables, std::size_t rows,
              std::vector<const char*>& capacityTexts) {
  for (RatingTable& table : tables) {
    const std::size_t start = capacityTexts.size();
    for (std::size_t row = 0; row < rows; ++row) capacityTexts.push_back(cursor.takePointer());
    table.setCapacityTexts(std::span<const char* const>(capacityTexts.data() + start, rows));
  }
}

struct CoolerSeries {
  const char* texts;
  std::size_t count;
  const SeriesGrid& grid;
};

const CoolerSeries kCeilingSeries{data::ceilingTexts, data::ceilingRecordCount, kCeilingGrid};
const CoolerSeries kMediumCubicSeries{data::mediumCubicTexts, data::mediumCubicRecordCount, kCubicGrid};
const CoolerSeries kLowCubicSeries{data::lowCubicTexts, data::lowCubicRecordCount, kCubicGrid};

void loadCoolers(const CoolerSeries& series, std::vector<CoolerRecord>& list,
                 std::vector<const char*>& capacityTexts) {
  TextCursor cursor(series.texts);
  list.reserve(series.count);
  for (std::size_t i = 0; i < series.count; ++i) {
    CoolerRecord& record = list.emplace_back();
    record.modelName = cursor.take();
    record.airThrow = cursor.take();
    record.length = cursor.take();
    record.width = cursor.take();
    fillCoolerRatingKeys(record, series.grid);
    readRuns(cursor, record.ratingTables, series.grid.rows(), capacityTexts);
    std::string_view* trailing[] = {
        &record.surface, &record.tubeVolume, &record.fans, &record.airflow,
        &record.powerSupply, &record.motorPower, &record.current, &record.defrostPower};
    for (std::string_view* field : trailing) *field = cursor.take();
  }
}

void loadCondensers(const char* texts, std::size_t count, std::vector<CondenserRecord>& list,
                    std::vector<const char*>& capacityTexts) {
  TextCursor cursor(texts);
  list.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    CondenserRecord& record = list.emplace_back();
    record.modelName = cursor.take();
    fillCondenserRatingKeys(record);
    readRuns(cursor, record.ratingTables, kCondenserGrid.rows(), capacityTexts);
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
  const std::size_t coolerRows = kCeilingSeries.count * kCeilingGrid.rows() +
                                 kMediumCubicSeries.count * kCubicGrid.rows() +
                                 kLowCubicSeries.count * kCubicGrid.rows();
  const std::size_t condenserRows =
      (data::condenser500RecordCount + data::condenser630RecordCount) * kCondenserGrid.rows();
  // Reserved in full, so the tables' views into it never move.
  catalog.capacityTexts.reserve(3 * (coolerRows + condenserRows));

  loadCoolers(kCeilingSeries, catalog.ceiling, catalog.capacityTexts);
  loadCoolers(kMediumCubicSeries, catalog.mediumCubic, catalog.capacityTexts);
  loadCoolers(kLowCubicSeries, catalog.lowCubic, catalog.capacityTexts);
  loadCondensers(data::condenser500Texts, data::condenser500RecordCount, catalog.condenser500,
                 catalog.capacityTexts);
  loadCondensers(data::condenser630Texts, data::condenser630RecordCount, catalog.condenser630,
                 catalog.capacityTexts);
}

const std::vector<CeilingCoolerRecord>& ceilingCoolerList() { return theCatalog().ceiling; }
const std::vector<CubicCoolerRecord>& mediumCubicCoolerList() { return theCatalog().mediumCubic; }
const std::vector<CubicCoolerRecord>& lowCubicCoolerList() { return theCatalog().lowCubic; }
const std::vector<CondenserRecord>& condenserList500() { return theCatalog().condenser500; }
const std::vector<CondenserRecord>& condenserList630() { return theCatalog().condenser630; }

}  // namespace catalog
