#pragma once
// orvex-select run in process on a real argument list, with its input, output and exit status.

#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "cli/select_program.h"

namespace testing_support {

struct SelectRun {
  int status = 0;
  std::string out, err;
};

inline SelectRun runSelect(std::vector<std::string> arguments, const std::string& input = "", bool terminal = false) {
  if (catalog::ceilingCoolerList().empty()) catalog::loadCatalog();
  arguments.insert(arguments.begin(), "orvex-select");
  std::istringstream in(input);
  std::ostringstream out, err;
  const int status = cli::runSelectProgram(arguments, in, out, err, terminal);
  return {status, out.str(), err.str()};
}

}  // namespace testing_support
