#include "userdata/version_check.h"

#include "platform/site.h"
#include "platform/windows1251.h"
#include "report/site_files.h"

namespace userdata {

std::string fetchLatestVersion(report::Network& network, const std::string& folder) {
  const std::string notFetched = "?";
  if (!network.start()) return notFetched;
  const std::string target = platform::pathInFolder(folder, std::string(kVersionFileName));
  if (!network.download(report::siteFileUrl(std::string(kVersionFileName)), target)) return notFetched;
  const std::string line = platform::fromWindows1251(platform::readFirstLine(target));
  platform::deleteFile(target);
  return line;
}

gui::Rgb versionStateColour(std::string_view latestVersion) {
  if (latestVersion == platform::programVersion()) return gui::Rgb{.red = 0, .green = 128, .blue = 0};
  return gui::Rgb{.red = 255, .green = 0, .blue = 0};
}

}  // namespace userdata
