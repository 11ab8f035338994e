#include "userdata/version_check.h"

#include "net/site_files.h"
#include "platform/site.h"
#include "platform/windows1251.h"

namespace userdata {

std::string fetchLatestVersion(net::Network& network, const std::string& folder) {
  const std::string notFetched = "?";
  if (!network.start()) return notFetched;
  const std::string target = platform::pathInFolder(folder, std::string(kVersionFileName));
  const std::string url = net::siteFileUrl(std::string(kVersionFileName));
  if (network.download(url, target, net::TransferKind::VersionFile) != net::TransferOutcome::Completed) return notFetched;
  const std::string line = platform::fromWindows1251(platform::readFirstLine(target));
  platform::deleteFile(target);
  return line;
}

gui::Rgb versionStateColour(std::string_view latestVersion) {
  if (latestVersion == platform::programVersion()) return gui::Rgb{.red = 0, .green = 128, .blue = 0};
  return gui::Rgb{.red = 255, .green = 0, .blue = 0};
}

}  // namespace userdata
