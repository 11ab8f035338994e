// The condenser window driven as a user would, through the program's own shell and handlers:
// its layout, its own rules (condensing temperature, number fields, series picture, fan
// options), its reset steps and its selection through the form.

#include <gtest/gtest.h>

#include "catalog/catalog.h"
#include "selection/condenser_window_ids.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using namespace selection::condenser;
using gui::GadgetKind;
using gui::MessageAnswer;
constexpr int W = selection::kCondenserWindow;

class CondenserWindowTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    toolkit_.click(selection::kMainWindow, selection::kCondenserArea);
    serve();
    ASSERT_TRUE(toolkit_.windowShown(W));
  }
  std::string text(int gadget) const { return toolkit_.text(W, gadget); }
  int rows() const { return toolkit_.rowCount(W, kResultList); }
  std::string cell(int row, int column) const { return toolkit_.cellText(W, kResultList, row, column); }
  void fillForm(const char* series, const char* ambient, const char* difference, const char* refrigerant,
                const std::string& kilowatts) {
    choose(W, kSeries, series);
    choose(W, kAmbientTemperature, ambient);
    choose(W, kTemperatureDifference, difference);
    choose(W, kRefrigerant, refrigerant);
    typeAndLeave(W, kRequiredHeatRejection, kilowatts);
  }
  void pressSelect() { click(W, kSelectButton); }
};

TEST_F(CondenserWindowTest, OpensWithItsLayoutAndInitialState) {
  const gui::HeadlessWindow& window = toolkit_.window(W);
  EXPECT_EQ(window.layout.title, "Подбор конденсатора ORVEX®");
  EXPECT_EQ(std::pair(window.layout.width, window.layout.height), std::pair(800, 495));
  EXPECT_EQ(window.layout.style, gui::FrameStyle::Selection);
  EXPECT_EQ(window.layout.parent, selection::kMainWindow);
  EXPECT_EQ(window.layout.placement, gui::Placement::CentreOnParent);
  ASSERT_EQ(window.menu.size(), 4u);
  const struct {
    const char* title;
    int id;
    const char* text;
  } menu[] = {{"Окно", 9, "Закрыть"},
              {"Параметры", 10, "Информация о пользователе"},
              {"Проект", kMenuAddToProject, "Добавить в проект"},
              {"Справка", 11, "О программе"}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(window.menu[i].title, menu[i].title);
    ASSERT_EQ(window.menu[i].items.size(), i == 2 ? 2u : 1u);
    EXPECT_EQ(window.menu[i].items[0].id, menu[i].id);
    EXPECT_EQ(window.menu[i].items[0].text, menu[i].text);
  }

  const struct {
    int gadget;
    GadgetKind kind;
    gui::Rect place;
    bool enabled;
    const char* text;
  } gadgets[] = {
      {kAmbientTemperature, GadgetKind::ComboBox, {25, 40, 230, 20}, true, ""},
      {kTemperatureDifference, GadgetKind::ComboBox, {25, 85, 230, 20}, true, ""},
      {kCondensingTemperature, GadgetKind::TextField, {25, 130, 230, 20}, false, ""},
      {kAltitude, GadgetKind::ComboBox, {25, 175, 230, 20}, false, ""},
      {kRequiredHeatRejection, GadgetKind::TextField, {25, 220, 230, 20}, true, ""},
      {kRefrigerant, GadgetKind::ComboBox, {25, 265, 230, 20}, true, ""},
      {kSeries, GadgetKind::ComboBox, {285, 40, 230, 20}, true, ""},
      {kDeltaConnection, GadgetKind::Option, {290, 85, 115, 20}, true, "«Треугольник»"},
      {kStarConnection, GadgetKind::Option, {405, 85, 115, 20}, true, "«Звезда»"},
      {kSeriesPicture, GadgetKind::Picture, {280, 123, 240, 160}, true, ""},
      {kNoiseLimit, GadgetKind::TextField, {545, 85, 230, 20}, true, ""},
      {kFourPoles, GadgetKind::CheckBox, {550, 130, 230, 20}, true, "4-х полюсный (EBM S4D)"},
      {kSixPoles, GadgetKind::CheckBox, {550, 150, 230, 20}, true, "6-ти полюсный (EBM S6D)"},
      {kEightPoles, GadgetKind::CheckBox, {550, 170, 230, 20}, true, "8-ми полюсный (EBM S8D)"},
      {kProject, GadgetKind::TextField, {545, 220, 230, 20}, true, ""},
      {kContactPerson, GadgetKind::TextField, {545, 265, 230, 20}, true, ""},
      {kResultList, GadgetKind::List, {30, 325, 740, 85}, true, ""},
      {kSelectButton, GadgetKind::Button, {210, 420, 120, 25}, true, "Подобрать"},
      {kReportButton, GadgetKind::Button, {335, 420, 120, 25}, true, "Протокол подбора"},
      {kDrawingButton, GadgetKind::Button, {460, 420, 120, 25}, true, "Чертеж конденсатора"},
      {kClearButton, GadgetKind::Button, {669, 10, 106, 25}, true, "Очистить данные"},
  };
  for (const auto& g : gadgets) {
    const gui::HeadlessGadget& gadget = toolkit_.gadget(W, g.gadget);
    EXPECT_EQ(gadget.kind, g.kind) << g.gadget;
    EXPECT_EQ(gadget.place, g.place) << g.gadget;
    EXPECT_EQ(gadget.enabled, g.enabled) << g.gadget;
    EXPECT_EQ(gadget.text, g.text) << g.gadget;
  }
  for (int box : {kDeltaConnection, kFourPoles, kSixPoles, kEightPoles}) EXPECT_TRUE(toolkit_.checked(W, box)) << box;
  EXPECT_FALSE(toolkit_.checked(W, kStarConnection));
  EXPECT_EQ(toolkit_.gadget(W, kDeltaConnection).group, toolkit_.gadget(W, kStarConnection).group);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, gui::kNoImage);
  EXPECT_EQ(toolkit_.gadget(W, kReportButton).tooltip, "Открывается в окне браузера");
  EXPECT_EQ(toolkit_.gadget(W, kDrawingButton).tooltip, "Требуется наличие Adobe Reader");

  std::vector<std::string> ambient;
  for (int t = 50; t >= 0; t -= 2) ambient.push_back(std::to_string(t));
  EXPECT_EQ(items(W, kAmbientTemperature), ambient);
  EXPECT_EQ(items(W, kTemperatureDifference),
            (std::vector<std::string>{"8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"}));
  EXPECT_TRUE(items(W, kAltitude).empty());
  EXPECT_EQ(items(W, kRefrigerant), (std::vector<std::string>{"R404a/R507", "R134a", "R407a"}));
  EXPECT_EQ(items(W, kSeries), (std::vector<std::string>{"ORVEX KD-500", "ORVEX KD-630"}));
  EXPECT_EQ(toolkit_.itemData(W, kSeries, 0), 1);
  EXPECT_EQ(toolkit_.itemData(W, kSeries, 1), 2);
  for (int combo : {kAmbientTemperature, kTemperatureDifference, kAltitude, kRefrigerant, kSeries})
    EXPECT_EQ(toolkit_.selectedItem(W, combo), gui::kNoSelection) << combo;

  const auto& columns = toolkit_.gadget(W, kResultList).columns;
  const std::vector<std::pair<std::string, int>> expectedColumns = {
      {"Модель", 120}, {"Qк (кВт)", 90}, {"Отклон. (%)", 90}, {"V (м3/ч)", 110}, {"S (м2)", 80},
      {"V труб (л)", 90}, {"Уровень шума на расст. 10 м (дБА)", 150}, {"Габариты Д x Ш х В (мм)", 0},
      {"Диаметр вентиляторов (мм)", 0}, {"Эл. питание (В/Гц)", 0}, {"Мощность э/д (Вт)", 0},
      {"Потребляемый ток (А)", 0}, {"Схема подключения", 0}};
  ASSERT_EQ(columns.size(), expectedColumns.size());
  for (std::size_t c = 0; c < columns.size(); ++c)
    EXPECT_EQ(std::pair(columns[c].title, columns[c].width), expectedColumns[c]) << c;

  // Unnumbered pieces: labels with their places, frames, the small logo.
  std::vector<std::pair<std::string, gui::Rect>> labels, frames;
  bool smallLogo = false;
  for (const auto* gadget : toolkit_.unnumberedGadgets(W)) {
    if (gadget->kind == GadgetKind::Label) labels.emplace_back(gadget->text, gadget->place);
    if (gadget->kind == GadgetKind::Frame) frames.emplace_back(gadget->text, gadget->place);
    smallLogo = smallLogo || (gadget->kind == GadgetKind::Picture && gadget->image == 2 &&
                              gadget->place == gui::Rect{562, 0, 106, 47});
  }
  EXPECT_TRUE(smallLogo);
  EXPECT_EQ(frames, (std::vector<std::pair<std::string, gui::Rect>>{
                        {"Проектные данные", {20, 5, 240, 240}}, {"Выбор", {280, 5, 240, 105}},
                        {"Ограничения", {540, 50, 240, 145}}, {"Конденсатор", {20, 300, 760, 165}}}));
  EXPECT_EQ(labels, (std::vector<std::pair<std::string, gui::Rect>>{
                        {"Температура окружающего воздуха (°C)", {25, 25, 230, 15}},
                        {"Разность температур на входе в конд. (K)", {25, 70, 230, 15}},
                        {"Температура конденсации хладагента (°C)", {25, 115, 230, 15}},
                        {"Высота над уровнем моря (м)", {25, 160, 230, 15}},
                        {"Требуемая теплоотдача конд. (кВт)", {25, 205, 200, 15}},
                        {"Хладагент", {25, 250, 230, 15}},
                        {"Серия конденсатора", {285, 25, 230, 15}},
                        {"Схема подключения эл/дв вентилятора:", {285, 70, 230, 15}},
                        {"Макс. уровень шума на расст. 10 м (дБА)", {545, 70, 230, 15}},
                        {"Требуемый вентилятор:", {545, 115, 230, 15}},
                        {"Проект", {545, 205, 230, 15}},
                        {"Контактное лицо", {545, 250, 230, 15}}}));
}

TEST_F(CondenserWindowTest, CondensingTemperatureIsAmbientPlusDifferenceOnceBothAreChosen) {
  choose(W, kAmbientTemperature, "30");
  EXPECT_EQ(text(kCondensingTemperature), "");  // one choice alone leaves it
  choose(W, kTemperatureDifference, "12");
  EXPECT_EQ(text(kCondensingTemperature), "42");
  choose(W, kAmbientTemperature, "50");
  EXPECT_EQ(text(kCondensingTemperature), "62");
  choose(W, kTemperatureDifference, "8");
  EXPECT_EQ(text(kCondensingTemperature), "58");

  // After a clear only one choice is made: the field keeps what the clear left.
  toolkit_.answerNextMessage(MessageAnswer::Yes);
  click(W, kClearButton);
  choose(W, kTemperatureDifference, "20");
  EXPECT_EQ(text(kCondensingTemperature), "");
}

TEST_F(CondenserWindowTest, NumberFieldsAreCorrectedWhenLeft) {
  const struct {
    int gadget;
    const char* typed;
    const char* shown;
  } cases[] = {
      {kRequiredHeatRejection, "", "0.000"},      {kRequiredHeatRejection, "1500", "999.000"},
      {kRequiredHeatRejection, "-3", "0.000"},    {kRequiredHeatRejection, "5,5", "5.000"},
      {kRequiredHeatRejection, "12.3456", "12.346"}, {kRequiredHeatRejection, "abc", "0.000"},
      {kRequiredHeatRejection, "1e309", "999.000"},  // beyond even double precision: the upper bound
      {kNoiseLimit, "", ""},                      {kNoiseLimit, "120", "99.0"},
      {kNoiseLimit, "47.25", "47.2"},             {kNoiseLimit, "x", "0.0"},
      {kNoiseLimit, "-1", "0.0"},
  };
  for (const auto& c : cases) {
    typeAndLeave(W, c.gadget, c.typed);
    EXPECT_EQ(text(c.gadget), c.shown) << c.gadget << " '" << c.typed << "'";
  }
  typeAndLeave(W, kNoiseLimit, std::string(500, '9'));
  EXPECT_EQ(text(kNoiseLimit), "99.0");
}

TEST_F(CondenserWindowTest, SeriesChoiceShowsTheCondenserPicture) {
  for (const char* series : {"ORVEX KD-500", "ORVEX KD-630"}) {
    toolkit_.answerNextMessage(MessageAnswer::Yes);
    click(W, kClearButton);
    EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, gui::kNoImage);
    choose(W, kSeries, series);
    EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, 5) << series;
    EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).tooltip, "Воздушные конденсаторы высокой мощности");
  }
}

TEST_F(CondenserWindowTest, ClearResetsEveryGadget) {
  fillForm("ORVEX KD-630", "30", "12", "R134a", "20");
  typeAndLeave(W, kNoiseLimit, "50");
  click(W, kStarConnection);
  click(W, kSixPoles);
  toolkit_.type(W, kProject, "Склад");
  toolkit_.type(W, kContactPerson, "Иванов");
  serve();
  pressSelect();
  ASSERT_GT(rows(), 0);

  toolkit_.answerNextMessage(MessageAnswer::Yes);
  click(W, kClearButton);
  for (int combo : {kAmbientTemperature, kTemperatureDifference, kRefrigerant, kSeries})
    EXPECT_EQ(toolkit_.selectedItem(W, combo), gui::kNoSelection) << combo;
  for (int field : {kCondensingTemperature, kRequiredHeatRejection, kNoiseLimit, kProject, kContactPerson})
    EXPECT_EQ(text(field), "") << field;
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).image, gui::kNoImage);
  EXPECT_EQ(toolkit_.gadget(W, kSeriesPicture).tooltip, "Воздушные конденсаторы высокой мощности");
  EXPECT_TRUE(toolkit_.enabled(W, kNoiseLimit));
  EXPECT_TRUE(toolkit_.checked(W, kDeltaConnection));
  EXPECT_FALSE(toolkit_.checked(W, kStarConnection));
  for (int box : {kFourPoles, kSixPoles, kEightPoles}) {
    EXPECT_TRUE(toolkit_.checked(W, box)) << box;
    EXPECT_TRUE(toolkit_.enabled(W, box)) << box;
  }
  EXPECT_EQ(rows(), 0);
  EXPECT_FALSE(context().condenser.formDirty);
  EXPECT_EQ(items(W, kAmbientTemperature).size(), 26u);  // the choices themselves stay
}

TEST_F(CondenserWindowTest, SelectionReadsTheFanOptionsAndTheNoiseLimit) {
  fillForm("ORVEX KD-500", "30", "10", "R404a/R507", "10");
  pressSelect();
  ASSERT_GE(rows(), 2);
  const auto& styles = toolkit_.gadget(W, kResultList).rowStyles;
  int chosen = -1;
  for (int row = 0; row < rows(); ++row)
    if (styles[row].background == gui::Rgb{204, 255, 153}) chosen = row;
  ASSERT_GE(chosen, 0);
  EXPECT_EQ(styles[chosen].firstCellColour, (gui::Rgb{0, 0, 255}));
  EXPECT_EQ(cell(chosen, 12), "«Треугольник»");
  const std::string unlimited = cell(chosen, 0) + cell(chosen, 1);

  // An empty noise field is the limit 99.0.
  typeAndLeave(W, kNoiseLimit, "99");
  pressSelect();
  EXPECT_EQ(cell(chosen, 0) + cell(chosen, 1), unlimited);

  // «Звезда» keeps only the star-connected variants.
  typeAndLeave(W, kNoiseLimit, "");
  click(W, kStarConnection);
  pressSelect();
  for (int row = 0; row < rows(); ++row) EXPECT_EQ(cell(row, 12), "«Звезда»") << row;

  // No pole box ticked: one empty chosen row.
  for (int box : {kFourPoles, kSixPoles, kEightPoles}) click(W, box);
  pressSelect();
  ASSERT_EQ(rows(), 1);
  for (int column = 0; column < 13; ++column) EXPECT_EQ(cell(0, column), "") << column;
  EXPECT_EQ(styles[0].background, (gui::Rgb{204, 255, 153}));

  // A noise limit below every model leaves nothing either.
  click(W, kFourPoles);
  typeAndLeave(W, kNoiseLimit, "10");
  pressSelect();
  EXPECT_EQ(rows(), 1);
  EXPECT_EQ(cell(0, 0), "");
}

TEST_F(CondenserWindowTest, TheRequirementTypedLastIsNormalisedBeforeTheSelection) {
  fillForm("ORVEX KD-500", "30", "10", "R404a/R507", "1");
  toolkit_.type(W, kRequiredHeatRejection, "1500");  // not left: the click takes the focus
  pressSelect();
  EXPECT_EQ(text(kRequiredHeatRejection), "999.000");
  ASSERT_EQ(rows(), 1);  // 999 kW is beyond every model
  EXPECT_EQ(cell(0, 0), "");
}

TEST_F(CondenserWindowTest, CatalogCapacitiesReachTheList) {
  // The first KD-500 record, 4 poles and delta, is rated 6435 W at 0 °C and 8 K with R404a/R507;
  // asking for exactly that chooses a model of exactly that capacity.
  const catalog::CondenserRecord& first = catalog::condenserList500()[0];
  ASSERT_EQ(first.ratingTables[0][0].capacityText, "6435");
  fillForm("ORVEX KD-500", "0", "8", "R404a/R507", "6.435");
  pressSelect();
  int chosen = -1;
  for (int row = 0; row < rows(); ++row)
    if (toolkit_.gadget(W, kResultList).rowStyles[row].background == gui::Rgb{204, 255, 153}) chosen = row;
  ASSERT_GE(chosen, 0);
  EXPECT_EQ(cell(chosen, 1), "6.435");
  EXPECT_EQ(cell(chosen, 2), "0.0");
}

}  // namespace
