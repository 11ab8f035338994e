// The shape of the loaded catalog: list counts and orders, the key grids, the fan-variant
// blocks and the known rows of the maker's catalog.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog.h"

namespace {

using catalog::CondenserRecord;
using catalog::CoolerRecord;
using catalog::RatingTable;

class CatalogLayoutTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { catalog::loadCatalog(); }
};

// The capacity text at the given keys, found by comparing key texts as a selection does.
std::string capacityAt(const RatingTable& table, std::string_view temperature, std::string_view delta) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (table[row].temperatureKey == temperature && table[row].deltaKey == delta)
      return std::string(table[row].capacityText);
  }
  return "<no row>";
}

TEST(RatingTableTest, ReadsEachCapacityUpToItsSlotsPadding) {
  using namespace std::string_literals;
  const std::string slots = "12345678"s + "42\0\0\0\0\0\0"s + "7\0\0\0\0\0\0\0"s;
  const RatingTable table(&catalog::kCondenserGrid, slots);
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].capacityText, "12345678");  // fills its slot: no zero after it
  EXPECT_EQ(table[1].capacityText, "42");
  EXPECT_EQ(table[2].capacityText, "7");
  EXPECT_EQ(table[2].temperatureKey, catalog::kCondenserGrid.temperatureOfRow(2));
}

TEST_F(CatalogLayoutTest, ListsHoldTheirRecordsAndRows) {
  const struct {
    const char* name;
    std::size_t records, rows;
  } expected[] = {{"ceiling", 10, 66}, {"medium cubic", 19, 60}, {"low cubic", 19, 60},
                  {"condenser 500", 120, 338}, {"condenser 630", 120, 338}};
  const std::vector<std::size_t> records = {
      catalog::ceilingCoolerList().size(), catalog::mediumCubicCoolerList().size(),
      catalog::lowCubicCoolerList().size(), catalog::condenserList500().size(),
      catalog::condenserList630().size()};
  const std::vector<std::vector<const std::array<RatingTable, 3>*>> tables = [] {
    std::vector<std::vector<const std::array<RatingTable, 3>*>> all(5);
    for (const auto& r : catalog::ceilingCoolerList()) all[0].push_back(&r.ratingTables);
    for (const auto& r : catalog::mediumCubicCoolerList()) all[1].push_back(&r.ratingTables);
    for (const auto& r : catalog::lowCubicCoolerList()) all[2].push_back(&r.ratingTables);
    for (const auto& r : catalog::condenserList500()) all[3].push_back(&r.ratingTables);
    for (const auto& r : catalog::condenserList630()) all[4].push_back(&r.ratingTables);
    return all;
  }();
  for (std::size_t list = 0; list < 5; ++list) {
    SCOPED_TRACE(expected[list].name);
    EXPECT_EQ(records[list], expected[list].records);
    for (const auto* recordTables : tables[list]) {
      for (const RatingTable& table : *recordTables) {
        ASSERT_EQ(table.size(), expected[list].rows);
        for (std::size_t row = 0; row < table.size(); ++row) {
          // Every row has its keys, the same in all three tables of the record.
          ASSERT_FALSE(table[row].temperatureKey.empty());
          ASSERT_FALSE(table[row].deltaKey.empty());
          ASSERT_FALSE(table[row].capacityText.empty());
          ASSERT_EQ(table[row].temperatureKey, (*recordTables)[0][row].temperatureKey);
          ASSERT_EQ(table[row].deltaKey, (*recordTables)[0][row].deltaKey);
        }
      }
    }
  }
}

TEST_F(CatalogLayoutTest, KeyGridsFollowTheSeriesGrids) {
  const struct {
    const RatingTable* table;
    std::size_t row;
    const char* temperature;
    const char* delta;
  } cases[] = {
      {&catalog::ceilingCoolerList()[0].ratingTables[0], 0, "-40", "5"},
      {&catalog::ceilingCoolerList()[0].ratingTables[0], 2, "-31", "5"},
      {&catalog::ceilingCoolerList()[0].ratingTables[1], 8, "-8", "5"},
      {&catalog::ceilingCoolerList()[0].ratingTables[2], 10, "0", "5"},
      {&catalog::ceilingCoolerList()[0].ratingTables[0], 11, "-40", "6"},
      {&catalog::ceilingCoolerList()[9].ratingTables[0], 30, "-8", "7"},
      {&catalog::ceilingCoolerList()[0].ratingTables[0], 65, "0", "10"},
      {&catalog::mediumCubicCoolerList()[0].ratingTables[0], 0, "-35", "5"},
      {&catalog::mediumCubicCoolerList()[0].ratingTables[0], 1, "-31", "5"},
      {&catalog::lowCubicCoolerList()[3].ratingTables[2], 7, "-8", "5"},
      {&catalog::lowCubicCoolerList()[0].ratingTables[0], 10, "-35", "6"},
      {&catalog::lowCubicCoolerList()[0].ratingTables[0], 59, "0", "10"},
      {&catalog::condenserList500()[0].ratingTables[0], 0, "0", "8"},
      {&catalog::condenserList500()[0].ratingTables[1], 69, "34", "10"},
      {&catalog::condenserList630()[119].ratingTables[2], 337, "50", "20"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ((*c.table)[c.row].temperatureKey, c.temperature) << "row " << c.row;
    EXPECT_EQ((*c.table)[c.row].deltaKey, c.delta) << "row " << c.row;
  }
  // The grids in full, as the forms offer them.
  std::vector<std::string> ceiling, cubic, condenser;
  for (std::size_t i = 0; i < 11; ++i)
    ceiling.emplace_back(catalog::ceilingCoolerList()[0].ratingTables[0][i].temperatureKey);
  for (std::size_t i = 0; i < 10; ++i)
    cubic.emplace_back(catalog::mediumCubicCoolerList()[0].ratingTables[0][i].temperatureKey);
  for (std::size_t i = 0; i < 26; ++i)
    condenser.emplace_back(catalog::condenserList500()[0].ratingTables[0][i].temperatureKey);
  EXPECT_EQ(ceiling, (std::vector<std::string>{"-40", "-35", "-31", "-30", "-25", "-20", "-15",
                                               "-10", "-8", "-5", "0"}));
  EXPECT_EQ(cubic, (std::vector<std::string>{"-35", "-31", "-30", "-25", "-20", "-15", "-10",
                                             "-8", "-5", "0"}));
  for (int i = 0; i < 26; ++i) EXPECT_EQ(condenser[i], std::to_string(2 * i));
}

TEST_F(CatalogLayoutTest, KeysAreComparedAsTexts) {
  const RatingTable& table = catalog::ceilingCoolerList()[0].ratingTables[0];
  EXPECT_EQ(capacityAt(table, "-40", "5"), "112");
  EXPECT_EQ(capacityAt(table, "-40.0", "5"), "<no row>");
  EXPECT_EQ(capacityAt(table, "0", "+5"), "<no row>");
  EXPECT_EQ(capacityAt(table, "-40", "05"), "<no row>");
}

TEST_F(CatalogLayoutTest, CondenserListsComeInSixFanVariantBlocks) {
  const char* variants[6][2] = {{"4", "T"}, {"4", "S"}, {"6", "T"}, {"6", "S"}, {"8", "T"}, {"8", "S"}};
  for (const auto* list : {&catalog::condenserList500(), &catalog::condenserList630()}) {
    for (std::size_t i = 0; i < list->size(); ++i) {
      const CondenserRecord& record = (*list)[i];
      const CondenserRecord& base = (*list)[i % 20];
      ASSERT_EQ(record.poles, variants[i / 20][0]) << i;
      ASSERT_EQ(record.connection, variants[i / 20][1]) << i;
      // The six variants of a base model share these texts ...
      EXPECT_EQ(record.modelName, base.modelName);
      EXPECT_EQ(record.surface, base.surface);
      EXPECT_EQ(record.tubeVolume, base.tubeVolume);
      EXPECT_EQ(record.fans, base.fans);
      EXPECT_EQ(record.powerSupply, base.powerSupply);
      // ... and have their own rating tables and air flow.
      if (i >= 20) {
        EXPECT_NE(record.airflow, base.airflow);
        EXPECT_NE(record.ratingTables[0][0].capacityText, base.ratingTables[0][0].capacityText);
      }
      EXPECT_EQ(record.capacity, 0.0f);
    }
  }
  // Records 21 and 41, counted from 1.
  EXPECT_EQ(catalog::condenserList500()[20].modelName, "KD-100A");
  EXPECT_EQ(catalog::condenserList500()[20].connection, "S");
  EXPECT_EQ(catalog::condenserList500()[40].poles, "6");
  EXPECT_EQ(catalog::condenserList500()[40].connection, "T");
}

TEST_F(CatalogLayoutTest, KnownCoolerRowsComeOutExactly) {
  const CoolerRecord& first = catalog::ceilingCoolerList().front();
  const CoolerRecord& last = catalog::ceilingCoolerList().back();
  const CoolerRecord& cubic = catalog::mediumCubicCoolerList().front();
  const std::vector<std::vector<std::string_view>> actual = {
      {first.modelName, first.airThrow, first.length, first.width, first.surface, first.tubeVolume,
       first.fans, first.airflow, first.powerSupply, first.motorPower, first.current, first.defrostPower},
      {last.modelName, last.airThrow, last.length, last.width, last.surface, last.tubeVolume,
       last.fans, last.airflow, last.powerSupply, last.motorPower, last.current, last.defrostPower},
      {cubic.modelName, cubic.airThrow, cubic.length, cubic.width, cubic.surface, cubic.tubeVolume,
       cubic.fans, cubic.airflow, cubic.powerSupply, cubic.motorPower, cubic.current, cubic.defrostPower},
  };
  const std::vector<std::vector<std::string_view>> expected = {
      {"VP-10-100", "3.0", "540", "560", "1.4", "0.3", "1 x 200", "300", "220/1/50", "1 x 36",
       "1 х 0.25", "500"},
      {"VP-90-400", "4.0", "1580", "560", "13.0", "3.1", "4 x 200", "1355", "220/1/50", "4 x 36",
       "4 х 0.25", "1400"},
      {"VK-M 100A10", "15", "780", "530", "15.3", "3.5", "1 x 250", "1379", "230/1/50", "1 x 115",
       "1 x 0.51", "1800"},
  };
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(catalog::lowCubicCoolerList().front().modelName.substr(0, 4), "VK-L");

  const struct {
    const RatingTable& table;
    const char *temperature, *delta, *capacity;
  } ratings[] = {
      {first.ratingTables[0], "-40", "5", "112"},  {first.ratingTables[0], "0", "5", "117"},
      {first.ratingTables[0], "-40", "10", "290"}, {first.ratingTables[0], "0", "10", "421"},
      {first.ratingTables[1], "-40", "5", "106"},  {first.ratingTables[2], "-40", "5", "111"},
      {cubic.ratingTables[0], "-35", "5", "1397"}, {cubic.ratingTables[0], "0", "5", "1912"},
      {cubic.ratingTables[0], "-35", "10", "2617"}, {cubic.ratingTables[0], "0", "10", "4502"},
  };
  for (const auto& r : ratings)
    EXPECT_EQ(capacityAt(r.table, r.temperature, r.delta), r.capacity) << r.temperature << "/" << r.delta;
}

TEST_F(CatalogLayoutTest, KnownCondenserRowsComeOutExactly) {
  const CondenserRecord& delta = catalog::condenserList500()[0];
  const CondenserRecord& star = catalog::condenserList500()[20];
  const std::vector<std::string_view> deltaTexts = {
      delta.modelName, delta.poles, delta.connection, delta.airflow, delta.noiseLevel,
      delta.surface, delta.tubeVolume, delta.dimensions, delta.fans, delta.powerSupply,
      delta.motorPower, delta.current};
  EXPECT_EQ(deltaTexts, (std::vector<std::string_view>{
                            "KD-100A", "4", "T", "7631.3 (4-х пол.)", "36", "20.3", "2.6",
                            "860 x 800 x 325", "1 x 500", "400/50", "1 x 720", "1 x 1.41"}));
  const std::vector<std::string_view> starTexts = {star.airflow, star.noiseLevel, star.motorPower,
                                                   star.current, star.surface, star.fans};
  EXPECT_EQ(starTexts, (std::vector<std::string_view>{"6611.8 (4-х пол.)", "33", "1 x 550",
                                                      "1 x 0.95", "20.3", "1 x 500"}));
  const RatingTable& table = delta.ratingTables[0];
  EXPECT_EQ(capacityAt(table, "0", "8"), "6435");
  EXPECT_EQ(capacityAt(table, "50", "8"), "7056");
  EXPECT_EQ(capacityAt(table, "0", "20"), "18037");
  EXPECT_EQ(capacityAt(table, "50", "20"), "20947");
}

}  // namespace
