#include "cli/select_program.h"

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "platform/site.h"

namespace cli {

int runSelectProgram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err) {
  CLI::App app{"ORVEX-selection on the command line: the selections of the program's windows, "
               "with the same numbers, for scripts, batches and other tools",
               "orvex-select"};
  app.set_version_flag("--version", platform::programVersion());
  app.require_subcommand(1);
  app.footer("Exit status: 0 when a model covers every duty, 1 when some duty got none, 2 for bad input.");
  CommandRun run{in, out, err};
  setupCoolerCommand(app, run);
  setupCondenserCommand(app, run);
  setupReportCommand(app, run);
  setupBatchCommand(app, run);
  setupCatalogCommand(app, run);

  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    return app.exit(error, out, err) == 0 ? kEverySelected : kBadInput;
  }
  return run.status;
}

}  // namespace cli
