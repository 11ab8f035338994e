// orvex-select report cooler|condenser: the selection report of the chosen row, the page a
// window writes for the same inputs and the same contact details file (report project is in
// project_report_command.cpp).

#include <memory>

#include "cli/commands.h"
#include "cli/equipment.h"
#include "platform/file_queries.h"
#include "report/report_files.h"
#include "resources/pictures.h"
#include "selection/report_values.h"
#include "userdata/ini_file.h"
#include "userdata/user_info.h"

namespace cli {
namespace {

struct ReportOptions {
  DutyTexts duty;
  std::string project;
  std::string contactPerson;
  std::string userInfoFile{userdata::kUserInfoFileName};
  bool userInfoGiven = false;
  std::string folder = ".";
};

void runReport(const ReportOptions& options, CommandRun& run, const Equipment& equipment) {
  if (!reportPlacesExist(options.userInfoFile, options.userInfoGiven, options.folder, run)) return;
  const auto selected = equipment.select(options.duty);
  if (const auto* error = std::get_if<InputError>(&selected)) return reportOptionError(run, "report", *error);
  const Selected& selection = std::get<Selected>(selected);
  const selection::ResultRow* chosen = chosenRow(selection.rows);
  if (!chosen) {
    run.err << "orvex-select report: " << selection.noCoverReason << "; no report written\n";
    run.status = kNotEverySelected;
    return;
  }
  const report::ReportValues values =
      selection::reportValues(userdata::readUserInfoFile(options.userInfoFile), options.project,
                              options.contactPerson, selection.reportConditions, chosen->cells);
  const std::string page = platform::pathInFolder(options.folder, std::string(report::kReportPageFile));
  if (!report::writeReportFiles(options.folder, resources::decodeProgramPicture(resources::kLogoImage),
                                equipment.reportLayout, values)) {
    run.err << "orvex-select report: cannot write " << page << '\n';
    run.status = kBadInput;
    return;
  }
  run.out << page << '\n';
}

void addReportCommand(CLI::App& report, CommandRun& run, const Equipment& equipment) {
  auto options = std::make_shared<ReportOptions>();
  CLI::App* command = report.add_subcommand(std::string(equipment.command),
                                            "The report of the chosen " + std::string(equipment.command));
  equipment.addDutyOptions(*command, options->duty);
  command->add_option("--project", options->project, "Project, as the form's \"Проект\"");
  command->add_option("--contact", options->contactPerson, "Contact person, as the form's \"Контактное лицо\"");
  command->add_option("--user-info", options->userInfoFile,
                      "The contact details file that heads the report (default orvex-selection.ini)")
      ->each([options](const std::string&) { options->userInfoGiven = true; });
  command->add_option("--out", options->folder,
                      "Folder for orvex-selection.htm with its logo and icon (default: the current one)");
  command->callback([options, &run, &equipment] { runReport(*options, run, equipment); });
}

}  // namespace

bool reportPlacesExist(const std::string& userInfoFile, bool userInfoGiven, const std::string& folder, CommandRun& run) {
  if (userInfoGiven && platform::fileSize(userInfoFile) < 0) {
    run.err << "orvex-select report: --user-info: no file " << quotedForMessage(userInfoFile) << '\n';
    run.status = kBadInput;
    return false;
  }
  if (platform::fileSize(folder) != platform::kIsDirectory) {
    run.err << "orvex-select report: --out: the folder " << quotedForMessage(folder) << " does not exist\n";
    run.status = kBadInput;
    return false;
  }
  return true;
}

void setupReportCommand(CLI::App& app, CommandRun& run) {
  CLI::App* report = app.add_subcommand(
      "report", "Writes the selection report of the chosen model (orvex-selection.htm, its logo and icon)");
  report->require_subcommand(1);
  addReportCommand(*report, run, kCoolerEquipment);
  addReportCommand(*report, run, kCondenserEquipment);
  addProjectReportCommand(*report, run);
}

}  // namespace cli
