#include "platform/files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
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

namespace {

// Planted leftovers of each file the program writes are gone after the next write of that
// file; look-alikes (a user's backup, another file's temporary, a name one letter short, a
// folder) stay, and so does a temporary that a write in progress holds.
TEST_F(FilesTest, AWriteRemovesTheLeftoversOfEarlierWritesOfItsFileOnly) {
  for (const std::string target : {"orvex-selection.ini", "orvex-selection.htm", "orvex-selection.png", "favicon.ico",
                                    "VK-M 200A20.pdf"}) {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    const std::vector<std::string> leftovers{target + ".a1B2c3", target + ".XXXXXX", target + ".000000"};
    const std::vector<std::string> kept{target + ".bak",      target + ".a1B2c",  target + ".a1B2c3d",
                                        target + ".a1-2c3",   "other.ini.a1B2c3", target + "x.a1B2c3",
                                        target + ".Held01"};
    for (const auto& name : leftovers) std::ofstream(folder_ / name) << "partial";
    for (const auto& name : kept) std::ofstream(folder_ / name) << "user's";
    std::filesystem::create_directory(folder_ / (target + ".Dir001"));
    // A write of the same file in another process, still filling its temporary.
    const int held = ::open((folder_ / (target + ".Held01")).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(platform::writeFileAtomically((folder_ / target).string(), "whole")) << target;
    ::close(held);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) names.push_back(entry.path().filename());
    std::vector<std::string> expected = kept;
    expected.push_back(target);
    expected.push_back(target + ".Dir001");
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected) << target;
    EXPECT_EQ(readAll(folder_ / (target + ".bak")), "user's");
  }
}

// A save killed at any moment leaves the old or the new file whole, and the next save removes
// whatever temporary the killed one left.
TEST_F(FilesTest, KilledSavesLeaveNothingBehindAfterTheNextSave) {
  const auto target = (folder_ / "orvex-selection.ini").string();
  const std::string first(200000, 'a'), second(300000, 'b');
  int leftoversSeen = 0;
  for (int round = 0; round < 50; ++round) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) platform::writeFileAtomically(target, round % 2 ? first : second);
    }
    ::usleep(1000 + 97 * round);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    const std::string content = readAll(target);
    EXPECT_TRUE(content.empty() || content == first || content == second) << "round " << round;
    leftoversSeen += std::distance(std::filesystem::directory_iterator(folder_), {}) > 1;
    ASSERT_TRUE(platform::writeFileAtomically(target, first));
    ASSERT_EQ(std::distance(std::filesystem::directory_iterator(folder_), {}), 1) << "round " << round;
  }
  RecordProperty("rounds_with_a_leftover", leftoversSeen);
}

}  // namespace
