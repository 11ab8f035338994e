#pragma once
// Paths built from UTF-8 texts and back, so that a UTF-8 name stays UTF-8 on every system
// (on Windows a narrow path would be read in the ANSI code page).

#include <filesystem>
#include <string>

namespace platform {

inline std::filesystem::path pathFromUtf8(const std::string& text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace platform
