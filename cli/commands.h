#pragma once
// The console program's commands. Each setup function adds one subcommand to the program,
// binds its options and runs it when it is the command given.

#include <CLI/CLI.hpp>

#include "cli/command_run.h"

namespace cli {

void setupCoolerCommand(CLI::App& app, CommandRun& run);
void setupCondenserCommand(CLI::App& app, CommandRun& run);
void setupReportCommand(CLI::App& app, CommandRun& run);
// report project, under the report command.
void addProjectReportCommand(CLI::App& report, CommandRun& run);
// A contact details file named on the command line must be there; the default one may be
// missing (no contact details yet). The folder for the page must be there.
bool reportPlacesExist(const std::string& userInfoFile, bool userInfoGiven, const std::string& folder, CommandRun& run);
void setupBatchCommand(CLI::App& app, CommandRun& run);
void setupCatalogCommand(CLI::App& app, CommandRun& run);

}  // namespace cli
