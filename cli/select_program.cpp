#include "cli/select_program.h"

#include <algorithm>
#include <optional>

#include <CLI/CLI.hpp>

#include "cli/commands.h"
#include "duties/duty_input.h"
#include "platform/site.h"

namespace cli {
namespace {

// The number of single-character edits between two names, for "did you mean".
std::size_t editDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string commandPath(const CLI::App* command) {
  std::string path;
  for (; command && command->get_parent(); command = command->get_parent())
    path = command->get_name() + (path.empty() ? "" : " " + path);
  return path;
}

// "orvex-select cooler: " (or "orvex-select: " for the program itself).
std::string said(const CLI::App* command) {
  const std::string path = commandPath(command);
  return "orvex-select" + (path.empty() ? std::string() : " " + path) + ": ";
}

// "orvex-select cooler --help".
std::string helpCommand(const CLI::App* command) {
  const std::string path = commandPath(command);
  return "orvex-select " + (path.empty() ? std::string() : path + " ") + "--help";
}

// The commands a level offers (the program's, or report's).
std::vector<const CLI::App*> offeredCommands(const CLI::App* level) {
  return level->get_subcommands([](const CLI::App*) { return true; });
}

std::string commandNames(const CLI::App* level) {
  std::string names;
  for (const CLI::App* sub : offeredCommands(level)) names += (names.empty() ? "" : ", ") + sub->get_name();
  return names;
}

// The mistake in a command name, with the names offered and the nearest one.
std::string unknownCommand(const CLI::App* level, std::string_view typed) {
  std::string nearest;
  std::size_t nearestDistance = 3;  // more edits than 2 suggest nothing
  for (const CLI::App* sub : offeredCommands(level)) {
    const std::size_t distance = editDistance(typed, sub->get_name());
    if (distance < nearestDistance) nearestDistance = distance, nearest = sub->get_name();
  }
  std::string message = said(level) + quotedForMessage(typed) + " is not a command; commands: " + commandNames(level);
  if (!nearest.empty()) message += "; did you mean \"" + nearest + "\"?";
  return message;
}

// Finds what CLI11 would say in its own words, or would get wrong: an unknown command or
// option, an option without its value, "--option=" with nothing after it.
std::optional<std::string> argumentMistake(CLI::App& app, const std::vector<std::string>& arguments) {
  CLI::App* level = &app;
  for (std::size_t i = 1; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--help" || argument == "-h" || argument == "--version") return std::nullopt;
    const bool hasSubcommands = !offeredCommands(level).empty();
    if (!argument.starts_with("-") || argument == "-") {
      if (!hasSubcommands) continue;  // a command's own argument, such as batch's file
      const auto named = level->get_subcommands([&](const CLI::App* sub) { return sub->check_name(argument); });
      if (named.empty()) return unknownCommand(level, argument);
      level = named.front();
      continue;
    }
    if (!argument.starts_with("--")) continue;  // a negative number as a value
    const std::size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const CLI::Option* option = level->get_option_no_throw(name);
    if (!option) {
      return said(level) + quotedForMessage(name) + " is not an option here (" + helpCommand(level) + " lists them)";
    }
    if (option->get_items_expected_max() == 0) continue;  // a flag
    if (equals != std::string::npos) {
      if (equals + 1 == argument.size()) return said(level) + name + ": the value is empty";
      continue;
    }
    if (i + 1 == arguments.size() || arguments[i + 1].starts_with("--")) return said(level) + name + " needs a value";
    ++i;
  }
  return std::nullopt;
}

}  // namespace

int runSelectProgram(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                     std::ostream& err, bool outIsTerminal) {
  CLI::App app{"ORVEX-selection on the command line: the selections of the program's windows, "
               "with the same numbers, for scripts, batches and other tools",
               "orvex-select"};
  app.set_version_flag("--version", platform::programVersion());
  app.require_subcommand(1);
  app.footer("Exit status: 0 when a model covers every duty, 1 when some duty got none, 2 for bad input.");
  CommandRun run{in, out, err, outIsTerminal};
  setupCoolerCommand(app, run);
  setupCondenserCommand(app, run);
  setupReportCommand(app, run);
  setupBatchCommand(app, run);
  setupCatalogCommand(app, run);

  if (const auto mistake = argumentMistake(app, arguments)) {
    err << *mistake << '\n';
    return kBadInput;
  }
  std::vector<const char*> argv;
  for (const std::string& argument : arguments) argv.push_back(argument.c_str());
  try {
    app.parse(static_cast<int>(argv.size()), argv.data());
  } catch (const CLI::ParseError& error) {
    if (error.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success)) {  // --help, --version
      app.exit(error, out, err);
      return kEverySelected;
    }
    // The command the arguments reached: the last one named.
    const CLI::App* command = &app;
    for (const CLI::App* sub = &app; sub;) {
      const auto named = sub->get_subcommands();
      sub = named.empty() ? nullptr : named.front();
      if (sub) command = sub;
    }
    if (command->get_require_subcommand_min() > 0 && command->get_subcommands().empty()) {
      err << said(command) << "name a command: " << commandNames(command) << " (" << helpCommand(command) << ")\n";
    } else {
      err << said(command) << escapedControls(error.what()) << '\n';
    }
    return kBadInput;
  }
  return run.status;
}

}  // namespace cli
