#include "selection/cooler_window.h"

#include <string>

#include "platform/number_text.h"
#include "report/report_layouts.h"
#include "resources/pictures.h"
#include "selection/cooler_selection.h"
#include "selection/result_list.h"
#include "selection/cooler_window_ids.h"
#include "selection/selection_window.h"
#include "selection/window_numbers.h"

namespace selection {
namespace {

using namespace cooler;
constexpr int W = kCoolerWindow;

const FormPiece kForm[] = {
    frame({20, 5, 240, 240}, "Проектные данные"),
    comboBox(25, 20, "Температура испарения хладагента (°C)", kEvaporatingTemperature).disabled(),
    comboBox(25, 65, "Разность температур на входе в исп. (K) ", kTemperatureDifference).disabled(),
    textField(25, 110, "Температура воздуха на входе в исп. (°C)", kAirInletTemperature)
        .labelNumbered(kAirInletLabel).disabled(),
    textField(25, 155, "Отн. влажность воздуха в камере (%)", kHumidity).disabled(),
    textField(25, 200, "Треб. холодопроизводительность (кВт)", kRequiredCapacity).labelWide(200),
    comboBox(25, 245, "Хладагент", kRefrigerant),
    frame({280, 5, 240, 105}, "Выбор"),
    comboBox(285, 20, "Серия воздухоохладителя", kSeries),
    textField(285, 65, "Температура воздуха в камере (°C)", kRoomRange).labelNumbered(kRoomRangeLabel).disabled(),
    picture({280, 123, 240, 160}, kSeriesPicture),
    frame({540, 50, 240, 150}, "Ограничения"),
    textField(545, 65, "Мин. длина воздушной струи (м)", kMinAirThrow),
    textField(545, 110, "Макс. габарит. ширина для монтажа (мм)", kMaxWidth),
    textField(545, 155, "Макс. габарит. длина для монтажа (мм)", kMaxLength),
    textField(545, 200, "Проект", kProject),
    textField(545, 245, "Контактное лицо", kContactPerson),
};

// What a series choice shows, by the index of the chosen item (= series code - 1).
struct SeriesHints {
  const char* roomRange;
  int picture;
  const char* tooltip;
  int lowest, highest;  // room temperature range, °C
};

const SeriesHints kSeriesHints[] = {
    {"от +10 до -35", resources::kCeilingSeriesImage, "Потолочные воздухоохладители", -35, 10},
    {"от +10 до -18", resources::kCubicSeriesImage, "Кубические среднетемпературные воздухоохладители", -18, 10},
    {"от -18 до -30", resources::kCubicSeriesImage, "Кубические низкотемпературные воздухоохладители", -30, -18},
};

const char* humidityFor(int difference) {
  switch (difference) {
    case 5: return "89 ... 97";
    case 6: return "83 ... 89";
    case 7: return "78 ... 83";
    case 8: return "74 ... 78";
    case 9: return "71 ... 74";
    case 10: return "68 ... 71";
    default: return "";
  }
}

void onDifferenceChanged(gui::Toolkit& toolkit) {
  updateAirInletTemperature(toolkit);
  updateHumidityHint(toolkit);
}

const InputRule kInputs[] = {
    {.gadget = kRefrigerant},
    {.gadget = kRequiredCapacity, .bounds = kRequiredCapacityBounds},
    {.gadget = kSeries, .onChange = onSeriesChanged},
    {.gadget = kEvaporatingTemperature, .onChange = updateAirInletTemperature},
    {.gadget = kTemperatureDifference, .onChange = onDifferenceChanged},
    {.gadget = kMinAirThrow, .bounds = kMinAirThrowBounds},
    {.gadget = kMaxWidth, .bounds = kMountingSizeBounds},
    {.gadget = kMaxLength, .bounds = kMountingSizeBounds},
};

const std::vector<gui::ListColumn> kColumns =
    listColumns(kCoolerColumnTitles, {120, 90, 90, 110, 80, 90, 70, 80, 0, 0, 0, 0, 0});

void fillChoices(gui::Toolkit& tk) {
  for (const std::string_view refrigerant : catalog::kCeilingGrid.refrigerants) tk.addItem(W, kRefrigerant, refrigerant);
  for (const SeriesName& series : kCoolerSeries) tk.addItem(W, kSeries, series.shown, series.code);
}

void resetForm(gui::Toolkit& tk) {
  tk.selectItem(W, kRefrigerant, gui::kNoSelection);
  for (int gadget : {kRequiredCapacity, kAirInletTemperature, kHumidity}) tk.setText(W, gadget, "");
  tk.selectItem(W, kSeries, gui::kNoSelection);
  tk.setText(W, kRoomRange, "");
  for (int gadget : {kEvaporatingTemperature, kTemperatureDifference}) {
    tk.selectItem(W, gadget, gui::kNoSelection);  // the items stay until the next series choice
    tk.setEnabled(W, gadget, false);
  }
  for (int gadget : {kMinAirThrow, kMaxWidth, kMaxLength}) tk.setText(W, gadget, "");
  tk.setTextColour(W, kAirInletLabel, std::nullopt);
  tk.setTextColour(W, kRoomRangeLabel, std::nullopt);
  tk.setPicture(W, kSeriesPicture, gui::kNoImage);  // the tooltip stays
}

int chosenSeriesCode(const gui::Toolkit& tk) {
  const int series = tk.selectedItem(W, kSeries);
  return series == gui::kNoSelection ? 0 : tk.itemData(W, kSeries, series);
}

CoolerFormTexts formTexts(const gui::Toolkit& tk) {
  return CoolerFormTexts{.series = tk.text(W, kSeries),
                         .seriesCode = chosenSeriesCode(tk),
                         .refrigerant = tk.text(W, kRefrigerant),
                         .requiredCapacity = tk.text(W, kRequiredCapacity),
                         .temperature = tk.text(W, kEvaporatingTemperature),
                         .difference = tk.text(W, kTemperatureDifference),
                         .minAirThrow = tk.text(W, kMinAirThrow),
                         .maxLength = tk.text(W, kMaxLength),
                         .maxWidth = tk.text(W, kMaxWidth)};
}

project::PositionDuty positionDuty(const gui::Toolkit& tk) { return formTexts(tk); }
std::vector<ResultRow> selectFromForm(const gui::Toolkit& tk) { return selectCoolers(formTexts(tk)); }
std::vector<std::string> reportConditions(const gui::Toolkit& tk) { return coolerReportConditions(formTexts(tk)); }

const SelectionWindowShape kShape{
    .window = W,
    .title = "Подбор воздухоохладителя ORVEX®",
    .flags = &SelectionContext::cooler,
    .openerMenuItem = kMenuCoolerWindow,
    .openerArea = kCoolerArea,
    .menuClose = kMenuClose,
    .menuUserInfo = kMenuUserInfo,
    .menuAbout = kMenuAbout,
    .menuAddToProject = kMenuAddToProject,
    .menuOpenProject = kMenuOpenProject,
    .userInfoWindow = kCoolerUserInfoWindow,
    .aboutWindow = kCoolerAboutWindow,
    .form = kForm,
    .inputs = kInputs,
    // The series fills the temperature choices, so it is filled first.
    .firstInput = kSeries,
    .project = kProject,
    .contactPerson = kContactPerson,
    .fillChoices = fillChoices,
    .resetForm = resetForm,
    .resultCaption = "Воздухоохладитель",
    .resultList = kResultList,
    .columns = kColumns,
    .selectButton = kSelectButton,
    .reportButton = kReportButton,
    .drawingButton = kDrawingButton,
    .clearButton = kClearButton,
    .drawingText = "Чертеж в/о",
    .drawingProgressWindow = kCoolerDrawingProgressWindow,
    .noRowMessage = "Выберите модель в/о из списка.",
    .selectRows = selectFromForm,
    .positionDuty = positionDuty,
    .reportLayout = &report::kCoolerReport,
    .reportConditions = reportConditions,
};

}  // namespace

void registerCoolerWindow(gui::WindowRegistry& registry, SelectionContext& context) {
  registerSelectionWindow(registry, context, kShape);
}

void onSeriesChanged(gui::Toolkit& tk) {
  tk.clearItems(W, kEvaporatingTemperature);
  tk.clearItems(W, kTemperatureDifference);
  tk.setText(W, kAirInletTemperature, "");
  tk.setText(W, kHumidity, "");
  const int series = tk.selectedItem(W, kSeries);
  if (series >= 0 && series < 3) {
    const SeriesHints& hints = kSeriesHints[series];
    tk.setText(W, kRoomRange, hints.roomRange);
    tk.setPicture(W, kSeriesPicture, hints.picture);
    tk.setTooltip(W, kSeriesPicture, hints.tooltip);
    for (const std::string_view temperature : offeredTemperatures(coolerSeriesGrid(chosenSeriesCode(tk))))
      tk.addItem(W, kEvaporatingTemperature, temperature);
  }
  for (const std::string_view difference : catalog::kCeilingGrid.differences) tk.addItem(W, kTemperatureDifference, difference);
  tk.setEnabled(W, kEvaporatingTemperature, true);
  tk.setEnabled(W, kTemperatureDifference, true);
  tk.setTextColour(W, kAirInletLabel, std::nullopt);
  tk.setTextColour(W, kRoomRangeLabel, std::nullopt);
}

void updateAirInletTemperature(gui::Toolkit& tk) {
  if (tk.selectedItem(W, kEvaporatingTemperature) == gui::kNoSelection ||
      tk.selectedItem(W, kTemperatureDifference) == gui::kNoSelection)
    return;
  const int airInlet = platform::textToInt(tk.text(W, kEvaporatingTemperature)) +
                       platform::textToInt(tk.text(W, kTemperatureDifference));
  tk.setText(W, kAirInletTemperature, platform::intText(airInlet));
  checkRoomTemperatureRange(tk, airInlet);
}

void checkRoomTemperatureRange(gui::Toolkit& tk, int airInletTemperature) {
  const std::string range = tk.text(W, kRoomRange);
  for (const SeriesHints& hints : kSeriesHints) {
    if (range != hints.roomRange) continue;
    const bool outside = airInletTemperature > hints.highest || airInletTemperature < hints.lowest;
    const std::optional<gui::Rgb> colour = outside ? std::optional(kOutOfRangeColour) : std::nullopt;
    tk.setTextColour(W, kAirInletLabel, colour);
    tk.setTextColour(W, kRoomRangeLabel, colour);
    return;
  }
}

void updateHumidityHint(gui::Toolkit& tk) {
  tk.setText(W, kHumidity, humidityFor(platform::textToInt(tk.text(W, kTemperatureDifference))));
}

}  // namespace selection
