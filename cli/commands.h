#pragma once
// The console program's commands. Each setup function adds one subcommand to the program,
// binds its options and runs it when it is the command given.

#include <CLI/CLI.hpp>

#include "cli/command_run.h"

namespace cli {

void setupCoolerCommand(CLI::App& app, CommandRun& run);
void setupCondenserCommand(CLI::App& app, CommandRun& run);
void setupReportCommand(CLI::App& app, CommandRun& run);
void setupBatchCommand(CLI::App& app, CommandRun& run);
void setupCatalogCommand(CLI::App& app, CommandRun& run);

}  // namespace cli
