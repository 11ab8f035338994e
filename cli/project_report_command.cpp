// orvex-select report project FILE: the project's page of a project file, the page the project
// window writes for the same file and the same contact details file.

#include <filesystem>
#include <fstream>
#include <memory>

#include "cli/commands.h"
#include "platform/file_queries.h"
#include "project/project_file.h"
#include "project/project_page.h"
#include "project/project_report.h"
#include "userdata/ini_file.h"
#include "userdata/user_info.h"

namespace cli {
namespace {

struct ProjectReportOptions {
  std::string file;
  std::string userInfoFile{userdata::kUserInfoFileName};
  bool userInfoGiven = false;
  std::string folder = ".";
};

void runProjectReport(const ProjectReportOptions& options, CommandRun& run) {
  if (!reportPlacesExist(options.userInfoFile, options.userInfoGiven, options.folder, run)) return;
  std::ifstream file(std::filesystem::path(std::u8string(options.file.begin(), options.file.end())), std::ios::binary);
  if (!file) {
    run.err << "orvex-select report: cannot read " << quotedForMessage(options.file) << '\n';
    run.status = kBadInput;
    return;
  }
  const project::ProjectReading reading = project::readProjectFile(file);
  if (!reading.refusal.empty()) {
    run.err << "orvex-select report: " << reading.refusal << '\n';
    run.status = kBadInput;
    return;
  }
  for (const std::string& skipped : reading.skipped) run.err << "orvex-select report: skipped " << skipped << '\n';
  if (!reading.skipped.empty()) run.status = kNotEverySelected;
  if (reading.positions.empty()) {
    run.err << "orvex-select report: the project has no position; no report written\n";
    run.status = kNotEverySelected;
    return;
  }
  const std::string page = platform::pathInFolder(options.folder, std::string(project::kProjectPageFile));
  if (!project::writeProjectReport(options.folder, userdata::readUserInfoFile(options.userInfoFile),
                                   project::projectNameOf(options.file), reading.positions)) {
    run.err << "orvex-select report: cannot write " << page << '\n';
    run.status = kBadInput;
    return;
  }
  run.out << page << '\n';
}

}  // namespace

void addProjectReportCommand(CLI::App& report, CommandRun& run) {
  auto options = std::make_shared<ProjectReportOptions>();
  CLI::App* command = report.add_subcommand("project", "The page of a project file, every position with its kept model");
  command->footer(
      "The project file is a batch file (see orvex-select batch --help) with the columns quantity and "
      "model. Lines that cannot be read are skipped and told; the exit status is then 1.");
  command->add_option("file", options->file, "The project file (CSV)")->required();
  command->add_option("--user-info", options->userInfoFile,
                      "The contact details file that heads the page (default orvex-selection.ini)")
      ->each([options](const std::string&) { options->userInfoGiven = true; });
  command->add_option("--out", options->folder,
                      "Folder for orvex-selection-project.htm with its logo and icon (default: the current one)");
  command->callback([options, &run] { runProjectReport(*options, run); });
}

}  // namespace cli
