// Projects: a kept neighbour model's figures at its own conditions, a selection anew that marks
// the positions whose model the rule no longer chooses, the totals, and the project file read
// back to the very positions it was written from, bad lines skipped in the batch's words.

#include <gtest/gtest.h>

#include <sstream>

#include "catalog/catalog.h"
#include "project/project.h"
#include "project/project_file.h"

namespace {

using project::Position;

class ProjectTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (catalog::ceilingCoolerList().empty()) catalog::loadCatalog();
  }
};

selection::CoolerFormTexts coolerDuty(std::string capacity) {
  selection::CoolerFormTexts form;
  form.series = "ORVEX VK-M ( среднетемпературные )";
  form.seriesCode = 2;
  form.refrigerant = "R404a/R507";
  form.temperature = "-10";
  form.difference = "8";
  form.requiredCapacity = std::move(capacity);
  return form;
}

selection::CondenserFormTexts condenserDuty() {
  selection::CondenserFormTexts form;
  form.series = "ORVEX KD-630";
  form.seriesCode = 2;
  form.refrigerant = "R134a";
  form.temperature = "32";
  form.difference = "10";
  form.requiredHeatRejection = "40.000";
  form.noiseLimit = "60.0";
  form.deltaAllowed = false;
  form.starAllowed = true;
  form.eightPolesAllowed = false;
  return form;
}

std::vector<Position> sampleProject() {
  return {{"Камера 1, \"Север\"", 2, "VK-M 230A21", coolerDuty("5.500")},
          {"Стойка", 1, "", condenserDuty()},
          {"Позиция 3", 3, "VK-M 200A20", coolerDuty("5.500")}};
}

TEST_F(ProjectTest, AKeptNeighbourHasItsOwnFiguresAndTheTotalsAddThemUp) {
  std::vector<Position> positions = sampleProject();
  positions[1].model = project::ruleChoice(positions[1].duty);
  ASSERT_FALSE(positions[1].model.empty());
  std::vector<project::PositionFigures> figures;
  for (const Position& position : positions) figures.push_back(project::figuresOf(position));
  // The larger neighbour of VK-M 200A20 (5.978 kW, +8.7 %) kept at 5.5 kW.
  EXPECT_EQ(figures[0].unitKilowatts, "6.500");
  EXPECT_EQ(figures[0].deviation, "18.2");
  EXPECT_EQ(figures[0].totalKilowatts, "13.000");
  EXPECT_EQ(figures[0].requiredKilowatts, "5.500");
  EXPECT_EQ(project::keptRow(figures[0])->cells[0], "VK-M 230A21");
  EXPECT_EQ(figures[2].totalKilowatts, "17.934");
  EXPECT_FALSE(figures[1].cooler);
  const project::ProjectTotals totals = project::totalsOf(positions, figures);
  EXPECT_EQ(totals.coolers.units, 5);
  EXPECT_NEAR(totals.coolers.kilowatts, 30.934, 1e-3);
  EXPECT_EQ(totals.condensers.units, 1);
  EXPECT_TRUE(project::totalsText(totals).starts_with("Итого: 5 в/о, 30.934 кВт; 1 конденс., 45.886 кВт"));
}

TEST_F(ProjectTest, SelectingAnewMarksOnlyTheModelsTheRuleNoLongerChooses) {
  std::vector<Position> positions = sampleProject();
  positions[1].model = project::ruleChoice(positions[1].duty);
  EXPECT_EQ(project::selectAnew(positions), 1u);
  EXPECT_TRUE(positions[0].ruleChoosesAnother);   // the neighbour kept
  EXPECT_FALSE(positions[1].ruleChoosesAnother);
  EXPECT_FALSE(positions[2].ruleChoosesAnother);  // the rule's own model
}

TEST_F(ProjectTest, AWrittenFileReadsBackToTheSamePositions) {
  std::vector<Position> positions = sampleProject();
  positions[1].model = project::ruleChoice(positions[1].duty);
  const std::string text = project::projectFileText(positions);
  std::istringstream in(text);
  const project::ProjectReading reading = project::readProjectFile(in);
  EXPECT_TRUE(reading.refusal.empty());
  EXPECT_TRUE(reading.skipped.empty());
  ASSERT_EQ(reading.positions.size(), positions.size());
  for (std::size_t i = 0; i < positions.size(); ++i) {
    EXPECT_EQ(reading.positions[i].name, positions[i].name);
    EXPECT_EQ(reading.positions[i].quantity, positions[i].quantity);
    EXPECT_EQ(reading.positions[i].model, positions[i].model);
    EXPECT_EQ(reading.positions[i].duty, positions[i].duty) << i;
  }
  EXPECT_EQ(project::projectFileText(reading.positions), text);
}

TEST_F(ProjectTest, BadLinesAreSkippedInTheBatchsWordsAndTheRestIsRead) {
  const struct {
    const char* what;
    std::string file;
    std::size_t positions;
    std::vector<std::string> skipped;
    std::string refusal = "";
  } cases[] = {
      {"a hand-edited file: no name, no quantity, no model",
       "series,refrigerant,temperature,difference,capacity\nVK-M,R404a/R507,-10,8,5.5\n", 1, {}},
      {"bad lines among good ones",
       "name,series,refrigerant,temperature,difference,capacity,quantity,model\n"
       "A,VK-M,R404a/R507,-10,8,5.5,0,\n"
       "B,VK-M,R404a/R507,-10,8,5.5,1,KD-400B\n"
       "C,VK-M,R404a/R507,-7,8,5.5,1,\n"
       "D,VP,R22,-10,8,900,1,\n"
       "E,VK-M,R404a/R507,-10,8,5.5,1,VK-M 110A11\n",
       1,
       {"line 2, column 7 (quantity): \"0\" is not a quantity",
        "line 3, column 8 (model): \"KD-400B\" is not a model of the series \"VK-M\"",
        "line 4, column 4 (temperature)", "line 5: no model covers the duty"}},
      {"not a project at all", "hello\n", 0, {}, "header column 1 \"hello\" is not a column"},
  };
  for (const auto& c : cases) {
    std::istringstream in(c.file);
    const project::ProjectReading reading = project::readProjectFile(in);
    EXPECT_EQ(reading.positions.size(), c.positions) << c.what;
    ASSERT_EQ(reading.skipped.size(), c.skipped.size()) << c.what;
    for (std::size_t i = 0; i < c.skipped.size(); ++i)
      EXPECT_TRUE(reading.skipped[i].starts_with(c.skipped[i])) << c.what << ": " << reading.skipped[i];
    EXPECT_TRUE(reading.refusal.starts_with(c.refusal)) << c.what << ": " << reading.refusal;
  }
}

}  // namespace
