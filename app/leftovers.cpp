#include "app/leftovers.h"

#include <string_view>
#include <unordered_set>

#include "catalog/catalog.h"
#include "platform/write_leftovers.h"
#include "report/drawings.h"
#include "report/report_files.h"
#include "userdata/user_info.h"

namespace app {
namespace {

template <typename Records>
void addDrawingNames(std::unordered_set<std::string>& names, const Records& records) {
  for (const auto& record : records) names.insert(report::drawingFileName(std::string(record.modelName)));
}

// The names of every file the program writes into its folder.
std::unordered_set<std::string> programFileNames() {
  std::unordered_set<std::string> names{std::string(userdata::kUserInfoFileName), std::string(report::kReportPageFile),
                                        std::string(report::kReportLogoFile), std::string(report::kReportIconFile)};
  addDrawingNames(names, catalog::ceilingCoolerList());
  addDrawingNames(names, catalog::mediumCubicCoolerList());
  addDrawingNames(names, catalog::lowCubicCoolerList());
  addDrawingNames(names, catalog::condenserList500());
  addDrawingNames(names, catalog::condenserList630());
  return names;
}

}  // namespace

int removeProgramLeftovers(const std::string& folder) {
  const std::unordered_set<std::string> names = programFileNames();
  return platform::removeWriteLeftovers(
      folder, [&names](std::string_view target) { return names.contains(std::string(target)); });
}

}  // namespace app
