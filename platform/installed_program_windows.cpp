#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <system_error>

#include "platform/installed_program.h"
#include "platform/utf8_paths.h"

namespace platform {

std::optional<std::string> usersOwnFolder() {
  PWSTR documents = nullptr;
  if (FAILED(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &documents))) {
    CoTaskMemFree(documents);
    return std::nullopt;
  }
  const std::filesystem::path folder = std::filesystem::path(documents) / L"ORVEX-selection";
  CoTaskMemFree(documents);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
  return utf8FromPath(folder);
}

// Made by every running copy, so the mark lasts while any of them runs; a mutex of another
// user's session counts too ("Global\"), as the installer replaces the files for everyone.
RunningMark::RunningMark() : handle_(CreateMutexW(nullptr, FALSE, L"Global\\ORVEX-selection")) {}

RunningMark::~RunningMark() {
  if (handle_) CloseHandle(handle_);
}

}  // namespace platform
