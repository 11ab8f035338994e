#include "userdata/ini_file.h"

#include <cstdio>
#include <memory>
#include <optional>

#include "platform/files.h"
#include "userdata/ini_text.h"

namespace userdata {
namespace {

// The whole file, or nothing when it cannot be opened or read (a directory, for one).
std::optional<std::string> readWholeFile(const std::string& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                              &std::fclose);
  if (!file) return std::nullopt;
  std::string bytes;
  char block[4096];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, file.get())) > 0) bytes.append(block, n);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

}  // namespace

UserInfo readUserInfoFile(const std::string& path) {
  const auto bytes = readWholeFile(path);
  return bytes ? parseUserInfo(*bytes) : UserInfo{};
}

bool writeUserInfoFile(const std::string& path, const UserInfo& info) {
  return platform::writeFileAtomically(path, composeUserInfo(info));
}

}  // namespace userdata
