#include "cli/command_run.h"

#include <map>
#include <string>

namespace cli {

void reportOptionError(CommandRun& run, std::string_view command, const InputError& error) {
  run.err << "orvex-select " << command << ": --" << kDutyFieldNames[error.field] << ": " << error.message << '\n';
  run.status = kBadInput;
}

void addFormatOption(CLI::App& command, OutputFormat& format) {
  const std::map<std::string, OutputFormat> formats{
      {"table", OutputFormat::Table}, {"csv", OutputFormat::Csv}, {"json", OutputFormat::Json}};
  command.add_option("--format", format, "Output: an aligned table (default), csv or json")
      ->transform(CLI::CheckedTransformer(formats, CLI::ignore_case))
      ->option_text("table|csv|json");
}

}  // namespace cli
