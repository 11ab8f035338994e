#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/file_queries.h"
#include "platform/files.h"
#include "platform/write_leftovers.h"

namespace platform {
namespace {

// Makes a rename in the folder of `path` durable, so a power cut cannot bring the old name
// back. A file system that cannot sync a folder is no reason to call the write failed.
void syncFolderOf(const std::string& path) {
  const std::string folder = std::filesystem::path(path).parent_path().string();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  removeWriteLeftoversOf(path);
  std::string temporary = path + ".XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  // Held until the rename: a leftover sweep elsewhere leaves a locked temporary alone.
  bool ok = ::flock(fd, LOCK_EX) == 0;
  for (std::size_t written = 0; ok && written < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      ok = false;
    } else {
      written += static_cast<std::size_t>(n);
    }
  }
  // The file gets the usual permissions of a created file, not mkstemp's private ones.
  const mode_t mask = umask(0);
  umask(mask);
  ok = ok && fchmod(fd, 0666 & ~mask) == 0;
  ok = ok && fsync(fd) == 0;
  ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
  if (!ok) std::remove(temporary.c_str());
  ::close(fd);  // the bytes are on the disk already (fsync), so closing cannot lose them
  if (ok) syncFolderOf(path);
  return ok;
}

std::string folderForNarrowPaths(const std::string& folder) { return folder; }

bool removeAbandonedTemporary(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  const bool abandoned = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
  const bool removed = abandoned && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace platform
