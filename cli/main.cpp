// orvex-select: the selections of ORVEX-selection from the command line.

#include <iostream>

#include "catalog/catalog.h"
#include "cli/select_program.h"
#include "platform/console.h"

int main(int argc, char** argv) {
  platform::prepareConsole();
  catalog::loadCatalog();
  return cli::runSelectProgram(platform::commandLineArguments(argc, argv), std::cin, std::cout, std::cerr);
}
