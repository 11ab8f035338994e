#include "selection/condenser_window.h"

#include "platform/number_text.h"
#include "report/report_layouts.h"
#include "resources/pictures.h"
#include "selection/condenser_selection.h"
#include "selection/result_list.h"
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
    {.gadget = kRequiredHeatRejection, .bounds = kRequiredCapacityBounds},
    {.gadget = kRefrigerant},
    {.gadget = kSeries, .onChange = showSeriesPicture},
    {.gadget = kNoiseLimit, .bounds = kNoiseLimitBounds},
    {.gadget = kStarConnection, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kDeltaConnection, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kFourPoles, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kSixPoles, .changeEvent = gui::GadgetEvent::LeftClick},
    {.gadget = kEightPoles, .changeEvent = gui::GadgetEvent::LeftClick},
};

const std::vector<gui::ListColumn> kColumns =
    listColumns(kCondenserColumnTitles, {120, 90, 90, 110, 80, 90, 150, 0, 0, 0, 0, 0, 0});

void fillChoices(gui::Toolkit& tk) {
  const catalog::SeriesGrid& grid = catalog::kCondenserGrid;
  for (const std::string_view temperature : offeredTemperatures(grid)) tk.addItem(W, kAmbientTemperature, temperature);
  for (const std::string_view difference : grid.differences) tk.addItem(W, kTemperatureDifference, difference);
  for (const std::string_view refrigerant : grid.refrigerants) tk.addItem(W, kRefrigerant, refrigerant);
  for (const SeriesName& series : kCondenserSeries) tk.addItem(W, kSeries, series.shown, series.code);
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

CondenserFormTexts formTexts(const gui::Toolkit& tk) {
  const int series = tk.selectedItem(W, kSeries);
  return CondenserFormTexts{.series = tk.text(W, kSeries),
                            .seriesCode = series == gui::kNoSelection ? 0 : tk.itemData(W, kSeries, series),
                            .refrigerant = tk.text(W, kRefrigerant),
                            .requiredHeatRejection = tk.text(W, kRequiredHeatRejection),
                            .temperature = tk.text(W, kAmbientTemperature),
                            .difference = tk.text(W, kTemperatureDifference),
                            .noiseLimit = tk.text(W, kNoiseLimit),
                            .deltaAllowed = tk.checked(W, kDeltaConnection),
                            .starAllowed = tk.checked(W, kStarConnection),
                            .fourPolesAllowed = tk.checked(W, kFourPoles),
                            .sixPolesAllowed = tk.checked(W, kSixPoles),
                            .eightPolesAllowed = tk.checked(W, kEightPoles)};
}

project::PositionDuty positionDuty(const gui::Toolkit& tk) { return formTexts(tk); }
std::vector<ResultRow> selectFromForm(const gui::Toolkit& tk) { return selectCondensers(formTexts(tk)); }
std::vector<std::string> reportConditions(const gui::Toolkit& tk) { return condenserReportConditions(formTexts(tk)); }

const SelectionWindowShape kShape{
    .window = W,
    .title = "Подбор конденсатора ORVEX®",
    .flags = &SelectionContext::condenser,
    .openerMenuItem = kMenuCondenserWindow,
    .openerArea = kCondenserArea,
    .menuClose = kMenuClose,
    .menuUserInfo = kMenuUserInfo,
    .menuAbout = kMenuAbout,
    .menuAddToProject = kMenuAddToProject,
    .menuOpenProject = kMenuOpenProject,
    .userInfoWindow = kCondenserUserInfoWindow,
    .aboutWindow = kCondenserAboutWindow,
    .form = kForm,
    .inputs = kInputs,
    .firstInput = kAmbientTemperature,
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
    .positionDuty = positionDuty,
    .reportLayout = &report::kCondenserReport,
    .reportConditions = reportConditions,
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
