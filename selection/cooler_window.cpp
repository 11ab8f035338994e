#include "selection/cooler_window.h"

#include <string>

#include "platform/number_text.h"
#include "resources/pictures.h"
#include "selection/cooler_selection.h"
#include "selection/cooler_window_ids.h"
#include "selection/form_layout.h"
#include "selection/number_field.h"
#include "selection/result_list.h"
#include "selection/window_numbers.h"

namespace selection {
namespace {

using namespace cooler;
constexpr int W = kCoolerWindow;

constexpr const char* kClearQuestion = "Вы уверены, что хотите очистить все данные?";
constexpr const char* kClearCaption = "Очистить данные";

const char* const kCeilingTemperatures[] = {"0", "-5", "-8", "-10", "-15", "-20",
                                            "-25", "-30", "-31", "-35", "-40"};
const char* const kDifferences[] = {"5", "6", "7", "8", "9", "10"};

// What a series choice shows, by the index of the chosen item.
struct SeriesHints {
  const char* roomRange;
  int picture;
  const char* tooltip;
  int temperatureCount;  // leading items of kCeilingTemperatures offered
  int lowest, highest;   // room temperature range, °C
};

const SeriesHints kSeriesHints[] = {
    {"от +10 до -35", resources::kCeilingSeriesImage, "Потолочные воздухоохладители", 11, -35, 10},
    {"от +10 до -18", resources::kCubicSeriesImage, "Кубические среднетемпературные воздухоохладители", 10, -18, 10},
    {"от -18 до -30", resources::kCubicSeriesImage, "Кубические низкотемпературные воздухоохладители", 10, -30, -18},
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

const std::vector<gui::ListColumn> kColumns = {
    {"Модель", 120}, {"Qo (кВт)", 90}, {"Отклон. (%)", 90}, {"V (м3/ч)", 110},
    {"S (м2)", 80}, {"V труб (л)", 90}, {"Длина возд. струи (м)", 70},
    {"Габариты Д x Ш (мм)", 80}, {"Диаметр вентиляторов (мм)", 0},
    {"Эл. питание (В/ф/Гц)", 0}, {"Мощность э/д (Вт)", 0}, {"Потребляемый ток (А)", 0},
    {"Мощность оттайки (Вт)", 0}};

// A user change of an input the selection reads: the list no longer belongs to the form.
void inputChanged(SelectionContext& context) {
  context.toolkit.clearRows(W, kResultList);
  context.coolerFormDirty = true;
}

void normalizeWhenFilled(SelectionContext& context, int gadget, float upper) {
  if (!context.toolkit.text(W, gadget).empty()) normalizeNumberField(context.toolkit, W, gadget, 0, upper, 1);
}

CoolerInputs readCoolerInputs(const gui::Toolkit& toolkit) {
  CoolerInputs inputs;
  inputs.refrigerant = toolkit.text(W, kRefrigerant);
  inputs.requiredWatts = platform::textToFloat(toolkit.text(W, kRequiredCapacity)) * 1000.0f;
  const int series = toolkit.selectedItem(W, kSeries);
  inputs.seriesCode = series == gui::kNoSelection ? 0 : toolkit.itemData(W, kSeries, series);
  inputs.temperatureKey = toolkit.text(W, kEvaporatingTemperature);
  inputs.deltaKey = toolkit.text(W, kTemperatureDifference);
  inputs.minAirThrow = platform::textToFloat(toolkit.text(W, kMinAirThrow));
  const std::string length = toolkit.text(W, kMaxLength);
  const std::string width = toolkit.text(W, kMaxWidth);
  inputs.maxLength = length.empty() ? 9999.0f : platform::textToFloat(length);
  inputs.maxWidth = width.empty() ? 9999.0f : platform::textToFloat(width);
  return inputs;
}

int serveGadget(SelectionContext& context, const gui::Event& event) {
  const bool change = event.type == gui::GadgetEvent::Change;
  const bool lostFocus = event.type == gui::GadgetEvent::LostFocus;
  switch (event.item) {
    case kRefrigerant:
      if (change) inputChanged(context);
      break;
    case kRequiredCapacity:
      if (lostFocus) normalizeNumberField(context.toolkit, W, kRequiredCapacity, 0, 999, 3);
      if (change) inputChanged(context);
      break;
    case kSeries:
      if (change) onSeriesChanged(context);
      break;
    case kEvaporatingTemperature:
      if (change) {
        updateAirInletTemperature(context);
        inputChanged(context);
      }
      break;
    case kTemperatureDifference:
      if (change) {
        updateAirInletTemperature(context);
        updateHumidityHint(context);
        inputChanged(context);
      }
      break;
    case kMinAirThrow:
      if (lostFocus) normalizeWhenFilled(context, kMinAirThrow, 99);
      if (change) inputChanged(context);
      break;
    case kMaxWidth:
    case kMaxLength:
      if (lostFocus) normalizeWhenFilled(context, event.item, 9999);
      if (change) inputChanged(context);
      break;
    case kProject:
    case kContactPerson:
      if (change) context.coolerFormDirty = true;  // the list stays: no selection input
      break;
    case kSelectButton:
      if (event.type == gui::GadgetEvent::LeftClick) selectCoolers(context);
      break;
    case kClearButton:
      clearCoolerData(context);
      break;
    default:
      break;
  }
  return 1;
}

}  // namespace

void openCoolerWindow(SelectionContext& context) {
  if (context.coolerWindowOpen) {
    context.toolkit.activateWindow(W);
  } else {
    buildCoolerWindow(context);
  }
}

void buildCoolerWindow(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
  context.coolerWindowOpen =
      tk.openWindow({W, "Подбор воздухоохладителя ORVEX®", 800, 495, gui::FrameStyle::Selection,
                     1, gui::Placement::CentreOnParent, false});
  if (!context.coolerWindowOpen) return;
  tk.setMenu(W, {{"Окно", {{kMenuClose, "Закрыть"}}},
                 {"Параметры", {{kMenuUserInfo, "Информация о пользователе"}}},
                 {"Справка", {{kMenuAbout, "О программе"}}}});

  tk.addFrame(W, {20, 5, 240, 240}, "Проектные данные");
  addLabelledInput(tk, W, 25, 20, "Температура испарения хладагента (°C)", InputKind::ComboBox, kEvaporatingTemperature);
  addLabelledInput(tk, W, 25, 65, "Разность температур на входе в исп. (K) ", InputKind::ComboBox, kTemperatureDifference);
  addLabelledInput(tk, W, 25, 110, "Температура воздуха на входе в исп. (°C)", InputKind::TextField, kAirInletTemperature, kAirInletLabel);
  addLabelledInput(tk, W, 25, 155, "Отн. влажность воздуха в камере (%)", InputKind::TextField, kHumidity);
  addLabelledInput(tk, W, 25, 200, "Треб. холодопроизводительность (кВт)", InputKind::TextField, kRequiredCapacity, gui::kUnnumbered, 200);
  addLabelledInput(tk, W, 25, 245, "Хладагент", InputKind::ComboBox, kRefrigerant);
  for (int gadget : {kEvaporatingTemperature, kTemperatureDifference, kAirInletTemperature, kHumidity})
    tk.setEnabled(W, gadget, false);

  tk.addFrame(W, {280, 5, 240, 105}, "Выбор");
  addLabelledInput(tk, W, 285, 20, "Серия воздухоохладителя", InputKind::ComboBox, kSeries);
  addLabelledInput(tk, W, 285, 65, "Температура воздуха в камере (°C)", InputKind::TextField, kRoomRange, kRoomRangeLabel);
  tk.setEnabled(W, kRoomRange, false);
  tk.addPicture(W, kSeriesPicture, {280, 123, 240, 160}, gui::kNoImage);

  tk.addFrame(W, {540, 50, 240, 150}, "Ограничения");
  addLabelledInput(tk, W, 545, 65, "Мин. длина воздушной струи (м)", InputKind::TextField, kMinAirThrow);
  addLabelledInput(tk, W, 545, 110, "Макс. габарит. ширина для монтажа (мм)", InputKind::TextField, kMaxWidth);
  addLabelledInput(tk, W, 545, 155, "Макс. габарит. длина для монтажа (мм)", InputKind::TextField, kMaxLength);
  addLabelledInput(tk, W, 545, 200, "Проект", InputKind::TextField, kProject);
  addLabelledInput(tk, W, 545, 245, "Контактное лицо", InputKind::TextField, kContactPerson);

  for (const char* refrigerant : {"R404a/R507", "R22", "R134a"}) tk.addItem(W, kRefrigerant, refrigerant);
  tk.addItem(W, kSeries, "ORVEX VP", kCeilingSeries);
  tk.addItem(W, kSeries, "ORVEX VK-M ( среднетемпературные )", kMediumCubicSeries);
  tk.addItem(W, kSeries, "ORVEX VK-L ( низкотемпературные )", kLowCubicSeries);

  // The result frame; the list and its buttons sit in a place at (25, 315).
  tk.addFrame(W, {20, 300, 760, 165}, "Воздухоохладитель");
  tk.addList(W, kResultList, {30, 325, 740, 85}, kColumns);
  tk.addButton(W, kSelectButton, {210, 420, 120, 25}, "Подобрать");
  tk.addButton(W, kReportButton, {335, 420, 120, 25}, "Протокол подбора");
  tk.setTooltip(W, kReportButton, "Открывается в окне браузера");
  tk.addButton(W, kDrawingButton, {460, 420, 120, 25}, "Чертеж в/о");
  tk.setTooltip(W, kDrawingButton, "Требуется наличие Adobe Reader");

  tk.addPicture(W, gui::kUnnumbered, {562, 0, 106, 47}, resources::kSmallLogoImage);
  tk.addButton(W, kClearButton, {669, 10, 106, 25}, "Очистить данные");
}

int handleCoolerEvent(SelectionContext& context, const gui::Event& event) {
  switch (event.kind) {
    case gui::EventKind::CloseRequest:
      return 0;
    case gui::EventKind::Menu:
      return event.item == kMenuClose ? 0 : 1;
    case gui::EventKind::Gadget:
      return serveGadget(context, event);
  }
  return 1;
}

void onSeriesChanged(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
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
    for (int i = 0; i < hints.temperatureCount; ++i) tk.addItem(W, kEvaporatingTemperature, kCeilingTemperatures[i]);
  }
  for (const char* difference : kDifferences) tk.addItem(W, kTemperatureDifference, difference);
  tk.setEnabled(W, kEvaporatingTemperature, true);
  tk.setEnabled(W, kTemperatureDifference, true);
  tk.setTextColour(W, kAirInletLabel, std::nullopt);
  tk.setTextColour(W, kRoomRangeLabel, std::nullopt);
  inputChanged(context);
}

void updateAirInletTemperature(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
  if (tk.selectedItem(W, kEvaporatingTemperature) == gui::kNoSelection ||
      tk.selectedItem(W, kTemperatureDifference) == gui::kNoSelection)
    return;
  const int airInlet = platform::textToInt(tk.text(W, kEvaporatingTemperature)) +
                       platform::textToInt(tk.text(W, kTemperatureDifference));
  tk.setText(W, kAirInletTemperature, platform::intText(airInlet));
  checkRoomTemperatureRange(context, airInlet);
}

void checkRoomTemperatureRange(SelectionContext& context, int airInletTemperature) {
  gui::Toolkit& tk = context.toolkit;
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

void updateHumidityHint(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
  tk.setText(W, kHumidity, humidityFor(platform::textToInt(tk.text(W, kTemperatureDifference))));
}

void clearCoolerData(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
  if (!context.coolerFormDirty) return;
  if (tk.messageBox(kClearCaption, kClearQuestion, gui::MessageButtons::YesNo) != gui::MessageAnswer::Yes) return;
  tk.selectItem(W, kRefrigerant, gui::kNoSelection);
  for (int gadget : {kRequiredCapacity, kAirInletTemperature, kHumidity}) tk.setText(W, gadget, "");
  tk.selectItem(W, kSeries, gui::kNoSelection);
  tk.setText(W, kRoomRange, "");
  for (int gadget : {kEvaporatingTemperature, kTemperatureDifference}) {
    tk.selectItem(W, gadget, gui::kNoSelection);  // the items stay until the next series choice
    tk.setEnabled(W, gadget, false);
  }
  for (int gadget : {kMinAirThrow, kMaxWidth, kMaxLength, kProject, kContactPerson}) tk.setText(W, gadget, "");
  tk.clearRows(W, kResultList);
  context.coolerFormDirty = false;
  tk.setTextColour(W, kAirInletLabel, std::nullopt);
  tk.setTextColour(W, kRoomRangeLabel, std::nullopt);
  tk.setPicture(W, kSeriesPicture, gui::kNoImage);  // the tooltip stays
}

void selectCoolers(SelectionContext& context) {
  gui::Toolkit& tk = context.toolkit;
  tk.clearRows(W, kResultList);
  const CoolerInputs inputs = readCoolerInputs(tk);
  showResultRows(tk, W, kResultList, selectCoolers(inputs, coolerSeriesList(inputs.seriesCode)));
  context.coolerFormDirty = true;
}

}  // namespace selection
