// orvex-select condenser: a condenser selection, as the condenser window makes it.

#include "cli/commands.h"
#include "cli/equipment.h"
#include "report/report_layouts.h"
#include "selection/condenser_selection.h"

namespace cli {
namespace {

void addCondenserOptions(CLI::App& command, DutyTexts& duty) {
  command.add_option("--series", duty[kSeries], "Series: KD-500 or KD-630 (or the name the window shows)")->required();
  command.add_option("--ambient", duty[kAmbient], "Ambient air temperature, °C: 0 to 50 in steps of 2")->required();
  command.add_option("--difference", duty[kDifference], "Temperature difference at the inlet, K: 8 to 20")->required();
  command.add_option("--refrigerant", duty[kRefrigerant], "Refrigerant: R404a/R507, R134a or R407a")->required();
  command.add_option("--capacity", duty[kCapacity], "Required heat rejection, kW (0 to 999, 3 decimals)")->required();
  command.add_option("--noise", duty[kNoise], "Maximum noise level at 10 m, dB(A) (0 to 99)");
  command.add_option("--connection", duty[kConnection], "Fan motor connection: delta (default), star or both");
  command.add_option("--poles", duty[kPoles], "Fan motor poles allowed: any of 4,6,8 (default all three)");
}

std::variant<Selected, InputError> selectCondenser(const DutyTexts& duty) {
  auto read = readCondenserDuty(duty);
  if (auto* error = std::get_if<InputError>(&read)) return *error;
  return selectedCondenser(std::get<selection::CondenserFormTexts>(read));
}

}  // namespace

Selected selectedCondenser(const selection::CondenserFormTexts& form) {
  Selected selected{selection::selectCondensers(form), selection::condenserReportConditions(form), ""};
  if (!chosenRow(selected.rows))
    selected.noCoverReason = noCoverReason(selection::largestCondenser(form), form.requiredHeatRejection);
  return selected;
}

const Equipment kCondenserEquipment{
    .command = "condenser",
    .description = "Selects a condenser: the smallest model that covers the duty, between its neighbours",
    .addDutyOptions = addCondenserOptions,
    .columns = kCondenserColumns,
    .select = selectCondenser,
    .reportLayout = report::kCondenserReport,
};

void setupCondenserCommand(CLI::App& app, CommandRun& run) { setupSelectionCommand(app, run, kCondenserEquipment); }

}  // namespace cli
