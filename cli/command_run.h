#pragma once
// What every command of the console program shares: its streams, its exit status, how it
// says that a value is wrong, and the output format option.

#include <istream>
#include <ostream>
#include <string_view>

#include <CLI/CLI.hpp>

#include "cli/duty_input.h"
#include "cli/table_text.h"

namespace cli {

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
