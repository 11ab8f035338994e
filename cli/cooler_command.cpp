// orvex-select cooler: an air cooler selection, as the air cooler window makes it.

#include "cli/commands.h"
#include "cli/equipment.h"
#include "report/report_layouts.h"
#include "selection/cooler_selection.h"

namespace cli {
namespace {

void addCoolerOptions(CLI::App& command, DutyTexts& duty) {
  command.add_option("--series", duty[kSeries], "Series: VP, VK-M or VK-L (or the name the window shows)")->required();
  command.add_option("--refrigerant", duty[kRefrigerant], "Refrigerant: R404a/R507, R22 or R134a")->required();
  command.add_option("--temperature", duty[kTemperature],
                     "Evaporating temperature, °C: 0, -5, -8, -10, -15, -20, -25, -30, -31, -35 (VP also -40)")
      ->required();
  command.add_option("--difference", duty[kDifference], "Temperature difference at the inlet, K: 5 to 10")->required();
  command.add_option("--capacity", duty[kCapacity], "Required cooling capacity, kW (0 to 999, 3 decimals)")->required();
  command.add_option("--air-throw", duty[kAirThrow], "Minimum air throw, m (0 to 99)");
  command.add_option("--length", duty[kLength], "Maximum length for mounting, mm (0 to 9999)");
  command.add_option("--width", duty[kWidth], "Maximum width for mounting, mm (0 to 9999)");
}

std::variant<Selected, InputError> selectCooler(const DutyTexts& duty) {
  auto read = readCoolerDuty(duty);
  if (auto* error = std::get_if<InputError>(&read)) return *error;
  return selectedCooler(std::get<selection::CoolerFormTexts>(read));
}

}  // namespace

Selected selectedCooler(const selection::CoolerFormTexts& form) {
  Selected selected{selection::selectCoolers(form), selection::coolerReportConditions(form), ""};
  if (!chosenRow(selected.rows))
    selected.noCoverReason = noCoverReason(selection::largestCooler(form), form.requiredCapacity);
  return selected;
}

const Equipment kCoolerEquipment{
    .command = "cooler",
    .description = "Selects an air cooler: the smallest model that covers the duty, between its neighbours",
    .addDutyOptions = addCoolerOptions,
    .columns = kCoolerColumns,
    .select = selectCooler,
    .reportLayout = report::kCoolerReport,
};

void setupCoolerCommand(CLI::App& app, CommandRun& run) { setupSelectionCommand(app, run, kCoolerEquipment); }

}  // namespace cli
