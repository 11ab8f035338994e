#pragma once
// What every command of the console program shares: its streams, its exit status, how it
// says that a value is wrong, and the output format option.

#include <istream>
#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/table_text.h"
#include "duties/duty_input.h"

namespace cli {

// Every command reads duties, and names their values, in the duties' own terms.
using namespace duties;  // NOLINT(google-build-using-namespace)

// The exit status: every duty got a model; some duty got none (or a line was bad); the command
// line itself was wrong.
enum ExitStatus : int { kEverySelected = 0, kNotEverySelected = 1, kBadInput = 2 };

struct CommandRun {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
  bool outIsTerminal = false;  // standard output is a terminal: no workbook is written there
  int status = kEverySelected;
};

// "orvex-select <command>: --<option>: <message>", and the bad-input status.
void reportOptionError(CommandRun& run, std::string_view command, const InputError& error);

}  // namespace cli
