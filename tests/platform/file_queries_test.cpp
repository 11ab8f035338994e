#include "platform/file_queries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

namespace {

using testing_support::ScratchFolder;

TEST(FileQueries, SizeTellsMissingFilesAndDirectoriesApart) {
  ScratchFolder folder;
  folder.write("empty.pdf", "");
  folder.write("VP 1.pdf", "abc");
  folder.write("чертёж.pdf", std::string("a\0b\r\n", 5));
  std::filesystem::create_directory(folder.pathOf("KD-100A.pdf"));
  struct Case {
    std::string name;
    std::int64_t size;
  };
  const std::vector<Case> cases = {
      {"missing.pdf", platform::kNoSuchFile}, {"KD-100A.pdf", platform::kIsDirectory},
      {"empty.pdf", 0},                       {"VP 1.pdf", 3},
      {"чертёж.pdf", 5},                      {"missing folder/VP 1.pdf", platform::kNoSuchFile},
  };
  EXPECT_EQ(platform::kNoSuchFile, -1);
  EXPECT_EQ(platform::kIsDirectory, -2);
  for (const Case& c : cases) EXPECT_EQ(platform::fileSize(folder.pathOf(c.name)), c.size) << c.name;
}

TEST(FileQueries, FirstLineEndsAtTheFirstLineFeed) {
  struct Case {
    std::string bytes, firstLine;
  };
  const std::vector<Case> cases = {
      {"2.2.0\nsecond\n", "2.2.0"},
      {"2.2.0\r\nsecond\r\n", "2.2.0"},         // CR LF is one line break
      {"2.2.0", "2.2.0"},                       // no line break at all
      {"2.2.0\r", "2.2.0\r"},                   // a lone CR is no line break
      {"2.2\r.0\n", "2.2\r.0"},
      {" 2.2.0 \t\n", " 2.2.0 \t"},             // no trimming
      {"\xEF\xBB\xBF" "2.2.0\n", "\xEF\xBB\xBF" "2.2.0"},  // a byte-order mark is kept
      {"\nsecond", ""},
      {"", ""},
      {std::string("a\0b\n", 4), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    folder.write("orvexselectver.txt", c.bytes);
    EXPECT_EQ(platform::readFirstLine(folder.pathOf("orvexselectver.txt")), c.firstLine) << c.bytes;
  }
  ScratchFolder empty;
  EXPECT_EQ(platform::readFirstLine(empty.pathOf("missing.txt")), "");
  EXPECT_EQ(platform::readFirstLine(empty.path()), "");
}

TEST(FileQueries, WholeFileIsReadByteForByte) {
  ScratchFolder folder;
  const std::string bytes("[Info]\r\nName=\xC8\xE2\xE0\xED\0\n\xEF\xBB\xBF", 22);
  folder.write("Подбор.ini", bytes);
  folder.write("empty.ini", "");
  std::filesystem::create_directory(folder.pathOf("folder.ini"));
  EXPECT_EQ(platform::readWholeFile(folder.pathOf("Подбор.ini")), bytes);
  EXPECT_EQ(platform::readWholeFile(folder.pathOf("empty.ini")), "");
  EXPECT_EQ(platform::readWholeFile(folder.pathOf("missing.ini")), std::nullopt);
  EXPECT_EQ(platform::readWholeFile(folder.pathOf("folder.ini")), std::nullopt);
}

TEST(FileQueries, DeletesFiles) {
  ScratchFolder folder;
  folder.write("orvexselectver.txt", "2.2.0");
  folder.write("keep.txt", "x");
  EXPECT_TRUE(platform::deleteFile(folder.pathOf("orvexselectver.txt")));
  EXPECT_FALSE(platform::deleteFile(folder.pathOf("orvexselectver.txt")));
  EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.txt"});
}

TEST(FileQueries, CurrentDirectoryIsAbsoluteAndFilesJoinIt) {
  const std::string current = platform::currentDirectory();
  EXPECT_TRUE(std::filesystem::path(current).is_absolute()) << current;
  EXPECT_TRUE(std::filesystem::equivalent(current, std::filesystem::current_path()));
  EXPECT_EQ(platform::pathInFolder("/home/user/Подбор", "VP 1.pdf"), "/home/user/Подбор/VP 1.pdf");
  EXPECT_EQ(platform::pathInFolder("/home/user/", "VP 1.pdf"), "/home/user/VP 1.pdf");
}

}  // namespace
