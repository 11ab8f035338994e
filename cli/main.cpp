// orvex-select: the selections of ORVEX-selection from the command line.

#include <iostream>

#include "catalog/catalog.h"
#include "cli/command_run.h"
#include "cli/select_program.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  platform::prepareConsole();
  catalog::loadCatalog();
  std::ostream& out = platform::standardOutput();
  std::ostream& err = platform::standardError();
  int status = cli::runSelectProgram(platform::commandLineArguments(argc, argv), std::cin, out, err,
                                     platform::standardOutputIsTerminal());
  std::string reason;
  if (!platform::finishStandardStreams(reason)) {
    err << "orvex-select: cannot write the output: " << reason << '\n';
    platform::finishStandardStreams(reason);
    status = cli::kBadInput;
  }
  return status;
}
