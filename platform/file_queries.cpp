#include "platform/file_queries.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/utf8_paths.h"

namespace platform {

namespace fs = std::filesystem;

std::string currentDirectory() {
  std::error_code error;
  return utf8FromPath(fs::current_path(error));
}

std::int64_t fileSize(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(pathFromUtf8(path), error);
  if (status.type() == fs::file_type::directory) return kIsDirectory;
  if (error || !fs::exists(status)) return kNoSuchFile;
  const std::uintmax_t size = fs::file_size(pathFromUtf8(path), error);
  return error ? kNoSuchFile : static_cast<std::int64_t>(size);
}

std::string readFirstLine(const std::string& path) {
  std::ifstream in(pathFromUtf8(path), std::ios::binary);
  std::string line;
  if (!in || !std::getline(in, line, '\n')) return {};
  const bool endedByLineFeed = !in.eof();
  if (endedByLineFeed && !line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

std::optional<std::string> readWholeFile(const std::string& path) {
  std::error_code error;
  if (fs::is_directory(pathFromUtf8(path), error)) return std::nullopt;
  std::ifstream in(pathFromUtf8(path), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool deleteFile(const std::string& path) {
  std::error_code error;
  return fs::remove(pathFromUtf8(path), error);
}

std::string pathInFolder(const std::string& folder, const std::string& fileName) {
  return utf8FromPath(pathFromUtf8(folder) / pathFromUtf8(fileName));
}

}  // namespace platform
