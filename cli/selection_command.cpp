#include <algorithm>
#include <memory>

#include "cli/command_output.h"
#include "cli/equipment.h"

namespace cli {

namespace {

struct SelectionOptions {
  DutyTexts duty;
  OutputOptions output;
};

void runSelection(const SelectionOptions& options, CommandRun& run, const Equipment& equipment) {
  CommandOutput output(run, equipment.command, options.output);
  if (!output.ok()) return;
  const auto selected = equipment.select(options.duty);
  if (const auto* error = std::get_if<InputError>(&selected)) return reportOptionError(run, equipment.command, *error);
  const Selected& result = std::get<Selected>(selected);
  std::string error;
  if (!writeResultRows(output.stream(), output.format(), equipment.columns, result.rows, result.noCoverReason, error)) {
    run.err << "orvex-select " << equipment.command << ": " << error << '\n';
    run.status = kBadInput;
    return;
  }
  run.status = chosenRow(result.rows) ? kEverySelected : kNotEverySelected;
  output.finish();
}

}  // namespace

void setupSelectionCommand(CLI::App& app, CommandRun& run, const Equipment& equipment) {
  auto options = std::make_shared<SelectionOptions>();
  CLI::App* command = app.add_subcommand(std::string(equipment.command), std::string(equipment.description));
  equipment.addDutyOptions(*command, options->duty);
  addOutputOptions(*command, options->output);
  command->callback([options, &run, &equipment] { runSelection(*options, run, equipment); });
}

}  // namespace cli
