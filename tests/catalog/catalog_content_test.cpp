// The catalog content makes physical sense, checked over every record and grid point: the
// tables were generated from a model, and these rules keep a regenerated or hand-edited
// catalog honest.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "platform/number_text.h"

namespace {

using catalog::CondenserRecord;
using catalog::CoolerRecord;
using catalog::RatingTable;

class CatalogContentTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { catalog::loadCatalog(); }
};

float capacity(const RatingTable& table, std::size_t row) {
  return platform::textToFloat(table[row].capacityText);
}

float number(std::string_view text) { return platform::textToFloat(text); }

// Capacity grows with the temperature difference at every temperature (strictly), and does
// not fall as the temperature rises.
void expectGrowsAcrossGrid(const RatingTable& table, std::size_t temperatures, const std::string& what) {
  for (std::size_t row = 0; row < table.size(); ++row) {
    const std::size_t t = row % temperatures;
    if (row >= temperatures) {
      ASSERT_GT(capacity(table, row), capacity(table, row - temperatures)) << what << " row " << row;
    }
    if (t > 0) {
      ASSERT_GE(capacity(table, row), capacity(table, row - 1)) << what << " row " << row;
    }
  }
}

const std::vector<std::pair<std::string, const std::vector<CoolerRecord>*>>& coolerSeries() {
  static const std::vector<std::pair<std::string, const std::vector<CoolerRecord>*>> series = {
      {"ceiling", &catalog::ceilingCoolerList()},
      {"medium cubic", &catalog::mediumCubicCoolerList()},
      {"low cubic", &catalog::lowCubicCoolerList()}};
  return series;
}

TEST_F(CatalogContentTest, CoolerCapacityFollowsTheTemperatures) {
  for (const auto& [name, list] : coolerSeries()) {
    const std::size_t temperatures = name == "ceiling" ? 11 : 10;
    for (const CoolerRecord& record : *list)
      for (int r = 0; r < 3; ++r)
        expectGrowsAcrossGrid(record.ratingTables[r], temperatures,
                              name + " " + std::string(record.modelName) + " table " + std::to_string(r));
  }
}

TEST_F(CatalogContentTest, CoolerRefrigerantsKeepTheirRatios) {
  for (const auto& [name, list] : coolerSeries()) {
    for (const CoolerRecord& record : *list) {
      for (std::size_t row = 0; row < record.ratingTables[0].size(); ++row) {
        const float r404a = capacity(record.ratingTables[0], row);
        const float r22 = capacity(record.ratingTables[1], row);
        const float r134a = capacity(record.ratingTables[2], row);
        // R22 a few per cent below R404a/R507; R134a within about 10 %.
        ASSERT_LT(r22, r404a) << record.modelName << " row " << row;
        ASSERT_GT(r22, 0.90f * r404a) << record.modelName << " row " << row;
        ASSERT_GT(r134a, 0.90f * r404a) << record.modelName << " row " << row;
        ASSERT_LT(r134a, 1.10f * r404a) << record.modelName << " row " << row;
      }
    }
  }
}

TEST_F(CatalogContentTest, CoolerModelsGrowInCatalogOrder) {
  for (const auto& [name, list] : coolerSeries()) {
    for (std::size_t i = 1; i < list->size(); ++i) {
      const CoolerRecord& smaller = (*list)[i - 1];
      const CoolerRecord& larger = (*list)[i];
      SCOPED_TRACE(name + " " + std::string(larger.modelName));
      EXPECT_GT(number(larger.surface), number(smaller.surface));
      EXPECT_GT(number(larger.airflow), number(smaller.airflow));
      EXPECT_GE(number(larger.length) * number(larger.width), number(smaller.length) * number(smaller.width));
      for (int r = 0; r < 3; ++r)
        for (std::size_t row = 0; row < larger.ratingTables[r].size(); ++row)
          ASSERT_GT(capacity(larger.ratingTables[r], row), capacity(smaller.ratingTables[r], row)) << row;
    }
  }
}

TEST_F(CatalogContentTest, LowTemperatureCoolersHaveWiderFinsAndBiggerHeaters) {
  const auto& medium = catalog::mediumCubicCoolerList();
  const auto& low = catalog::lowCubicCoolerList();
  ASSERT_EQ(medium.size(), low.size());
  for (std::size_t i = 0; i < medium.size(); ++i) {
    SCOPED_TRACE(std::string(low[i].modelName));
    EXPECT_EQ(low[i].modelName.substr(4), medium[i].modelName.substr(4));  // "VK-L" counterpart
    EXPECT_GT(number(low[i].defrostPower), number(medium[i].defrostPower));
    EXPECT_LT(number(low[i].surface), number(medium[i].surface));
    for (int r = 0; r < 3; ++r)
      for (std::size_t row = 0; row < low[i].ratingTables[r].size(); ++row)
        ASSERT_LT(capacity(low[i].ratingTables[r], row), capacity(medium[i].ratingTables[r], row));
  }
}

TEST_F(CatalogContentTest, CondenserCapacityFollowsTheTemperatures) {
  for (const auto* list : {&catalog::condenserList500(), &catalog::condenserList630()})
    for (const CondenserRecord& record : *list)
      for (int r = 0; r < 3; ++r)
        expectGrowsAcrossGrid(record.ratingTables[r], 26,
                              std::string(record.modelName) + " " + std::string(record.poles) +
                                  std::string(record.connection));
}

TEST_F(CatalogContentTest, FanVariantsOrderFromFourPoleDeltaToEightPoleStar) {
  for (const auto* list : {&catalog::condenserList500(), &catalog::condenserList630()}) {
    for (std::size_t base = 0; base < 20; ++base) {
      for (std::size_t variant = 1; variant < 6; ++variant) {
        const CondenserRecord& stronger = (*list)[(variant - 1) * 20 + base];
        const CondenserRecord& weaker = (*list)[variant * 20 + base];
        SCOPED_TRACE(std::string(weaker.modelName) + " variant " + std::to_string(variant));
        EXPECT_GT(number(stronger.airflow), number(weaker.airflow));
        EXPECT_GT(number(stronger.noiseLevel), number(weaker.noiseLevel));
        for (int r = 0; r < 3; ++r)
          for (std::size_t row = 0; row < 338; ++row)
            ASSERT_GT(capacity(stronger.ratingTables[r], row), capacity(weaker.ratingTables[r], row));
      }
      // The pole note of the air flow text names the record's poles.
      for (std::size_t variant = 0; variant < 6; ++variant) {
        const CondenserRecord& record = (*list)[variant * 20 + base];
        const std::string note = record.poles == "4" ? " (4-х пол.)" : record.poles == "6" ? " (6-ти пол.)" : " (8-ми пол.)";
        EXPECT_TRUE(record.airflow.ends_with(note)) << record.airflow;
      }
    }
  }
}

TEST_F(CatalogContentTest, CondenserModelsGrowAndTheBigFanSeriesRejectsMore) {
  const auto& kd500 = catalog::condenserList500();
  const auto& kd630 = catalog::condenserList630();
  for (std::size_t i = 0; i < kd500.size(); ++i) {
    SCOPED_TRACE(std::string(kd630[i].modelName));
    EXPECT_NE(kd630[i].fans.find("630"), std::string_view::npos);
    EXPECT_NE(kd500[i].fans.find("500"), std::string_view::npos);
    for (int r = 0; r < 3; ++r)
      for (std::size_t row = 0; row < 338; ++row)
        ASSERT_GT(capacity(kd630[i].ratingTables[r], row), capacity(kd500[i].ratingTables[r], row));
    if (i % 20 == 0) continue;
    for (const auto* list : {&kd500, &kd630}) {
      const CondenserRecord& smaller = (*list)[i - 1];
      const CondenserRecord& larger = (*list)[i];
      EXPECT_GT(number(larger.surface), number(smaller.surface));
      EXPECT_GT(number(larger.airflow), number(smaller.airflow));
      for (int r = 0; r < 3; ++r)
        for (std::size_t row = 0; row < 338; ++row)
          ASSERT_GT(capacity(larger.ratingTables[r], row), capacity(smaller.ratingTables[r], row));
    }
  }
}

// The fan motors of one record: "<fans> x <W per fan>" and "<fans> x <A per fan>" (the ceiling
// series writes a Cyrillic "х"), and the supply "<V>/<phases>/<Hz>" or, three-phase, "<V>/<Hz>".
struct FanMotors {
  std::string model;
  std::string_view powerSupply;
  std::string_view motorPower;
  std::string_view current;
};

std::vector<FanMotors> everyRecordsFanMotors() {
  std::vector<FanMotors> motors;
  for (const auto& [name, list] : coolerSeries())
    for (const CoolerRecord& r : *list)
      motors.push_back({std::string(r.modelName), r.powerSupply, r.motorPower, r.current});
  for (const auto* list : {&catalog::condenserList500(), &catalog::condenserList630()})
    for (const CondenserRecord& r : *list)
      motors.push_back({std::string(r.modelName) + " " + std::string(r.poles) + std::string(r.connection),
                        r.powerSupply, r.motorPower, r.current});
  return motors;
}

// The value per fan: the number after the last blank.
float perFan(std::string_view text) { return number(text.substr(text.rfind(' ') + 1)); }

// A motor cannot draw more real power than its supply's voltage times its current: the power
// factor is at most 1. 400 V is the three-phase supply, where the apparent power is sqrt(3) U I.
TEST_F(CatalogContentTest, FanMotorsDrawNoMoreThanVoltageTimesCurrent) {
  const std::vector<FanMotors> motors = everyRecordsFanMotors();
  ASSERT_EQ(motors.size(), 10u + 19u + 19u + 120u + 120u);
  for (const FanMotors& m : motors) {
    SCOPED_TRACE(m.model + ": " + std::string(m.motorPower) + " W, " + std::string(m.current) +
                 " A, " + std::string(m.powerSupply));
    const float voltage = number(m.powerSupply);
    const bool threePhase = voltage == 400.0f;
    ASSERT_TRUE(threePhase || voltage == 220.0f || voltage == 230.0f);
    EXPECT_EQ(number(m.motorPower), number(m.current));  // the same count of fans
    const float watts = perFan(m.motorPower);
    const float amperes = perFan(m.current);
    ASSERT_GT(watts, 0.0f);
    ASSERT_GT(amperes, 0.0f);
    const float voltAmperes = (threePhase ? std::sqrt(3.0f) : 1.0f) * voltage * amperes;
    EXPECT_LE(watts, voltAmperes);
  }
}

}  // namespace
