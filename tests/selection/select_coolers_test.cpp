// The air cooler selection core on small test series and on the catalog.

#include "selection/cooler_selection.h"

#include <gtest/gtest.h>

#include <deque>

#include "catalog/catalog.h"
#include "support/capacity_slots.h"

namespace {

using catalog::CoolerRecord;
using selection::CoolerInputs;
using selection::ResultRow;
using selection::RowRole;

// Test records with a two-row grid: (-10, 8) and (0, 8).
constexpr std::string_view kTemperatures[] = {"-10", "0"};
constexpr std::string_view kDifferences[] = {"8"};
constexpr catalog::SeriesGrid kSmallGrid{kTemperatures, kDifferences, catalog::grid_keys::kCoolerRefrigerants};

class SmallSeries {
 public:

  // Capacities per table (R404a/R507, R22, R134a) at (-10, 8); (0, 8) holds 1 W more.
  SmallSeries& add(const char* name, std::array<int, 3> capacities, const char* airThrow = "5",
                   const char* length = "800", const char* width = "500") {
    CoolerRecord record;
    record.modelName = name;
    record.airThrow = airThrow;
    record.length = length;
    record.width = width;
    for (int table = 0; table < 3; ++table) {
      const std::string& slots = strings_.emplace_back(
          testing_support::capacitySlots({capacities[table], capacities[table] + 1}));
      record.ratingTables[table] = catalog::RatingTable(&kSmallGrid, slots);
    }
    record.surface = "10.5";
    record.tubeVolume = "2.1";
    record.fans = "2 x 250";
    record.airflow = "2600";
    record.powerSupply = "230/1/50";
    record.motorPower = "2 x 115";
    record.current = "2 x 0.51";
    record.defrostPower = "2400";
    records_.push_back(record);
    return *this;
  }
  const std::vector<CoolerRecord>* list() const { return &records_; }

 private:
  const char* keep(std::string text) { return strings_.emplace_back(std::move(text)).c_str(); }
  std::deque<std::string> strings_;
  std::vector<CoolerRecord> records_;
};

CoolerInputs inputs(float requiredWatts, const char* refrigerant = "R404a/R507") {
  return CoolerInputs{.refrigerant = refrigerant,
                      .requiredWatts = requiredWatts,
                      .seriesCode = 1,
                      .temperatureKey = "-10",
                      .deltaKey = "8"};
}

// Model name, capacity and deviation of each row, with its role.
std::vector<std::tuple<RowRole, std::string, std::string, std::string>> summary(const std::vector<ResultRow>& rows) {
  std::vector<std::tuple<RowRole, std::string, std::string, std::string>> result;
  for (const ResultRow& row : rows) result.emplace_back(row.role, row.cells[0], row.cells[1], row.cells[2]);
  return result;
}

TEST(SelectCoolersTest, WorkedExample) {
  SmallSeries series;
  series.add("C", {1500, 0, 0}).add("A", {1100, 0, 0}).add("B", {1379, 0, 0});
  EXPECT_EQ(summary(selection::selectCoolers(inputs(1200), series.list())),
            (decltype(summary({})){{RowRole::Smaller, "A", "1.100", "-8.3"},
                                   {RowRole::Chosen, "B", "1.379", "14.9"},
                                   {RowRole::Larger, "C", "1.500", "25.0"}}));
}

TEST(SelectCoolersTest, RowTextsComeFromTheRecord) {
  SmallSeries series;
  series.add("VK-M 100A10", {1379, 0, 0}, "15", "780", "530");
  const auto rows = selection::selectCoolers(inputs(1379), series.list());
  ASSERT_EQ(rows.size(), 1u);
  const selection::ResultCells expected = {"VK-M 100A10", "1.379", "0.0", "2600", "10.5", "2.1", "15",
                                           "780 x 530", "2 x 250", "230/1/50", "2 x 115", "2 x 0.51", "2400"};
  EXPECT_EQ(rows[0].cells, expected);
}

TEST(SelectCoolersTest, ChosenModelPositionDecidesTheRowsShown) {
  SmallSeries series;
  series.add("S", {1000, 0, 0}).add("M", {2000, 0, 0}).add("L", {3000, 0, 0});
  const struct {
    float required;
    std::vector<std::string> names;
    std::vector<RowRole> roles;
  } cases[] = {
      {1.0f, {"S", "M"}, {RowRole::Chosen, RowRole::Larger}},            // smallest
      {1000.0f, {"S", "M"}, {RowRole::Chosen, RowRole::Larger}},         // equality qualifies
      {1000.5f, {"S", "M", "L"}, {RowRole::Smaller, RowRole::Chosen, RowRole::Larger}},
      {3000.0f, {"M", "L"}, {RowRole::Smaller, RowRole::Chosen}},        // largest
      {3000.5f, {""}, {RowRole::Nothing}},                               // above every model
      {0.0f, {""}, {RowRole::Nothing}},                                  // nothing required
      {-5.0f, {""}, {RowRole::Nothing}},
  };
  for (const auto& c : cases) {
    const auto rows = selection::selectCoolers(inputs(c.required), series.list());
    std::vector<std::string> names;
    std::vector<RowRole> roles;
    for (const auto& row : rows) names.push_back(row.cells[0]), roles.push_back(row.role);
    EXPECT_EQ(names, c.names) << c.required;
    EXPECT_EQ(roles, c.roles) << c.required;
  }
  SmallSeries alone;
  alone.add("ONLY", {500, 0, 0});
  EXPECT_EQ(selection::selectCoolers(inputs(100), alone.list()).size(), 1u);
}

TEST(SelectCoolersTest, TheEmptyRowHasThirteenEmptyCells) {
  SmallSeries series;
  series.add("ZERO", {0, 0, 0});
  // A model of capacity 0 does not qualify for a requirement of 0 either.
  for (const float required : {0.0f, 1.0f}) {
    const auto rows = selection::selectCoolers(inputs(required), series.list());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], ResultRow{});
  }
  EXPECT_EQ(selection::selectCoolers(inputs(1.0f), nullptr), std::vector<ResultRow>{ResultRow{}});
}

TEST(SelectCoolersTest, EqualCapacitiesKeepCatalogOrder) {
  SmallSeries series;
  series.add("FIRST", {1379, 0, 0}).add("SECOND", {1379, 0, 0}).add("SMALL", {900, 0, 0});
  EXPECT_EQ(summary(selection::selectCoolers(inputs(1200), series.list())),
            (decltype(summary({})){{RowRole::Smaller, "SMALL", "0.900", "-25.0"},
                                   {RowRole::Chosen, "FIRST", "1.379", "14.9"},
                                   {RowRole::Larger, "SECOND", "1.379", "14.9"}}));
}

TEST(SelectCoolersTest, EachRefrigerantReadsItsOwnTable) {
  SmallSeries series;
  series.add("A", {1000, 2000, 3000}).add("B", {3500, 1500, 2500});
  const struct {
    const char* refrigerant;
    const char* chosen;
    const char* capacity;
  } cases[] = {{"R404a/R507", "B", "3.500"}, {"R22", "A", "2.000"}, {"R134a", "B", "2.500"}};
  for (const auto& c : cases) {
    const auto rows = selection::selectCoolers(inputs(1800, c.refrigerant), series.list());
    const auto chosen = std::find_if(rows.begin(), rows.end(), [](const ResultRow& r) { return r.role == RowRole::Chosen; });
    ASSERT_NE(chosen, rows.end()) << c.refrigerant;
    EXPECT_EQ(chosen->cells[0], c.chosen) << c.refrigerant;
    EXPECT_EQ(chosen->cells[1], c.capacity) << c.refrigerant;
  }
  for (const char* unknown : {"", "r22", "R407a"})
    EXPECT_EQ(selection::selectCoolers(inputs(1, unknown), series.list()), std::vector<ResultRow>{ResultRow{}});
}

TEST(SelectCoolersTest, KeysMustMatchAsTexts) {
  SmallSeries series;
  series.add("A", {1000, 0, 0});
  const struct {
    const char *temperature, *delta;
    bool found;
  } cases[] = {{"-10", "8", true}, {"0", "8", true}, {"", "8", false}, {"-10", "", false},
               {"-10.0", "8", false}, {"+0", "8", false}, {"-10", "08", false}};
  for (const auto& c : cases) {
    CoolerInputs in = inputs(500);
    in.temperatureKey = c.temperature;
    in.deltaKey = c.delta;
    const auto rows = selection::selectCoolers(in, series.list());
    EXPECT_EQ(rows[0].role == RowRole::Chosen, c.found) << c.temperature << "/" << c.delta;
  }
}

TEST(SelectCoolersTest, LimitsKeepModelsExactlyAtTheLimit) {
  SmallSeries series;
  series.add("A", {1000, 0, 0}, "5.0", "800", "500");
  const struct {
    float minAirThrow, maxLength, maxWidth;
    bool kept;
  } cases[] = {
      {0, 9999, 9999, true},   {5.0f, 9999, 9999, true},  {5.01f, 9999, 9999, false},
      {0, 800, 9999, true},    {0, 799.9f, 9999, false},  {0, 9999, 500, true},
      {0, 9999, 499, false},   {0, 0, 9999, false},       {0, 9999, 0, false},
  };
  for (const auto& c : cases) {
    CoolerInputs in = inputs(500);
    in.minAirThrow = c.minAirThrow;
    in.maxLength = c.maxLength;
    in.maxWidth = c.maxWidth;
    const auto rows = selection::selectCoolers(in, series.list());
    EXPECT_EQ(rows[0].role == RowRole::Chosen, c.kept) << c.minAirThrow << " " << c.maxLength << " " << c.maxWidth;
  }
}

TEST(SelectCoolersTest, NeighboursComeFromTheFilteredSeries) {
  SmallSeries series;
  series.add("SHORT", {900, 0, 0}, "5", "500").add("LONG", {1000, 0, 0}, "5", "2000")
      .add("MID", {1500, 0, 0}, "5", "700").add("BIG", {1600, 0, 0}, "5", "1900");
  CoolerInputs in = inputs(950);
  in.maxLength = 1000;
  EXPECT_EQ(summary(selection::selectCoolers(in, series.list())),
            (decltype(summary({})){{RowRole::Smaller, "SHORT", "0.900", "-5.3"},
                                   {RowRole::Chosen, "MID", "1.500", "57.9"}}));
}

TEST(SelectCoolersTest, CatalogSeriesAreSearchedByCodeAndNeverChanged) {
  catalog::loadCatalog();
  CoolerInputs in = inputs(112);
  in.temperatureKey = "-40";
  in.deltaKey = "5";
  const auto rows = selection::selectCoolers(in, selection::coolerSeriesList(1));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells[0], "VP-10-100");
  EXPECT_EQ(rows[0].cells[1], "0.112");
  EXPECT_EQ(rows[0].cells[2], "0.0");
  EXPECT_EQ(rows[0].cells[11], "1 х 0.25");
  EXPECT_EQ(rows[1].cells[0], catalog::ceilingCoolerList()[1].modelName);
  // "-40" is a ceiling grid point only.
  in.seriesCode = 2;
  EXPECT_EQ(selection::selectCoolers(in, selection::coolerSeriesList(2)), std::vector<ResultRow>{ResultRow{}});
  EXPECT_EQ(selection::coolerSeriesList(0), nullptr);
  EXPECT_EQ(selection::coolerSeriesList(4), nullptr);
  EXPECT_EQ(selection::coolerSeriesList(3), &catalog::lowCubicCoolerList());
  for (const CoolerRecord& record : catalog::ceilingCoolerList()) EXPECT_EQ(record.capacity, 0.0f);
}

}  // namespace
