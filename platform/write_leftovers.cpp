#include "platform/write_leftovers.h"

#include <filesystem>
#include <system_error>

#include "platform/temporary_names.h"
#include "platform/utf8_paths.h"

namespace platform {

namespace fs = std::filesystem;

int removeWriteLeftovers(const std::string& folder, const std::function<bool(std::string_view)>& isOwnTarget) {
  std::error_code error;
  fs::directory_iterator entry(pathFromUtf8(folder.empty() ? "." : folder), error);
  int removed = 0;
  for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
    const std::string name = utf8FromPath(entry->path().filename());
    const auto target = targetOfTemporaryName(name);
    std::error_code typeError;  // a link or a folder of such a name is not the program's
    if (!target || !isOwnTarget(*target) || entry->symlink_status(typeError).type() != fs::file_type::regular)
      continue;
    if (removeAbandonedTemporary(utf8FromPath(entry->path()))) ++removed;
  }
  return removed;
}

int removeWriteLeftoversOf(const std::string& target) {
  const fs::path path = pathFromUtf8(target);
  const std::string name = utf8FromPath(path.filename());
  return removeWriteLeftovers(utf8FromPath(path.parent_path()),
                              [&name](std::string_view candidate) { return candidate == name; });
}

}  // namespace platform
