#include "userdata/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/windows1251.h"
#include "support/scratch_folder.h"
#include "userdata/ini_text.h"

namespace {

using testing_support::readWholeFile;
using testing_support::ScratchFolder;
using testing_support::writeWholeFile;
using userdata::UserInfo;

TEST(UserInfoFile, AMissingFileReadsAsFiveEmptyValues) {
  ScratchFolder folder;
  EXPECT_EQ(userdata::readUserInfoFile(folder.pathOf("orvex-selection.ini")), UserInfo{});
  EXPECT_EQ(userdata::readUserInfoFile(folder.path()), UserInfo{});  // a directory
}

TEST(UserInfoFile, WritesTheComposedBytesAndReadsThemBack) {
  ScratchFolder folder;
  const auto path = folder.pathOf(std::string(userdata::kUserInfoFileName));
  const UserInfo info{"ООО Холод", "Москва", "123", "a@b.ru", "Иванов"};
  ASSERT_TRUE(userdata::writeUserInfoFile(path, info));
  EXPECT_EQ(readWholeFile(path), userdata::composeUserInfo(info));
  EXPECT_EQ(userdata::readUserInfoFile(path), info);
}

TEST(UserInfoFile, ASecondGroupIsDroppedOnTheNextWrite) {
  ScratchFolder folder;
  const auto path = folder.pathOf("orvex-selection.ini");
  writeWholeFile(path, *platform::toWindows1251("; мои данные\r\n[Информация о пользователе]\r\n"
                                                "Компания = A\r\n[Прочее]\r\nКлюч = 1\r\n"));
  ASSERT_EQ(userdata::readUserInfoFile(path), (UserInfo{"A", "", "", "", ""}));
  ASSERT_TRUE(userdata::writeUserInfoFile(path, {"A", "", "", "", "M"}));
  const std::string written = readWholeFile(path);
  EXPECT_EQ(written, *platform::toWindows1251("[Информация о пользователе]\r\nКомпания = A\r\n"
                                              "Адрес = \r\nТелефон/факс = \r\nE-mail = \r\n"
                                              "Менеджер = M\r\n"));
}

TEST(UserInfoFile, AFailedWriteReturnsFalseAndKeepsTheOldFile) {
  ScratchFolder folder;
  const auto path = folder.pathOf("orvex-selection.ini");
  const UserInfo old{"Old", "", "", "", ""};
  ASSERT_TRUE(userdata::writeUserInfoFile(path, old));
  const std::string oldBytes = readWholeFile(path);

  // The target is a directory, or its folder does not exist: both writes must fail.
  std::filesystem::create_directory(folder.pathOf("taken.ini"));
  EXPECT_FALSE(userdata::writeUserInfoFile(folder.pathOf("taken.ini"), {"New", "", "", "", ""}));
  EXPECT_FALSE(userdata::writeUserInfoFile(folder.pathOf("missing/orvex-selection.ini"), old));
  EXPECT_TRUE(std::filesystem::is_directory(folder.pathOf("taken.ini")));
  EXPECT_EQ(readWholeFile(path), oldBytes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(UserInfoFile, ValuesOutsideWindows1251SurviveTheRoundTrip) {
  ScratchFolder folder;
  const auto path = folder.pathOf("orvex-selection.ini");
  const UserInfo info{"Łódź ✓", "Москва", "", "", "€ 5"};
  ASSERT_TRUE(userdata::writeUserInfoFile(path, info));
  EXPECT_TRUE(readWholeFile(path).starts_with("\xEF\xBB\xBF[Информация"));
  EXPECT_EQ(userdata::readUserInfoFile(path), info);
}

}  // namespace
