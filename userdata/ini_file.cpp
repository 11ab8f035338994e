#include "userdata/ini_file.h"

#include "platform/file_queries.h"
#include "platform/files.h"
#include "userdata/ini_text.h"

namespace userdata {

UserInfo readUserInfoFile(const std::string& path) {
  const auto bytes = platform::readWholeFile(path);
  return bytes ? parseUserInfo(*bytes) : UserInfo{};
}

bool writeUserInfoFile(const std::string& path, const UserInfo& info) {
  return platform::writeFileAtomically(path, composeUserInfo(info));
}

}  // namespace userdata
