#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/installed_program.h"
#include "platform/utf8_paths.h"

namespace platform {

std::optional<std::string> usersOwnFolder() {
  const char* home = std::getenv("HOME");
  if (!home || !*home) return std::nullopt;
  const std::filesystem::path folder = std::filesystem::path(home) / "ORVEX-selection";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (!std::filesystem::is_directory(folder, error)) return std::nullopt;
  return utf8FromPath(folder);
}

// No installer here looks for a running program.
RunningMark::RunningMark() = default;
RunningMark::~RunningMark() = default;

}  // namespace platform
