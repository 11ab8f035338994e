#include "net/site_files.h"

#include "platform/site.h"
#include "platform/url_text.h"

namespace net {

std::string siteFileUrl(const std::string& fileName) {
  return platform::siteAddress() + "/content/files/durovidud/" + platform::percentEncodePathSegment(fileName);
}

}  // namespace net
