// The user information window opened from the selection windows' menus, and the ini file it
// keeps the contact details in.

#include "userdata/user_info_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/windows1251.h"
#include "selection/window_numbers.h"
#include "support/program_test.h"

namespace {

using namespace userdata::user_info;
constexpr int kFromCooler = 6, kFromCondenser = 7;
constexpr int kFields[] = {kCompany, kAddress, kPhoneFax, kEmail, kManager};

// The file as the window writes it, line by line, in Windows-1251.
std::string iniBytes(const std::vector<std::string>& values) {
  const char* keys[] = {"Компания", "Адрес", "Телефон/факс", "E-mail", "Менеджер"};
  std::string text = "[Информация о пользователе]\r\n";
  for (int i = 0; i < 5; ++i) text += std::string(keys[i]) + " = " + values[i] + "\r\n";
  return *platform::toWindows1251(text);
}

class UserInfoWindowTest : public testing_support::ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    click(selection::kMainWindow, selection::kCoolerArea);
    click(selection::kMainWindow, selection::kCondenserArea);
  }
  void openFromCooler() { chooseMenu(selection::kCoolerWindow, 6); }
  void typeAll(int window, const std::vector<std::string>& values) {
    for (int i = 0; i < 5; ++i) toolkit_.type(window, kFields[i], values[i]);
    serve();
  }
  std::vector<std::string> fields(int window) const {
    std::vector<std::string> values;
    for (int field : kFields) values.push_back(toolkit_.text(window, field));
    return values;
  }
  std::string iniPath() const { return folder_.pathOf("orvex-selection.ini"); }
};

TEST_F(UserInfoWindowTest, OpensWithItsLayoutAndEmptyFieldsOnFirstUse) {
  openFromCooler();
  const gui::HeadlessWindow& window = toolkit_.window(kFromCooler);
  EXPECT_EQ(window.layout.title, "Информация о пользователе");
  EXPECT_EQ(std::pair(window.layout.width, window.layout.height), std::pair(280, 295));
  const char* labels[] = {"Компания", "Адрес", "Телефон/факс", "E-mail", "Менеджер"};
  const auto unnumbered = toolkit_.unnumberedGadgets(kFromCooler);
  ASSERT_EQ(unnumbered.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(unnumbered[i]->text, labels[i]);
    EXPECT_EQ(unnumbered[i]->place, (gui::Rect{25, 15 + 45 * i, 230, 15}));
    EXPECT_EQ(toolkit_.gadget(kFromCooler, kFields[i]).place, (gui::Rect{25, 30 + 45 * i, 230, 20}));
    EXPECT_EQ(toolkit_.text(kFromCooler, kFields[i]), "");
  }
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kOkButton).place, (gui::Rect{40, 250, 100, 25}));
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kOkButton).text, "Ok");
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kCancelButton).place, (gui::Rect{145, 250, 100, 25}));
  EXPECT_EQ(toolkit_.gadget(kFromCooler, kCancelButton).text, "Отмена");
  EXPECT_EQ(toolkit_.focus(), std::pair(kFromCooler, kCompany));

  click(kFromCooler, kOkButton);  // first use: five empty keys
  EXPECT_EQ(folder_.read("orvex-selection.ini"), iniBytes({"", "", "", "", ""}));
  EXPECT_FALSE(toolkit_.windowExists(kFromCooler));
}

TEST_F(UserInfoWindowTest, OkSavesAndTheNextOpeningShowsTheSavedValues) {
  const std::vector<std::string> typed = {"ООО «Холод»", "  Москва, ул. Льва Толстого, 16 ", "+7 495 000-00-00",
                                          "info@holod.example", "Иванов И. И."};
  openFromCooler();
  typeAll(kFromCooler, typed);
  click(kFromCooler, kOkButton);
  EXPECT_EQ(folder_.read("orvex-selection.ini"), iniBytes(typed));  // stored with its spaces
  chooseMenu(selection::kCondenserWindow, 10);
  std::vector<std::string> readBack = typed;
  readBack[1] = "Москва, ул. Льва Толстого, 16";  // read back without them
  EXPECT_EQ(fields(kFromCondenser), readBack);
}

TEST_F(UserInfoWindowTest, CancelAndTheCloseBoxLeaveTheFileAsItWas) {
  const std::string handEdited = *platform::toWindows1251(
      "; мои данные\r\n[Информация о пользователе]\r\nКомпания=Старая\r\n[Другое]\r\nКлюч = 1\r\n");
  folder_.write("orvex-selection.ini", handEdited);
  for (const bool closeBox : {false, true}) {
    openFromCooler();
    EXPECT_EQ(toolkit_.text(kFromCooler, kCompany), "Старая");
    typeAll(kFromCooler, {"Новая", "", "", "", ""});
    if (closeBox) {
      toolkit_.pressClose(kFromCooler);
      serve();
    } else {
      click(kFromCooler, kCancelButton);
    }
    EXPECT_FALSE(toolkit_.windowExists(kFromCooler));
    EXPECT_EQ(folder_.read("orvex-selection.ini"), handEdited);
  }
  openFromCooler();
  click(kFromCooler, kOkButton);  // the next Ok drops the comment and the second group
  EXPECT_EQ(folder_.read("orvex-selection.ini"), iniBytes({"Старая", "", "", "", ""}));
}

TEST_F(UserInfoWindowTest, AFileThatCannotBeSavedIsReportedAndNothingTypedIsLost) {
  std::filesystem::create_directory(iniPath());  // the file's name is taken by a folder
  openFromCooler();
  typeAll(kFromCooler, {"ООО «Холод»", "", "", "", ""});
  click(kFromCooler, kOkButton);
  ASSERT_EQ(toolkit_.messages().size(), 1u);
  EXPECT_NE(toolkit_.messages()[0].text.find(iniPath()), std::string::npos) << toolkit_.messages()[0].text;
  EXPECT_TRUE(toolkit_.windowShown(kFromCooler));
  EXPECT_EQ(toolkit_.text(kFromCooler, kCompany), "ООО «Холод»");
  click(kFromCooler, kCancelButton);
  EXPECT_FALSE(toolkit_.windowExists(kFromCooler));
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kCoolerWindow));
}

TEST_F(UserInfoWindowTest, AStrayByteShowsAsAReplacementCharacterAndOkKeepsIt) {
  folder_.write("orvex-selection.ini",
                "\xEF\xBB\xBF[Информация о пользователе]\r\nКомпания = ООО \xC0 Холод\r\nАдрес = Москва\r\n");
  openFromCooler();
  EXPECT_EQ(fields(kFromCooler), (std::vector<std::string>{"ООО \uFFFD Холод", "Москва", "", "", ""}));
  click(kFromCooler, kOkButton);  // without an edit: the value is written back, not emptied
  EXPECT_EQ(folder_.read("orvex-selection.ini"),
            "\xEF\xBB\xBF[Информация о пользователе]\r\nКомпания = ООО \uFFFD Холод\r\nАдрес = Москва\r\n"
            "Телефон/факс = \r\nE-mail = \r\nМенеджер = \r\n");
}

TEST_F(UserInfoWindowTest, BothWindowsMayBeOpenEachWithItsOwnFields) {
  openFromCooler();
  chooseMenu(selection::kCondenserWindow, 10);
  typeAll(kFromCooler, {"A", "", "", "", ""});
  typeAll(kFromCondenser, {"B", "", "", "", ""});
  EXPECT_EQ(toolkit_.text(kFromCooler, kCompany), "A");
  EXPECT_EQ(toolkit_.text(kFromCondenser, kCompany), "B");
  click(kFromCondenser, kOkButton);
  click(kFromCooler, kOkButton);  // the later Ok wins
  EXPECT_EQ(folder_.read("orvex-selection.ini"), iniBytes({"A", "", "", "", ""}));
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kCoolerWindow));
  EXPECT_TRUE(toolkit_.windowEnabled(selection::kCondenserWindow));
}

}  // namespace
