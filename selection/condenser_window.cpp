#include "selection/condenser_window.h"

#include "platform/number_text.h"
#include "report/report_layouts.h"
#include "resources/pictures.h"
#include "selection/condenser_selection.h"
#include "selection/condenser_window_ids.h"
#include "selection/selection_window.h"
#include "selection/window_numbers.h"

namespace selection {
namespace {

using namespace condenser;
constexpr int W = kCondenserWindow;

// The connection place at (285, 65) and the fan place at (545, 110) hold their inputs below
// their labels.
const FormPiece kForm[] = {
    frame({20, 5, 240, 240}, "Проектные данные"),
    comboBox(25, 20, "Температура окружающего воздуха (°C)", kAmbientTemperature),
    comboBox(25, 65, "Разность температур на входе в конд. (K)", kTemperatureDifference),
    textField(25, 110, "Температура конденсации хладагента (°C)", kCondensingTemperature).disabled(),
    comboBox(25, 155, "Высота над уровнем моря (м)", kAltitude).disabled(),
    textField(25, 200, "Требуемая теплоотдача конд. (кВт)", kRequiredHeatRejection).labelWide(200),
    comboBox(25, 245, "Хладагент", kRefrigerant),
    frame({280, 5, 240, 105}, "Выбор"),
    comboBox(285, 20, "Серия конденсатора", kSeries),
    label(285, 65, "Схема подключения эл/дв вентилятора:"),
    option(inPlace(285, 65, {5, 20, 115, 20}), "«Треугольник»", kDeltaConnection),
    option(inPlace(285, 65, {120, 20, 115, 20}), "«Звезда»", kStarConnection),
    picture({280, 123, 240, 160}, kSeriesPicture),
    frame({540, 50, 240, 145}, "Ограничения"),
    textField(545, 65, "Макс. уровень шума на расст. 10 м (дБА)", kNoiseLimit),
    label(545, 110, "Требуемый вентилятор:"),
    checkBox(inPlace(545, 110, {5, 20, 230, 20}), "4-х полюсный (EBM S4D)", kFourPoles),
    checkBox(inPlace(545, 110, {5, 40, 230, 20}), "6-ти полюсный (EBM S6D)", kSixPoles),
    checkBox(inPlace(545, 110, {5, 60, 230, 20}), "8-ми полюсный (EBM S8D)", kEightPoles),
    textField(545, 200, "Проект", kProject),
    textField(545, 245, "Контактное лицо", kContactPerson),
};

constexpr int kPoleBoxes[] = {kFourPoles, kSixPoles, kEightPoles};

// Either series shows the condenser picture; the list empties in every case.
void showSeriesPicture(gui::Toolkit& tk) {
  const int series = tk.selectedItem(W, kSeries);
  if (series == 0 || series == 1) {
    tk.setPicture(W, kSeriesPicture, resources::kCondenserSeriesImage);
    tk.setTooltip(W, kSeriesPicture, "Воздушные конденсаторы высокой мощности");
  }
}

const InputRule kInputs[] = {
    {.gadget = kAmbientTemperature, .onChange = updateCondensingTemperature},
    {.gadget = kTemperatureDifference, .onChange = updateCondensingTemperature},
    {.gadget = kRequiredHeatRejection, .bounds = FieldBounds{0, 999, 3, false}},
    {.gadget = kRefrigerant},
    {.gadget = kSeries, .onChange = showSeriesPicture},
    {.gadget = kNoiseLimit, .bounds = FieldBounds{0, 99, 1, true}},
    {.gadget = kStarConnection, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kDeltaConnection, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kFourPoles, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kSixPoles, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kEightPoles, .changeEvent = gui::GadgetEvent::LeftClick},
};

const gui::ListColumn kColumns[] = {
    {"Модель", 120}, {"Qк (кВт)", 90}, {"Отклон. (%)", 90}, {"V (м3/ч)", 110}, {"S (м2)", 80},
    {"V труб (л)", 90}, {"Уровень шума на расст. 10 м (дБА)", 150}, {"Габариты Д x Ш х В (мм)", 0},
    {"Диаметр вентиляторов (мм)", 0}, {"Эл. питание (В/Гц)", 0}, {"Мощность э/д (Вт)", 0},
    {"Потребляемый ток (А)", 0}, {"Схема подключения", 0}};

void fillChoices(gui::Toolkit& tk) {
  const catalog::SeriesGrid& grid = catalog::kCondenserGrid;
  // The ambient temperatures, warmest first.
  for (auto t = grid.temperatures.rbegin(); t != grid.temperatures.rend(); ++t) tk.addItem(W, kAmbientTemperature, *t);
  for (const std::string_view difference : grid.differences) tk.addItem(W, kTemperatureDifference, difference);
  for (const std::string_view refrigerant : grid.refrigerants) tk.addItem(W, kRefrigerant, refrigerant);
  tk.addItem(W, kSeries, "ORVEX KD-500", kSeries500);
  tk.addItem(W, kSeries, "ORVEX KD-630", kSeries630);
  tk.setChecked(W, kDeltaConnection, true);
  for (int box : kPoleBoxes) tk.setChecked(W, box, true);
}

void resetForm(gui::Toolkit& tk) {
  tk.selectItem(W, kAmbientTemperature, gui::kNoSelection);
  tk.selectItem(W, kTemperatureDifference, gui::kNoSelection);
  tk.setText(W, kCondensingTemperature, "");
  tk.setText(W, kRequiredHeatRejection, "");
  tk.selectItem(W, kRefrigerant, gui::kNoSelection);
  tk.selectItem(W, kSeries, gui::kNoSelection);
  tk.setPicture(W, kSeriesPicture, gui::kNoImage);  // the tooltip stays
  tk.setText(W, kNoiseLimit, "");
  tk.setEnabled(W, kNoiseLimit, true);
  tk.setChecked(W, kDeltaConnection, true);
  tk.setChecked(W, kStarConnection, false);
  for (int box : kPoleBoxes) {
    tk.setChecked(W, box, true);
    tk.setEnabled(W, box, true);
  }
}

std::vector<ResultRow> selectFromForm(const gui::Toolkit& tk) {
  CondenserInputs inputs;
  inputs.refrigerant = tk.text(W, kRefrigerant);
  inputs.requiredWatts = platform::textToFloat(tk.text(W, kRequiredHeatRejection)) * 1000.0f;
  const int series = tk.selectedItem(W, kSeries);
  inputs.seriesCode = series == gui::kNoSelection ? 0 : tk.itemData(W, kSeries, series);
  inputs.temperatureKey = tk.text(W, kAmbientTemperature);
  inputs.deltaKey = tk.text(W, kTemperatureDifference);
  const std::string noise = tk.text(W, kNoiseLimit);
  inputs.noiseLimit = noise.empty() ? 99.0f : platform::textToFloat(noise);
  inputs.deltaAllowed = tk.checked(W, kDeltaConnection);
  inputs.starAllowed = tk.checked(W, kStarConnection);
  inputs.fourPolesAllowed = tk.checked(W, kFourPoles);
  inputs.sixPolesAllowed = tk.checked(W, kSixPoles);
  inputs.eightPolesAllowed = tk.checked(W, kEightPoles);
  return selectCondensers(inputs, condenserSeriesList(inputs.seriesCode));
}

// The form's texts the report shows, by their place in the report.
constexpr auto kReportConditions = [] {
  std::array<int, report::kCondenserConditionCount> gadgets{};
  gadgets[report::kAmbientTemperature] = kAmbientTemperature;
  gadgets[report::kCondenserSeries] = kSeries;
  gadgets[report::kMaximumNoiseLevel] = kNoiseLimit;
  gadgets[report::kCondenserTemperatureDifference] = kTemperatureDifference;
  gadgets[report::kRequiredHeatRejection] = kRequiredHeatRejection;
  gadgets[report::kCondenserRefrigerant] = kRefrigerant;
  return gadgets;
}();

const SelectionWindowShape kShape{
    .window = W,
    .title = "Подбор конденсатора ORVEX®",
    .flags = &SelectionContext::condenser,
    .openerMenuItem = kMenuCondenserWindow,
    .openerArea = kCondenserArea,
    .menuClose = kMenuClose,
    .menuUserInfo = kMenuUserInfo,
    .menuAbout = kMenuAbout,
    .userInfoWindow = kCondenserUserInfoWindow,
    .aboutWindow = kCondenserAboutWindow,
    .form = kForm,
    .inputs = kInputs,
    .project = kProject,
    .contactPerson = kContactPerson,
    .fillChoices = fillChoices,
    .resetForm = resetForm,
    .resultCaption = "Конденсатор",
    .resultList = kResultList,
    .columns = kColumns,
    .selectButton = kSelectButton,
    .reportButton = kReportButton,
    .drawingButton = kDrawingButton,
    .clearButton = kClearButton,
    .drawingText = "Чертеж конденсатора",
    .drawingProgressWindow = kCondenserDrawingProgressWindow,
    .noRowMessage = "Выберите модель конденсатора из списка.",
    .selectRows = selectFromForm,
    .reportLayout = &report::kCondenserReport,
    .reportConditions = kReportConditions,
};

}  // namespace

void registerCondenserWindow(gui::WindowRegistry& registry, SelectionContext& context) {
  registerSelectionWindow(registry, context, kShape);
}

void updateCondensingTemperature(gui::Toolkit& tk) {
  if (tk.selectedItem(W, kAmbientTemperature) == gui::kNoSelection ||
      tk.selectedItem(W, kTemperatureDifference) == gui::kNoSelection)
    return;
  const int condensing = platform::textToInt(tk.text(W, kAmbientTemperature)) +
                         platform::textToInt(tk.text(W, kTemperatureDifference));
  tk.setText(W, kCondensingTemperature, platform::intText(condensing));
}

}  // namespace selection
