#include "platform/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("orvex-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(FilesTest, WritesAndReplacesWholeFilesLeavingNoTemporaries) {
  const auto target = folder_ / "page.htm";
  ASSERT_TRUE(platform::writeFileAtomically(target.string(), "first\r\n"));
  ASSERT_TRUE(platform::writeFileAtomically(target.string(), std::string("sec\0ond", 7)));
  EXPECT_EQ(readAll(target), std::string("sec\0ond", 7));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1);
  struct stat info {};
  ASSERT_EQ(::stat(target.c_str(), &info), 0);
  EXPECT_NE(info.st_mode & S_IRGRP, 0u);  // ordinary permissions, not a private temporary's
}

TEST_F(FilesTest, FailureLeavesTheOldFile) {
  const auto target = folder_ / "kept.txt";
  ASSERT_TRUE(platform::writeFileAtomically(target.string(), "good"));
  // A directory cannot be replaced by a file: the write fails and nothing is lost.
  const auto directory = folder_ / "dir";
  std::filesystem::create_directory(directory);
  EXPECT_FALSE(platform::writeFileAtomically(directory.string(), "x"));
  EXPECT_FALSE(platform::writeFileAtomically((folder_ / "missing" / "a.txt").string(), "x"));
  EXPECT_EQ(readAll(target), "good");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 2);
}

}  // namespace
