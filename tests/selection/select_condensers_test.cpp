// The condenser selection core, and the steps it shares with the air cooler selection, on
// made-up series lists (the catalog never shows equal capacities or repeated grid points).

#include "selection/condenser_selection.h"

#include <gtest/gtest.h>

#include <deque>
#include <regex>

#include "support/capacity_slots.h"

namespace {

using catalog::CondenserRecord;
using selection::CondenserInputs;
using selection::ResultRow;
using selection::RowRole;

// A two-point grid, (30, 10) and (30, 12); the refrigerants as the catalog orders them.
constexpr std::string_view kTemperatures[] = {"30"};
constexpr std::string_view kDifferences[] = {"10", "12"};
constexpr catalog::SeriesGrid kGrid{kTemperatures, kDifferences, catalog::grid_keys::kCondenserRefrigerants};
// A grid whose one point (30, 10) appears twice: the later row must win.
constexpr std::string_view kRepeatedDifferences[] = {"10", "10"};
constexpr catalog::SeriesGrid kRepeatedGrid{kTemperatures, kRepeatedDifferences,
                                            catalog::grid_keys::kCondenserRefrigerants};

class Series {
 public:
  explicit Series(const catalog::SeriesGrid& grid = kGrid) : grid_(grid) {}

  // Capacities in W per table (R404a/R507, R134a, R407a) at (30, 10); (30, 12) holds 7 W more.
  Series& add(const char* name, std::array<int, 3> capacities, const char* poles = "4",
              const char* connection = "T", const char* noise = "50.0") {
    CondenserRecord record;
    record.modelName = keep(name);
    for (int table = 0; table < 3; ++table) {
      const std::string& slots = strings_.emplace_back(
          testing_support::capacitySlots({capacities[table], capacities[table] + 7}));
      record.ratingTables[table] = catalog::RatingTable(&grid_, slots);
    }
    record.poles = poles;
    record.connection = connection;
    record.noiseLevel = noise;
    record.airflow = "7200";
    record.surface = "24.3";
    record.tubeVolume = "3.9";
    record.dimensions = "1630 x 640 x 720";
    record.fans = "1 x 500";
    record.powerSupply = "400/50";
    record.motorPower = "1 x 770";
    record.current = "1 x 1.45";
    records_.push_back(record);
    return *this;
  }
  const std::vector<CondenserRecord>* list() const { return &records_; }

 private:
  const char* keep(std::string text) { return strings_.emplace_back(std::move(text)).c_str(); }
  const catalog::SeriesGrid& grid_;
  std::deque<std::string> strings_;
  std::vector<CondenserRecord> records_;
};

CondenserInputs inputs(float requiredWatts, const char* refrigerant = "R404a/R507") {
  return CondenserInputs{.refrigerant = refrigerant,
                         .requiredWatts = requiredWatts,
                         .seriesCode = 1,
                         .temperatureKey = "30",
                         .deltaKey = "10"};
}

using Summary = std::vector<std::tuple<RowRole, std::string, std::string, std::string>>;

// Model name, capacity and deviation of each row, with its role.
Summary summary(const std::vector<ResultRow>& rows) {
  Summary result;
  for (const ResultRow& row : rows) result.emplace_back(row.role, row.cells[0], row.cells[1], row.cells[2]);
  return result;
}

std::vector<std::string> names(const std::vector<ResultRow>& rows) {
  std::vector<std::string> result;
  for (const ResultRow& row : rows) result.push_back(row.cells[0]);
  return result;
}

TEST(SelectCondensersTest, WorkedExample) {
  Series series;
  series.add("KD-B", {6435, 0, 0}).add("KD-A", {4950, 0, 0}).add("KD-C", {9000, 0, 0});
  const auto rows = selection::selectCondensers(inputs(5500), series.list());
  EXPECT_EQ(summary(rows), (Summary{{RowRole::Smaller, "KD-A", "4.950", "-10.0"},
                                    {RowRole::Chosen, "KD-B", "6.435", "17.0"},
                                    {RowRole::Larger, "KD-C", "9.000", "63.6"}}));
  const selection::ResultCells& chosen = rows[1].cells;
  EXPECT_EQ((std::vector<std::string>(chosen.begin() + 3, chosen.end())),
            (std::vector<std::string>{"7200", "24.3", "3.9", "50.0", "1630 x 640 x 720", "1 x 500", "400/50",
                                      "1 x 770", "1 x 1.45", "«Треугольник»"}));
}

TEST(SelectCondensersTest, ChoiceAndNeighboursByPosition) {
  Series series;
  series.add("A", {1000, 0, 0}).add("B", {2000, 0, 0}).add("C", {3000, 0, 0});
  const struct {
    float required;
    std::vector<std::string> shown;
    const char* chosenDeviation;
  } cases[] = {
      {2000, {"A", "B", "C"}, "0.0"},  // equality qualifies
      {500, {"A", "B"}, "100.0"},      // the smallest: no smaller row
      {3000, {"B", "C"}, "0.0"},       // the largest: no larger row
      {2999, {"B", "C"}, "0.0"},
      {1999.9f, {"A", "B", "C"}, "0.0"},
  };
  for (const auto& c : cases) {
    const auto rows = selection::selectCondensers(inputs(c.required), series.list());
    EXPECT_EQ(names(rows), c.shown) << c.required;
  }
  Series alone;
  alone.add("A", {1000, 0, 0});
  EXPECT_EQ(names(selection::selectCondensers(inputs(800), alone.list())), (std::vector<std::string>{"A"}));
}

TEST(SelectCondensersTest, NothingQualifyingGivesOneEmptyChosenRow) {
  Series series;
  series.add("A", {1000, 0, 0}).add("B", {2000, 0, 0});
  CondenserInputs noPoles = inputs(1500);
  noPoles.fourPolesAllowed = noPoles.sixPolesAllowed = noPoles.eightPolesAllowed = false;
  CondenserInputs unknownKey = inputs(1500);
  unknownKey.temperatureKey = "31";
  const struct {
    const char* what;
    CondenserInputs in;
    const std::vector<CondenserRecord>* list;
  } cases[] = {
      {"no series", inputs(1500), nullptr},
      {"nothing required", inputs(0), series.list()},
      {"above every model", inputs(2001), series.list()},
      {"every pole box cleared", noPoles, series.list()},
      {"no refrigerant", inputs(1500, ""), series.list()},
      {"no grid point", unknownKey, series.list()},
  };
  for (const auto& c : cases) {
    const auto rows = selection::selectCondensers(c.in, c.list);
    ASSERT_EQ(rows.size(), 1u) << c.what;
    EXPECT_EQ(rows[0], ResultRow{}) << c.what;  // thirteen empty texts, the chosen row's colours
  }
}

TEST(SelectCondensersTest, FiltersNoiseConnectionAndPoles) {
  Series series;
  series.add("4T", {1000, 0, 0}, "4", "T", "55.0")
      .add("4S", {1100, 0, 0}, "4", "S", "52.0")
      .add("6T", {1200, 0, 0}, "6", "T", "48.5")
      .add("6S", {1300, 0, 0}, "6", "S", "47.0")
      .add("8T", {1400, 0, 0}, "8", "T", "45.0")
      .add("8S", {1500, 0, 0}, "8", "S", "44.0")
      .add("odd", {1600, 0, 0}, "12", "Y", "40.0");  // other texts pass the connection and pole tests
  auto shownAtLeast = [&](CondenserInputs in) {
    in.requiredWatts = 1;  // the smallest remaining model is chosen, with its larger neighbour
    std::vector<std::string> result;
    for (const ResultRow& row : selection::selectCondensers(in, series.list())) result.push_back(row.cells[0]);
    return result;
  };
  CondenserInputs star = inputs(1);
  star.deltaAllowed = false;
  star.starAllowed = true;
  CondenserInputs quiet = inputs(1);
  quiet.noiseLimit = 48.5f;  // a model exactly at the limit stays
  CondenserInputs eightOnly = inputs(1);
  eightOnly.fourPolesAllowed = eightOnly.sixPolesAllowed = false;
  eightOnly.starAllowed = true;
  CondenserInputs neither = inputs(1);
  neither.deltaAllowed = false;
  EXPECT_EQ(shownAtLeast(inputs(1)), (std::vector<std::string>{"4T", "6T"}));
  EXPECT_EQ(shownAtLeast(star), (std::vector<std::string>{"4S", "6S"}));
  EXPECT_EQ(shownAtLeast(quiet), (std::vector<std::string>{"6T", "8T"}));
  EXPECT_EQ(shownAtLeast(eightOnly), (std::vector<std::string>{"8T", "8S"}));
  EXPECT_EQ(shownAtLeast(neither), (std::vector<std::string>{"odd"}));
}

TEST(SelectCondensersTest, EachRefrigerantReadsItsOwnTableAndGridPoint) {
  Series series;
  series.add("A", {1000, 2000, 3000}).add("B", {4000, 5000, 6000});
  const struct {
    const char* refrigerant;
    const char* delta;
    const char* chosenCapacity;
  } cases[] = {{"R404a/R507", "10", "1.000"}, {"R134a", "10", "2.000"}, {"R407a", "10", "3.000"},
               {"R407a", "12", "3.007"}, {"r134a", "10", ""}};
  for (const auto& c : cases) {
    CondenserInputs in = inputs(900, c.refrigerant);
    in.deltaKey = c.delta;
    const auto rows = selection::selectCondensers(in, series.list());
    EXPECT_EQ(rows[0].cells[1], c.chosenCapacity) << c.refrigerant << " " << c.delta;
  }
}

TEST(SelectCondensersTest, AnotherFanVariantOfTheChosenModelIsNotANeighbour) {
  Series series;
  series.add("A", {1000, 0, 0}).add("B", {2000, 0, 0}, "4").add("B", {2100, 0, 0}, "6").add("C", {3000, 0, 0});
  EXPECT_EQ(names(selection::selectCondensers(inputs(1500), series.list())),
            (std::vector<std::string>{"A", "B"}));  // the next record, B 6-pole, is not shown
  EXPECT_EQ(names(selection::selectCondensers(inputs(2050), series.list())),
            (std::vector<std::string>{"B", "C"}));  // nor the previous one, B 4-pole
}

TEST(SelectCondensersTest, EqualCapacitiesKeepCatalogOrder) {
  // Enough equal capacities that an unstable sort would reorder them.
  Series series;
  std::vector<std::string> catalogOrder;
  for (int i = 0; i < 64; ++i) {
    std::string name = "M";
    name += std::to_string(i);  // not "M" + ...: GCC 12 warns falsely of an overlapping copy
    series.add(name.c_str(), {1000 * (1 + (i * 7) % 3), 0, 0});
  }
  const auto rows = selection::selectCondensers(inputs(1500), series.list());
  // Capacities 1000, 2000, 3000 cycle as i*7 % 3: the first record of 2000 W in catalog order
  // is M1, the last one of 1000 W is M63, the next one of 2000 W is M4.
  EXPECT_EQ(names(rows), (std::vector<std::string>{"M63", "M1", "M4"}));
}

TEST(SelectCondensersTest, TheLastMatchingGridRowWins) {
  Series series(kRepeatedGrid);
  series.add("A", {1000, 0, 0});  // (30, 10) holds 1000, then 1007
  EXPECT_EQ(selection::selectCondensers(inputs(900), series.list())[0].cells[1], "1.007");
}

TEST(SelectCondensersTest, ConnectionTexts) {
  EXPECT_EQ(selection::connectionText("T"), "«Треугольник»");
  EXPECT_EQ(selection::connectionText("S"), "«Звезда»");
  EXPECT_EQ(selection::connectionText("D"), "D");
  EXPECT_EQ(selection::connectionText(""), "");
}

TEST(SelectionNumberTextsTest, DeviationKeepsTheSignOfAShortfall) {
  const struct {
    float capacity, required;
    const char* text;
  } cases[] = {
      {6435, 5500, "17.0"}, {4950, 5500, "-10.0"}, {5500, 5500, "0.0"},
      {4999.5f, 5000, "-0.0"},  // short by 0.01 %
      {5000.5f, 5000, "0.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(selection::deviationText(c.capacity, c.required), c.text) << c.capacity;
  // A requirement so tiny that the percentage overflows single precision still gives digits.
  const std::string huge = selection::deviationText(6435, 1e-34f);
  EXPECT_TRUE(std::regex_match(huge, std::regex("[0-9]{36,}\\.[0-9]"))) << huge;
}

}  // namespace
