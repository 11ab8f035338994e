#pragma once
// Where and how a command writes what it prints: --format (table, csv, csv-excel-ru, json,
// xlsx) and --output FILE. Without --output the output goes to standard output, except a
// workbook, which is refused when standard output is a terminal. With --output the file is
// written whole when the command is done, or not at all.

#include <sstream>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/command_run.h"
#include "cli/table_text.h"

namespace cli {

struct OutputOptions {
  std::string format = "table";
  std::string file;  // empty: standard output
};

// Adds --format and --output to a command.
void addOutputOptions(CLI::App& command, OutputOptions& options);

// Why a file could not be written: its folder is missing, or it could not be written.
std::string cannotWriteReason(const std::string& path);

class CommandOutput {
 public:
  // Reads the options; when they are wrong, says so on the command's behalf and sets the
  // bad-input status (see ok()).
  CommandOutput(CommandRun& run, std::string_view command, const OutputOptions& options);

  bool ok() const { return ok_; }
  OutputFormat format() const { return format_; }
  std::ostream& stream() { return options_.file.empty() ? run_.out : buffer_; }
  // Writes the file named by --output; says so when it cannot.
  void finish();

 private:
  CommandRun& run_;
  std::string command_;
  const OutputOptions& options_;
  OutputFormat format_ = OutputFormat::Table;
  std::ostringstream buffer_;
  bool ok_ = true;
};

}  // namespace cli
