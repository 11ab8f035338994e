#include "report/report_files.h"

#include <filesystem>

#include "platform/files.h"
#include "resources/codecs.h"
#include "resources/pictures.h"

namespace report {
namespace {

std::string pathIn(const std::string& folder, std::string_view name) {
  return (std::filesystem::path(folder) / name).string();
}

}  // namespace

bool writePageFiles(const std::string& folder, const gui::Image& logo, std::string_view pageFile,
                    std::string_view pageBytes) {
  resources::writePng(logo, pathIn(folder, kReportLogoFile));
  const auto icon = resources::faviconBytes();
  platform::writeFileAtomically(pathIn(folder, kReportIconFile),
                                std::string_view(reinterpret_cast<const char*>(icon.data()), icon.size()));
  return platform::writeFileAtomically(pathIn(folder, pageFile), pageBytes);
}

bool writeReportFiles(const std::string& folder, const gui::Image& logo, const ReportLayout& layout,
                      const ReportValues& values) {
  return writePageFiles(folder, logo, kReportPageFile, reportPageBytes(composeReportPage(layout, values)));
}

}  // namespace report
