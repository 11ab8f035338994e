#pragma once
// One duty as the console program takes it (options or a line of a batch file), read into the
// texts a selection window's form would hold: a choice must be one the form's drop-down list
// offers, a number is read and corrected by the same rules as the form's field.

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "selection/condenser_selection.h"
#include "selection/cooler_selection.h"

namespace duties {

// The values of a duty, by name. A cooler reads `temperature` (evaporating), a condenser
// `ambient`; the limits after `capacity` are optional.
enum DutyField : int {
  kSeries,
  kRefrigerant,
  kTemperature,
  kAmbient,
  kDifference,
  kCapacity,
  kAirThrow,
  kLength,
  kWidth,
  kNoise,
  kConnection,
  kPoles,
  kDutyFieldCount
};
inline constexpr std::array<std::string_view, kDutyFieldCount> kDutyFieldNames{
    "series", "refrigerant", "temperature", "ambient", "difference", "capacity",
    "air-throw", "length", "width", "noise", "connection", "poles"};

// The texts as typed; "" for a value not given.
using DutyTexts = std::array<std::string, kDutyFieldCount>;

// A form's texts as a duty file writes them: the series by its short name, the condenser's fan
// variants as "delta", "star" or "both" and its poles as a list ("4,6"; "" for all three).
// readDuty reads them back to the same form.
DutyTexts dutyTextsOf(const selection::CoolerFormTexts& form);
DutyTexts dutyTextsOf(const selection::CondenserFormTexts& form);

// A typed text as a message shows it: in quotes, with control characters escaped ("\x1B",
// "\u009B"), so nothing from a file or a command line can steer the terminal.
std::string quotedForMessage(std::string_view text);
// The same text without the quotes.
std::string escapedControls(std::string_view text);

// What is wrong with one value: which one, and a message that names the accepted values.
struct InputError {
  DutyField field;
  std::string message;
};

// A series of either kind, by its shown text or short name (letter case aside).
struct SeriesChoice {
  const selection::SeriesName* series = nullptr;
  bool condenser = false;
};
std::variant<SeriesChoice, InputError> readAnySeries(std::string_view typed);

// An air cooler duty (the series must be an air cooler series).
std::variant<selection::CoolerFormTexts, InputError> readCoolerDuty(const DutyTexts& duty);
// A condenser duty (the series must be a condenser series). No connection means delta only,
// no poles all three.
std::variant<selection::CondenserFormTexts, InputError> readCondenserDuty(const DutyTexts& duty);
// Either, as the series says.
using AnyDuty = std::variant<selection::CoolerFormTexts, selection::CondenserFormTexts, InputError>;
AnyDuty readDuty(const DutyTexts& duty);

}  // namespace duties
