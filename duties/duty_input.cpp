#include "duties/duty_input.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "platform/number_text.h"
#include "selection/field_bounds.h"

namespace duties {
namespace {

using selection::SeriesName;

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
  });
}


template <typename Range>
std::string joined(const Range& values) {
  std::string text;
  for (const auto& value : values) text += (text.empty() ? "" : ", ") + std::string(value);
  return text;
}

// A choice from a drop-down list: the item's text, or what is wrong.
std::variant<std::string, InputError> choose(DutyField field, std::string_view typed,
                                             std::span<const std::string_view> offered, std::string_view of) {
  const std::string_view value = trimmed(typed);
  for (const std::string_view item : offered)
    if (sameIgnoringCase(item, value)) return std::string(item);
  std::string message = value.empty() ? "missing" : quotedForMessage(value) + " is not offered";
  if (!of.empty()) message += " for " + std::string(of);
  return InputError{field, message + "; accepted: " + joined(offered)};
}

const SeriesName* findSeries(std::span<const SeriesName> series, std::string_view typed) {
  const std::string_view value = trimmed(typed);
  for (const SeriesName& name : series)
    if (sameIgnoringCase(name.shown, value) || sameIgnoringCase(name.shortName, value)) return &name;
  return nullptr;
}

std::string seriesList(std::span<const SeriesName> series) {
  std::string text;
  for (const SeriesName& name : series)
    text += (text.empty() ? "" : ", ") + std::string(name.shortName) + " (" + std::string(name.shown) + ")";
  return text;
}

InputError unknownSeries(std::string_view typed, std::span<const SeriesName> accepted) {
  const std::string_view value = trimmed(typed);
  return {kSeries, (value.empty() ? std::string("missing") : quotedForMessage(value) + " is no series here") +
                       "; accepted: " + seriesList(accepted)};
}

// A number field's text as the form would hold it once corrected; required or optional.
std::variant<std::string, InputError> number(DutyField field, std::string_view typed,
                                             const selection::FieldBounds& bounds, bool required) {
  const std::string_view value = trimmed(typed);
  if (value.empty()) {
    if (required) return InputError{field, "missing; a number is needed"};
    return std::string();
  }
  if (!platform::isWholeNumber(value))
    return InputError{field, quotedForMessage(value) + " is not a number (digits with a decimal point, e.g. 1.5)"};
  return selection::correctedFieldText(value, bounds);
}

// Takes the text out of a read value, or keeps the error.
bool take(std::variant<std::string, InputError> read, std::string& target, std::optional<InputError>& error) {
  if (auto* failure = std::get_if<InputError>(&read)) {
    error = *failure;
    return false;
  }
  target = std::get<std::string>(std::move(read));
  return true;
}

// The fan variants a condenser duty allows.
std::optional<InputError> readFanVariants(const DutyTexts& duty, selection::CondenserFormTexts& form) {
  const std::string_view connection = trimmed(duty[kConnection]);
  if (connection.empty() || sameIgnoringCase(connection, "delta")) {
    form.deltaAllowed = true, form.starAllowed = false;
  } else if (sameIgnoringCase(connection, "star")) {
    form.deltaAllowed = false, form.starAllowed = true;
  } else if (sameIgnoringCase(connection, "both")) {
    form.deltaAllowed = form.starAllowed = true;
  } else {
    return InputError{kConnection, quotedForMessage(connection) + " is not offered; accepted: delta, star, both"};
  }
  const std::string_view poles = trimmed(duty[kPoles]);
  if (poles.empty()) return std::nullopt;
  form.fourPolesAllowed = form.sixPolesAllowed = form.eightPolesAllowed = false;
  std::size_t at = 0;
  while (at < poles.size()) {
    const std::size_t end = std::min(poles.find_first_of(", ", at), poles.size());
    const std::string_view pole = poles.substr(at, end - at);
    at = end + 1;
    if (pole.empty()) continue;
    bool* allowed = pole == "4" ? &form.fourPolesAllowed : pole == "6" ? &form.sixPolesAllowed
                  : pole == "8" ? &form.eightPolesAllowed : nullptr;
    if (!allowed) return InputError{kPoles, quotedForMessage(pole) + " is not offered; accepted: 4, 6, 8 (e.g. 4,6)"};
    *allowed = true;
  }
  return std::nullopt;
}

}  // namespace

std::variant<selection::CoolerFormTexts, InputError> readCoolerDuty(const DutyTexts& duty) {
  const SeriesName* series = findSeries(selection::kCoolerSeries, duty[kSeries]);
  if (!series) return unknownSeries(duty[kSeries], selection::kCoolerSeries);
  const catalog::SeriesGrid& grid = selection::coolerSeriesGrid(series->code);
  const auto temperatures = selection::offeredTemperatures(grid);
  selection::CoolerFormTexts form;
  form.series = series->shown;
  form.seriesCode = series->code;
  std::optional<InputError> error;
  take(choose(kRefrigerant, duty[kRefrigerant], grid.refrigerants, {}), form.refrigerant, error) &&
      take(choose(kTemperature, duty[kTemperature], temperatures, series->shown), form.temperature, error) &&
      take(choose(kDifference, duty[kDifference], grid.differences, {}), form.difference, error) &&
      take(number(kCapacity, duty[kCapacity], selection::kRequiredCapacityBounds, true), form.requiredCapacity, error) &&
      take(number(kAirThrow, duty[kAirThrow], selection::kMinAirThrowBounds, false), form.minAirThrow, error) &&
      take(number(kLength, duty[kLength], selection::kMountingSizeBounds, false), form.maxLength, error) &&
      take(number(kWidth, duty[kWidth], selection::kMountingSizeBounds, false), form.maxWidth, error);
  if (error) return *error;
  return form;
}

std::variant<selection::CondenserFormTexts, InputError> readCondenserDuty(const DutyTexts& duty) {
  const SeriesName* series = findSeries(selection::kCondenserSeries, duty[kSeries]);
  if (!series) return unknownSeries(duty[kSeries], selection::kCondenserSeries);
  const catalog::SeriesGrid& grid = catalog::kCondenserGrid;
  const auto temperatures = selection::offeredTemperatures(grid);
  selection::CondenserFormTexts form;
  form.series = series->shown;
  form.seriesCode = series->code;
  std::optional<InputError> error;
  take(choose(kRefrigerant, duty[kRefrigerant], grid.refrigerants, {}), form.refrigerant, error) &&
      take(choose(kAmbient, duty[kAmbient], temperatures, {}), form.temperature, error) &&
      take(choose(kDifference, duty[kDifference], grid.differences, {}), form.difference, error) &&
      take(number(kCapacity, duty[kCapacity], selection::kRequiredCapacityBounds, true), form.requiredHeatRejection, error) &&
      take(number(kNoise, duty[kNoise], selection::kNoiseLimitBounds, false), form.noiseLimit, error);
  if (!error) error = readFanVariants(duty, form);
  if (error) return *error;
  return form;
}

std::variant<SeriesChoice, InputError> readAnySeries(std::string_view typed) {
  if (const SeriesName* series = findSeries(selection::kCoolerSeries, typed)) return SeriesChoice{series, false};
  if (const SeriesName* series = findSeries(selection::kCondenserSeries, typed)) return SeriesChoice{series, true};
  std::vector<SeriesName> every(std::begin(selection::kCoolerSeries), std::end(selection::kCoolerSeries));
  every.insert(every.end(), std::begin(selection::kCondenserSeries), std::end(selection::kCondenserSeries));
  return unknownSeries(typed, every);
}

AnyDuty readDuty(const DutyTexts& duty) {
  const auto series = readAnySeries(duty[kSeries]);
  if (const auto* error = std::get_if<InputError>(&series)) return *error;
  if (std::get<SeriesChoice>(series).condenser) {
    auto condenser = readCondenserDuty(duty);
    if (auto* form = std::get_if<selection::CondenserFormTexts>(&condenser)) return std::move(*form);
    return std::get<InputError>(condenser);
  }
  auto cooler = readCoolerDuty(duty);
  if (auto* form = std::get_if<selection::CoolerFormTexts>(&cooler)) return std::move(*form);
  return std::get<InputError>(cooler);
}

namespace {

std::string shortSeriesName(std::span<const SeriesName> offered, int code) {
  const auto series = std::find_if(offered.begin(), offered.end(), [&](const SeriesName& name) { return name.code == code; });
  return series == offered.end() ? std::string() : std::string(series->shortName);
}

}  // namespace

DutyTexts dutyTextsOf(const selection::CoolerFormTexts& form) {
  DutyTexts duty;
  duty[kSeries] = shortSeriesName(selection::kCoolerSeries, form.seriesCode);
  duty[kRefrigerant] = form.refrigerant;
  duty[kTemperature] = form.temperature;
  duty[kDifference] = form.difference;
  duty[kCapacity] = form.requiredCapacity;
  duty[kAirThrow] = form.minAirThrow;
  duty[kLength] = form.maxLength;
  duty[kWidth] = form.maxWidth;
  return duty;
}

DutyTexts dutyTextsOf(const selection::CondenserFormTexts& form) {
  DutyTexts duty;
  duty[kSeries] = shortSeriesName(selection::kCondenserSeries, form.seriesCode);
  duty[kRefrigerant] = form.refrigerant;
  duty[kAmbient] = form.temperature;
  duty[kDifference] = form.difference;
  duty[kCapacity] = form.requiredHeatRejection;
  duty[kNoise] = form.noiseLimit;
  duty[kConnection] = form.starAllowed ? (form.deltaAllowed ? "both" : "star") : "delta";
  if (!(form.fourPolesAllowed && form.sixPolesAllowed && form.eightPolesAllowed)) {
    for (const auto& [allowed, pole] : {std::pair{form.fourPolesAllowed, "4"}, std::pair{form.sixPolesAllowed, "6"},
                                        std::pair{form.eightPolesAllowed, "8"}})
      if (allowed) duty[kPoles] += std::string(duty[kPoles].empty() ? "" : ",") + pole;
  }
  return duty;
}

std::string escapedControls(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 15];
    } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // a C1 control in UTF-8
      shown += "\\u00";
      shown += kHex[next >> 4];
      shown += kHex[next & 15];
      ++i;
    } else {
      shown += static_cast<char>(byte);
    }
  }
  return shown;
}

std::string quotedForMessage(std::string_view text) {
  std::string quoted(1, '"');
  quoted += escapedControls(text);
  quoted += '"';
  return quoted;
}

}  // namespace duties
