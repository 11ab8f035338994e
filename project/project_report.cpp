#include "project/project_report.h"

#include <filesystem>

#include "project/project_page.h"
#include "report/report_files.h"
#include "resources/pictures.h"
#include "selection/report_values.h"

namespace project {

bool writeProjectReport(const std::string& folder, const userdata::UserInfo& user, const std::string& projectName,
                        const std::vector<Position>& positions) {
  std::vector<PositionFigures> figures;
  figures.reserve(positions.size());
  for (const Position& position : positions) figures.push_back(figuresOf(position));
  const report::ReportValues contact = selection::reportValues(user, projectName, "", {}, {});
  return report::writePageFiles(folder, resources::decodeProgramPicture(resources::kLogoImage), kProjectPageFile,
                                report::reportPageBytes(composeProjectPage(projectName, contact, positions, figures)));
}

std::string projectNameOf(const std::string& path) {
  const std::u8string stem = std::filesystem::path(std::u8string(path.begin(), path.end())).stem().u8string();
  return std::string(stem.begin(), stem.end());
}

}  // namespace project
