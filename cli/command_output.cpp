#include "cli/command_output.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "platform/files.h"
#include "platform/utf8_paths.h"

namespace cli {
namespace {

struct FormatName {
  std::string_view name;
  OutputFormat format;
};
constexpr std::array<FormatName, 5> kFormats{{{"table", OutputFormat::Table},
                                              {"csv", OutputFormat::Csv},
                                              {"csv-excel-ru", OutputFormat::ExcelCsv},
                                              {"json", OutputFormat::Json},
                                              {"xlsx", OutputFormat::Xlsx}}};

}  // namespace

void addOutputOptions(CLI::App& command, OutputOptions& options) {
  command.add_option("--format", options.format,
                     "Output: an aligned table (default); csv (RFC 4180, UTF-8, for tools); csv-excel-ru (what a "
                     "Russian Excel opens by a double click: UTF-8 with a byte-order mark, ';' between cells, "
                     "decimal commas); json; xlsx (an Excel workbook, with --output or redirected)")
      ->option_text("table|csv|csv-excel-ru|json|xlsx");
  command.add_option("--output", options.file, "Write the output into this file instead of standard output");
}

std::string cannotWriteReason(const std::string& path) {
  const std::filesystem::path file = platform::pathFromUtf8(path);
  const std::filesystem::path folder = file.parent_path();
  std::error_code error;
  if (!folder.empty() && !std::filesystem::is_directory(folder, error))
    return "the folder " + platform::utf8FromPath(folder) + " does not exist";
  return "cannot write " + path;
}

CommandOutput::CommandOutput(CommandRun& run, std::string_view command, const OutputOptions& options)
    : run_(run), command_(command), options_(options) {
  const auto known = std::find_if(kFormats.begin(), kFormats.end(),
                                  [&](const FormatName& format) { return format.name == options.format; });
  if (known == kFormats.end()) {
    std::string accepted;
    for (const FormatName& format : kFormats) accepted += (accepted.empty() ? "" : ", ") + std::string(format.name);
    run.err << "orvex-select " << command << ": --format: " << quotedForMessage(options.format)
            << " is not a format; accepted: " << accepted << '\n';
    ok_ = false;
  } else if (known->format == OutputFormat::Xlsx && options.file.empty() && run.outIsTerminal) {
    run.err << "orvex-select " << command
            << ": a workbook is not for a terminal; name a file with --output FILE, or redirect the output\n";
    ok_ = false;
  } else {
    format_ = known->format;
  }
  if (!ok_) run.status = kBadInput;
}

void CommandOutput::finish() {
  if (options_.file.empty()) return;
  if (!platform::writeFileAtomically(options_.file, buffer_.str())) {
    run_.err << "orvex-select " << command_ << ": --output: " << cannotWriteReason(options_.file) << '\n';
    run_.status = kBadInput;
  }
}

}  // namespace cli
