#pragma once
// The console program orvex-select as a function of its arguments and streams, so that tests
// run it in process with real argument lists.

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace cli {

// Parses the arguments (the program's name first), runs the command they name and returns the
// exit status (command_run.h). The catalog must be loaded. `outIsTerminal` says that `out` is a
// terminal, where no workbook is written.
int runSelectProgram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err, bool outIsTerminal = false);

}  // namespace cli
