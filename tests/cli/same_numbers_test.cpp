// Every grid point of every series, through the selection window (headless toolkit, the user's
// own steps) and through orvex-select, at several capacities: every cell and every row's role
// must be the same.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>

#include "platform/number_text.h"
#include "selection/condenser_selection.h"
#include "selection/condenser_window_ids.h"
#include "selection/cooler_selection.h"
#include "selection/cooler_window_ids.h"
#include "selection/form_layout.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"
#include "run_select.h"

namespace {

using testing_support::runSelect;

// A window's gadgets the test drives, and the command that selects the same.
struct Path {
  const char* command;
  int window, openerArea, series, temperature, difference, refrigerant, capacity, select, list;
  const char* temperatureOption;
};
const Path kCoolerPath{"cooler", selection::kCoolerWindow, selection::kCoolerArea, 18, 21, 22, 13, 14, 30, 27, "--temperature"};
const Path kCondenserPath{"condenser", selection::kCondenserWindow, selection::kCondenserArea, 41, 35, 36, 40, 39, 53, 52, "--ambient"};

// The capacities a grid point is tried at, in kW: exactly the smallest model's (it is chosen
// with 0.0), just under the middle model's with a fourth decimal that the field rounds, and
// just above the largest (no model).
template <typename Record>
std::vector<std::string> capacitiesAt(const std::vector<Record>& series, int table, std::size_t row) {
  std::vector<float> watts;
  for (const Record& record : series) watts.push_back(platform::textToFloat(record.ratingTables[table][row].capacityText));
  std::sort(watts.begin(), watts.end());
  return {platform::fixedText(watts.front() / 1000, 3), platform::fixedText(watts[watts.size() / 2] / 1000 - 0.0004, 4),
          platform::fixedText(watts.back() / 1000 + 0.001, 3)};
}

std::string roleOf(const gui::RowStyle& style) {
  if (style.background == selection::kChosenRowBackground) return "chosen";
  if (style.background == selection::kLargerRowBackground) return "larger";
  return "smaller";
}

class SameNumbersTest : public testing_support::ProgramTest {
 protected:
  void open(const Path& path) {
    click(selection::kMainWindow, path.openerArea);
    ASSERT_TRUE(toolkit_.windowShown(path.window));
  }

  // One duty both ways; every difference is reported with the duty.
  void compare(const Path& path, const selection::SeriesName& series, std::string_view temperature,
               std::string_view difference, std::string_view refrigerant, const std::string& kilowatts) {
    const int w = path.window;
    if (toolkit_.text(w, path.series) != series.shown) choose(w, path.series, std::string(series.shown));
    choose(w, path.temperature, std::string(temperature));
    choose(w, path.difference, std::string(difference));
    choose(w, path.refrigerant, std::string(refrigerant));
    typeAndLeave(w, path.capacity, kilowatts);
    click(w, path.select);

    const auto run = runSelect({path.command, "--series", std::string(series.shortName), path.temperatureOption,
                                std::string(temperature), "--difference", std::string(difference), "--refrigerant",
                                std::string(refrigerant), "--capacity", kilowatts, "--format", "json"});
    const std::string duty = std::string(series.shortName) + " " + std::string(temperature) + "/" +
                             std::string(difference) + " " + std::string(refrigerant) + " " + kilowatts + " kW";
    const auto rows = nlohmann::ordered_json::parse(run.out)["rows"];
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(toolkit_.rowCount(w, path.list))) << duty;
    const bool nothing = rows[0]["role"] == "none";
    EXPECT_EQ(run.status, nothing ? 1 : 0) << duty;
    for (std::size_t row = 0; row < rows.size(); ++row) {
      if (!nothing) {
        EXPECT_EQ(rows[row]["role"], roleOf(toolkit_.gadget(w, path.list).rowStyles[row])) << duty;
      }
      std::size_t column = 0;
      for (const auto& [key, cell] : rows[row].items()) {
        if (key == "role") continue;
        EXPECT_EQ(cell, toolkit_.cellText(w, path.list, static_cast<int>(row), static_cast<int>(column++)))
            << duty << ", row " << row << ", " << key;
      }
    }
  }

  template <typename Record>
  void everyPoint(const Path& path, const selection::SeriesName& series, const std::vector<Record>& records,
                  const catalog::SeriesGrid& grid) {
    // Each of a point's three capacities with another refrigerant, so every point meets all three.
    for (std::size_t row = 0; row < grid.rows(); ++row) {
      for (std::size_t capacity = 0; capacity < 3; ++capacity) {
        const std::size_t table = (row + capacity) % grid.refrigerants.size();
        compare(path, series, grid.temperatureOfRow(row), grid.differenceOfRow(row), grid.refrigerants[table],
                capacitiesAt(records, static_cast<int>(table), row)[capacity]);
      }
    }
  }
};

TEST_F(SameNumbersTest, EveryAirCoolerGridPoint) {
  open(kCoolerPath);
  for (const selection::SeriesName& series : selection::kCoolerSeries)
    everyPoint(kCoolerPath, series, *selection::coolerSeriesList(series.code), selection::coolerSeriesGrid(series.code));
}

TEST_F(SameNumbersTest, EveryCondenserGridPoint) {
  open(kCondenserPath);
  for (const selection::SeriesName& series : selection::kCondenserSeries)
    everyPoint(kCondenserPath, series, *selection::condenserSeriesList(series.code), catalog::kCondenserGrid);
}

}  // namespace
