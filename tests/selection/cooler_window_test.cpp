// The air cooler window driven as a user would, through the program's own shell and handlers.

#include <gtest/gtest.h>

#include "selection/window_numbers.h"
#include "catalog/catalog.h"
#include "platform/number_text.h"
#include "selection/cooler_window_ids.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using namespace selection::cooler;
using gui::MessageAnswer;
constexpr int W = selection::kCoolerWindow;
const gui::Rgb kRed{255, 0, 0};

class CoolerWindowTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    toolkit_.click(selection::kMainWindow, selection::kCoolerArea);
    serve();
    ASSERT_TRUE(toolkit_.windowShown(W));
  }

  std::string text(int gadget) const { return toolkit_.text(W, gadget); }
  int rows() const { return toolkit_.rowCount(W, kResultList); }
  std::optional<gui::Rgb> colour(int gadget) const { return toolkit_.gadget(W, gadget).textColour; }
  std::vector<std::string> items(int gadget) const { return ProgramTest::items(W, gadget); }
  void typeAndLeave(int gadget, const std::string& value) { ProgramTest::typeAndLeave(W, gadget, value); }
  void choose(int gadget, const std::string& item) { ProgramTest::choose(W, gadget, item); }
  void fillForm(const char* series, const char* temperature, const char* difference,
                const char* refrigerant, const std::string& kilowatts) {
    choose(kSeries, series);
    choose(kEvaporatingTemperature, temperature);
    choose(kTemperatureDifference, difference);
    choose(kRefrigerant, refrigerant);
    typeAndLeave(kRequiredCapacity, kilowatts);
  }
  void pressSelect() { click(W, kSelectButton); }
};

TEST_F(CoolerWindowTest, OpensWithItsLayoutAndInitialState) {
  const gui::HeadlessWindow& window = toolkit_.window(W);
  EXPECT_EQ(window.layout.title, "Подбор воздухоохладителя ORVEX®");
  EXPECT_EQ(std::pair(window.layout.width, window.layout.height), std::pair(800, 495));
  EXPECT_EQ(window.layout.parent, selection::kMainWindow);
  EXPECT_EQ(window.layout.placement, gui::Placement::CentreOnParent);
  ASSERT_EQ(window.menu.size(), 4u);
  EXPECT_EQ(window.menu[0].title, "Окно");
  EXPECT_EQ(window.menu[0].items[0].id, kMenuClose);
  EXPECT_EQ(window.menu[1].items[0].text, "Информация о пользователе");
  EXPECT_EQ(window.menu[2].title, "Проект");
  EXPECT_EQ(window.menu[2].items[0].id, kMenuAddToProject);
  EXPECT_EQ(window.menu[3].items[0].text, "О программе");

  const struct {
    int gadget;
    gui::Rect place;
    bool enabled;
  } inputs[] = {
      {kEvaporatingTemperature, {25, 40, 230, 20}, false}, {kTemperatureDifference, {25, 85, 230, 20}, false},
      {kAirInletTemperature, {25, 130, 230, 20}, false},   {kHumidity, {25, 175, 230, 20}, false},
      {kRequiredCapacity, {25, 220, 230, 20}, true},       {kRefrigerant, {25, 265, 230, 20}, true},
      {kSeries, {285, 40, 230, 20}, true},                 {kRoomRange, {285, 85, 230, 20}, false},
      {kMinAirThrow, {545, 85, 230, 20}, true},            {kMaxWidth, {545, 130, 230, 20}, true},
      {kMaxLength, {545, 175, 230, 20}, true},             {kProject, {545, 220, 230, 20}, true},
      {kContactPerson, {545, 265, 230, 20}, true},         {kSeriesPicture, {280, 123, 240, 160}, true},
      {kResultList, {30, 325, 740, 85}, true},             {kSelectButton, {210, 420, 120, 25}, true},
      {kReportButton, {335, 420, 120, 25}, true},          {kDrawingButton, {460, 420, 120, 25}, true},
      {kClearButton, {669, 10, 106, 25}, true},
  };
  for (const auto& input : inputs) {
    EXPECT_EQ(toolkit_.gadget(W, input.gadget).place, input.place) << input.gadget;
    EXPECT_EQ(toolkit_.enabled(W, input.gadget), input.enabled) << input.gadget;
  }
  EXPECT_EQ(toolkit_.gadget(W, kAirInletLabel).text, "Температура воздуха на входе в исп. (°C)");
  EXPECT_EQ(toolkit_.gadget(W, kAirInletLabel).place, (gui::Rect{25, 115, 230, 15}));
  EXPECT_EQ(toolkit_.gadget(W, kRoomRangeLabel).text, "Температура воздуха в камере (°C)");
  EXPECT_EQ(items(kRefrigerant), (std::vector<std::string>{"R404a/R507", "R22", "R134a"}));
  EXPECT_EQ(items(kSeries), (std::vector<std::string>{"ORVEX VP", "ORVEX VK-M ( среднетемпературные )",
                                                      "ORVEX VK-L ( низкотемпературные )"}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(toolkit_.itemData(W, kSeries, i), i + 1);
  EXPECT_TRUE(items(kEvaporatingTemperature).empty());
  EXPECT_EQ(toolkit_.selectedItem(W, kSeries), gui::kNoSelection);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, gui::kNoImage);
  EXPECT_EQ(toolkit_.gadget(W, kReportButton).tooltip, "Открывается в окне браузера");
  EXPECT_EQ(toolkit_.gadget(W, kDrawingButton).tooltip, "Требуется наличие Adobe Reader");

  const auto& columns = toolkit_.gadget(W, kResultList).columns;
  ASSERT_EQ(columns.size(), 13u);
  const int widths[13] = {120, 90, 90, 110, 80, 90, 70, 80, 0, 0, 0, 0, 0};
  for (int c = 0; c < 13; ++c) EXPECT_EQ(columns[c].width, widths[c]) << c;
  EXPECT_EQ(columns[1].title, "Qo (кВт)");
  EXPECT_EQ(columns[12].title, "Мощность оттайки (Вт)");

  std::vector<std::string> labels, frames;
  bool smallLogo = false;
  for (const auto* gadget : toolkit_.unnumberedGadgets(W)) {
    if (gadget->kind == gui::GadgetKind::Label) labels.push_back(gadget->text);
    if (gadget->kind == gui::GadgetKind::Frame) frames.push_back(gadget->text);
    smallLogo = smallLogo || (gadget->kind == gui::GadgetKind::Picture && gadget->image == 2 &&
                              gadget->place == gui::Rect{562, 0, 106, 47});
  }
  EXPECT_TRUE(smallLogo);
  EXPECT_EQ(frames, (std::vector<std::string>{"Проектные данные", "Выбор", "Ограничения", "Воздухоохладитель"}));
  EXPECT_EQ(labels.size(), 11u);
  EXPECT_EQ(labels[1], "Разность температур на входе в исп. (K) ");
}

TEST_F(CoolerWindowTest, NumberFieldsAreClampedWhenLeft) {
  const struct {
    int gadget;
    const char* typed;
    const char* shown;
  } cases[] = {
      {kRequiredCapacity, "1,5", "1.000"}, {kRequiredCapacity, "abc", "0.000"},
      {kRequiredCapacity, "1500", "999.000"}, {kRequiredCapacity, "", "0.000"},
      {kRequiredCapacity, "1.2", "1.200"}, {kRequiredCapacity, "-7", "0.000"},
      {kMaxWidth, "", ""}, {kMaxWidth, "-3", "0.0"}, {kMaxWidth, "12000", "9999.0"},
      {kMaxLength, "", ""}, {kMaxLength, "1580", "1580.0"}, {kMaxLength, "x", "0.0"},
      {kMinAirThrow, "", ""}, {kMinAirThrow, "120", "99.0"}, {kMinAirThrow, "3.25", "3.2"},
  };
  for (const auto& c : cases) {
    typeAndLeave(c.gadget, c.typed);
    EXPECT_EQ(text(c.gadget), c.shown) << c.gadget << " '" << c.typed << "'";
  }
}

TEST_F(CoolerWindowTest, SeriesChoiceOffersThatSeriesGridAndResetsTheHints) {
  choose(kSeries, "ORVEX VP");
  EXPECT_EQ(items(kEvaporatingTemperature),
            (std::vector<std::string>{"0", "-5", "-8", "-10", "-15", "-20", "-25", "-30", "-31", "-35", "-40"}));
  EXPECT_EQ(items(kTemperatureDifference), (std::vector<std::string>{"5", "6", "7", "8", "9", "10"}));
  EXPECT_TRUE(toolkit_.enabled(W, kEvaporatingTemperature));
  EXPECT_EQ(text(kRoomRange), "от +10 до -35");
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, 3);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).tooltip, "Потолочные воздухоохладители");
  choose(kEvaporatingTemperature, "-40");
  choose(kTemperatureDifference, "5");
  EXPECT_EQ(text(kAirInletTemperature), "-35");
  EXPECT_EQ(text(kHumidity), "89 ... 97");

  const struct {
    const char* series;
    const char* range;
    const char* tooltip;
  } cubic[] = {{"ORVEX VK-M ( среднетемпературные )", "от +10 до -18", "Кубические среднетемпературные воздухоохладители"},
               {"ORVEX VK-L ( низкотемпературные )", "от -18 до -30", "Кубические низкотемпературные воздухоохладители"}};
  for (const auto& c : cubic) {
    choose(kSeries, c.series);
    EXPECT_EQ(items(kEvaporatingTemperature),
              (std::vector<std::string>{"0", "-5", "-8", "-10", "-15", "-20", "-25", "-30", "-31", "-35"}));
    EXPECT_EQ(toolkit_.selectedItem(W, kEvaporatingTemperature), gui::kNoSelection);
    EXPECT_EQ(toolkit_.selectedItem(W, kTemperatureDifference), gui::kNoSelection);
    EXPECT_EQ(text(kAirInletTemperature), "");
    EXPECT_EQ(text(kHumidity), "");
    EXPECT_EQ(text(kRoomRange), c.range);
    EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, 4);
    EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).tooltip, c.tooltip);
  }
}

TEST_F(CoolerWindowTest, AirInletTemperatureColoursTheLabelsOutsideTheRoomRange) {
  const struct {
    const char* series;
    const char* temperature;
    const char* difference;
    const char* airInlet;
    bool red;
  } cases[] = {
      {"ORVEX VP", "0", "10", "10", false},
      {"ORVEX VK-M ( среднетемпературные )", "0", "10", "10", false},
      {"ORVEX VK-L ( низкотемпературные )", "0", "10", "10", true},
      {"ORVEX VP", "-35", "5", "-30", false},
      {"ORVEX VK-M ( среднетемпературные )", "-35", "5", "-30", true},
      {"ORVEX VK-L ( низкотемпературные )", "-35", "5", "-30", false},
      {"ORVEX VP", "-40", "5", "-35", false},
      {"ORVEX VP", "-40", "6", "-34", false},
      {"ORVEX VK-L ( низкотемпературные )", "-25", "7", "-18", false},
      {"ORVEX VK-L ( низкотемпературные )", "-25", "8", "-17", true},
      {"ORVEX VK-M ( среднетемпературные )", "-10", "8", "-2", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.series) + " " + c.temperature + "+" + c.difference);
    choose(kSeries, c.series);
    EXPECT_EQ(colour(kAirInletLabel), std::nullopt);  // a series choice resets the colours
    choose(kEvaporatingTemperature, c.temperature);
    choose(kTemperatureDifference, c.difference);
    EXPECT_EQ(text(kAirInletTemperature), c.airInlet);
    const std::optional<gui::Rgb> expected = c.red ? std::optional(kRed) : std::nullopt;
    EXPECT_EQ(colour(kAirInletLabel), expected);
    EXPECT_EQ(colour(kRoomRangeLabel), expected);
  }
}

TEST_F(CoolerWindowTest, HumidityFollowsTheDifferenceEvenBeforeATemperature) {
  choose(kSeries, "ORVEX VP");
  const char* expected[] = {"89 ... 97", "83 ... 89", "78 ... 83", "74 ... 78", "71 ... 74", "68 ... 71"};
  for (int difference = 5; difference <= 10; ++difference) {
    choose(kTemperatureDifference, std::to_string(difference));
    EXPECT_EQ(text(kHumidity), expected[difference - 5]);
    EXPECT_EQ(text(kAirInletTemperature), "");
  }
}

TEST_F(CoolerWindowTest, ClearDataAsksOnlyWhenTheFormHoldsData) {
  toolkit_.click(W, kClearButton);
  serve();
  EXPECT_TRUE(toolkit_.messages().empty());  // nothing entered yet: no question

  fillForm("ORVEX VK-L ( низкотемпературные )", "-25", "8", "R22", "2");
  typeAndLeave(kMinAirThrow, "10");
  toolkit_.type(W, kProject, "Склад");
  toolkit_.type(W, kContactPerson, "Иванов");
  pressSelect();
  ASSERT_GT(rows(), 0);

  toolkit_.answerNextMessage(MessageAnswer::No);
  toolkit_.click(W, kClearButton);
  serve();
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_EQ(toolkit_.messages()[0].caption, "Очистить данные");
  EXPECT_EQ(toolkit_.messages()[0].text, "Вы уверены, что хотите очистить все данные?");
  EXPECT_EQ(text(kProject), "Склад");
  EXPECT_GT(rows(), 0);

  toolkit_.answerNextMessage(MessageAnswer::Yes);
  toolkit_.click(W, kClearButton);
  serve();
  for (int gadget : {kRefrigerant, kSeries, kEvaporatingTemperature, kTemperatureDifference})
    EXPECT_EQ(toolkit_.selectedItem(W, gadget), gui::kNoSelection) << gadget;
  for (int gadget : {kRequiredCapacity, kAirInletTemperature, kHumidity, kRoomRange, kMinAirThrow,
                     kMaxWidth, kMaxLength, kProject, kContactPerson})
    EXPECT_EQ(text(gadget), "") << gadget;
  EXPECT_FALSE(toolkit_.enabled(W, kEvaporatingTemperature));
  EXPECT_FALSE(toolkit_.enabled(W, kTemperatureDifference));
  EXPECT_EQ(items(kEvaporatingTemperature).size(), 10u);  // kept until the next series choice
  EXPECT_EQ(rows(), 0);
  EXPECT_EQ(colour(kAirInletLabel), std::nullopt);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, gui::kNoImage);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).tooltip, "Кубические низкотемпературные воздухоохладители");
  EXPECT_FALSE(context().cooler.formDirty);

  toolkit_.click(W, kClearButton);  // nothing changed since: no question
  serve();
  EXPECT_EQ(toolkit_.messages().size(), 2u);
}

TEST_F(CoolerWindowTest, SelectionShowsTheChosenModelBetweenItsNeighbours) {
  // Ask for a little more than the third model of the series delivers at -10 / 8, R404a/R507.
  const auto& series = catalog::ceilingCoolerList();
  ASSERT_EQ(series[2].ratingTables[0][40].temperatureKey, "-10");
  ASSERT_EQ(series[2].ratingTables[0][40].deltaKey, "8");
  const float third = platform::textToFloat(series[2].ratingTables[0][40].capacityText);
  const float fourth = platform::textToFloat(series[3].ratingTables[0][40].capacityText);
  fillForm("ORVEX VP", "-10", "8", "R404a/R507", platform::fixedText((third + 1) / 1000, 3));
  pressSelect();
  ASSERT_EQ(rows(), 3);
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 0, 0), series[2].modelName);
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 1, 0), series[3].modelName);
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 1, 1), platform::fixedText(fourth / 1000, 3));
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 2, 0), series[4].modelName);
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 1, 12), series[3].defrostPower);
  const auto& styles = toolkit_.gadget(W, kResultList).rowStyles;
  EXPECT_EQ(styles[0], gui::RowStyle{});
  EXPECT_EQ(styles[1], (gui::RowStyle{gui::Rgb{204, 255, 153}, gui::Rgb{0, 0, 255}}));
  EXPECT_EQ(styles[2], (gui::RowStyle{gui::Rgb{255, 255, 153}, std::nullopt}));
  EXPECT_EQ(toolkit_.selectedRow(W, kResultList), gui::kNoSelection);
  EXPECT_TRUE(context().cooler.formDirty);
}

TEST_F(CoolerWindowTest, NothingQualifyingShowsOneEmptyChosenRow) {
  const std::vector<std::function<void()>> forms = {
      [&] {},                                                      // nothing chosen at all
      [&] { fillForm("ORVEX VP", "-10", "8", "R404a/R507", "0"); },  // nothing required
      [&] { fillForm("ORVEX VP", "-10", "8", "R404a/R507", "999"); },  // above every model
      [&] { fillForm("ORVEX VP", "-10", "8", "R404a/R507", "0.2"); typeAndLeave(kMaxLength, "abc"); },
  };
  for (std::size_t i = 0; i < forms.size(); ++i) {
    forms[i]();
    pressSelect();
    ASSERT_EQ(rows(), 1) << i;
    for (int column = 0; column < 13; ++column) EXPECT_EQ(toolkit_.cellText(W, kResultList, 0, column), "");
    EXPECT_EQ(toolkit_.gadget(W, kResultList).rowStyles[0].background, (gui::Rgb{204, 255, 153}));
  }
  // A non-numeric minimum air throw removes nothing.
  typeAndLeave(kMaxLength, "");
  toolkit_.type(W, kMinAirThrow, "abc");
  pressSelect();
  EXPECT_EQ(toolkit_.cellText(W, kResultList, 0, 0), catalog::ceilingCoolerList()[0].modelName);
}

}  // namespace
