#pragma once
// A fresh, empty temporary folder for one test, removed afterwards, with what a test asks of
// the files in it.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testing_support {

inline std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

inline void writeWholeFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class ScratchFolder {
 public:
  ScratchFolder() {
    static int folders = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("orvex-test-" + std::to_string(::getpid()) + "-" + std::to_string(++folders));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() { std::filesystem::remove_all(path_); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string path() const { return path_.string(); }
  std::string pathOf(const std::string& name) const { return (path_ / name).string(); }
  void write(const std::string& name, const std::string& bytes) const { writeWholeFile(path_ / name, bytes); }
  std::string read(const std::string& name) const { return readWholeFile(path_ / name); }
  // The names in the folder, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) found.push_back(entry.path().filename().string());
    std::sort(found.begin(), found.end());
    return found;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace testing_support
