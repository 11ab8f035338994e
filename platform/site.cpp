#include "platform/site.h"

namespace platform {

const std::string& siteAddress() {
  static const std::string address = ORVEX_SITE_ADDRESS;
  return address;
}

const std::string& programVersion() {
  static const std::string version = ORVEX_PROGRAM_VERSION;
  return version;
}

}  // namespace platform
