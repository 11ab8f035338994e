#include "cli/command_run.h"

namespace cli {

void reportOptionError(CommandRun& run, std::string_view command, const InputError& error) {
  run.err << "orvex-select " << command << ": --" << kDutyFieldNames[error.field] << ": " << error.message << '\n';
  run.status = kBadInput;
}

}  // namespace cli
