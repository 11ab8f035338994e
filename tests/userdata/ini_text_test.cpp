#include "userdata/ini_text.h"

#include <gtest/gtest.h>

#include "platform/windows1251.h"

namespace {

using userdata::UserInfo;

std::string windows1251(std::string_view utf8) {
  auto bytes = platform::toWindows1251(utf8);
  EXPECT_TRUE(bytes.has_value()) << utf8;
  return bytes.value_or("");
}

// The file as the program writes it with five empty values, byte for byte.
const std::string kEmptyFile =
    "[\xC8\xED\xF4\xEE\xF0\xEC\xE0\xF6\xE8\xFF \xEE \xEF\xEE\xEB\xFC\xE7\xEE\xE2\xE0\xF2\xE5\xEB\xE5]\r\n"
    "\xCA\xEE\xEC\xEF\xE0\xED\xE8\xFF = \r\n"
    "\xC0\xE4\xF0\xE5\xF1 = \r\n"
    "\xD2\xE5\xEB\xE5\xF4\xEE\xED/\xF4\xE0\xEA\xF1 = \r\n"
    "E-mail = \r\n"
    "\xCC\xE5\xED\xE5\xE4\xE6\xE5\xF0 = \r\n";

TEST(ComposeUserInfo, EmptyValuesGiveTheGroupAndFiveEmptyKeys) {
  EXPECT_EQ(userdata::composeUserInfo({}), kEmptyFile);
}

TEST(ComposeUserInfo, EditedValuesAreWrittenAsTypedInWindows1251) {
  const UserInfo info{"ООО «Холод» & Co", "  г. Москва, ул. Ленина, 1  ", "+7 (495) 123-45-67",
                      "info@holod.ru", "Иванов И. И."};
  const std::string expected = windows1251(
      "[Информация о пользователе]\r\n"
      "Компания = ООО «Холод» & Co\r\n"
      "Адрес =   г. Москва, ул. Ленина, 1  \r\n"
      "Телефон/факс = +7 (495) 123-45-67\r\n"
      "E-mail = info@holod.ru\r\n"
      "Менеджер = Иванов И. И.\r\n");
  EXPECT_EQ(userdata::composeUserInfo(info), expected);
}

TEST(ComposeUserInfo, ALineBreakInAValueCannotStartALineOfItsOwn) {
  UserInfo info;
  info.company = "A\r\n[Other]\nB";
  const std::string bytes = userdata::composeUserInfo(info);
  EXPECT_NE(bytes.find("= A  [Other] B\r\n"), std::string::npos);
  EXPECT_EQ(userdata::parseUserInfo(bytes).company, "A  [Other] B");
}

TEST(ComposeUserInfo, ACharacterOutsideWindows1251MakesTheWholeFileUtf8WithAByteOrderMark) {
  UserInfo info;
  info.company = "Łódź Chłodnictwo ✓";
  info.manager = "Пётр";
  const std::string bytes = userdata::composeUserInfo(info);
  EXPECT_EQ(bytes,
            "\xEF\xBB\xBF[Информация о пользователе]\r\n"
            "Компания = Łódź Chłodnictwo ✓\r\n"
            "Адрес = \r\n"
            "Телефон/факс = \r\n"
            "E-mail = \r\n"
            "Менеджер = Пётр\r\n");
  EXPECT_EQ(userdata::parseUserInfo(bytes), info);
}

TEST(ParseUserInfo, ReadsBackWhatItWrites) {
  const UserInfo info{"Компания «Север»", "Адрес; с точкой = и запятой", "тел. 1", "a=b@c.d",
                      "Ёлкин Ґ"};
  EXPECT_EQ(userdata::parseUserInfo(userdata::composeUserInfo(info)), info);
}

TEST(ParseUserInfo, ValuesWithSurroundingBlanksAreStoredWithThemAndReadWithout) {
  UserInfo info;
  info.address = " \t Москва \t ";
  const std::string bytes = userdata::composeUserInfo(info);
  EXPECT_NE(bytes.find(windows1251("Адрес =  \t Москва \t \r\n")), std::string::npos);
  EXPECT_EQ(userdata::parseUserInfo(bytes).address, "Москва");
}

struct HandEditedFile {
  const char* what;
  std::string utf8Text;  // written as Windows-1251 unless it starts with a byte-order mark
  UserInfo expected;
};

void PrintTo(const HandEditedFile& file, std::ostream* out) { *out << file.what; }

class ParseHandEditedFile : public ::testing::TestWithParam<HandEditedFile> {};

TEST_P(ParseHandEditedFile, ReadsTheFiveValues) {
  const auto& file = GetParam();
  const bool utf8 = file.utf8Text.starts_with("\xEF\xBB\xBF");
  const std::string bytes = utf8 ? file.utf8Text : windows1251(file.utf8Text);
  EXPECT_EQ(userdata::parseUserInfo(bytes), file.expected) << file.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseHandEditedFile,
    ::testing::Values(
        HandEditedFile{"empty file", "", {}},
        HandEditedFile{"no group", "Компания = ООО\r\n", {}},
        HandEditedFile{"other group only", "[Прочее]\r\nКомпания = ООО\r\n", {}},
        HandEditedFile{"blank lines, comments, blanks everywhere, no spaces around =",
                       "\r\n; комментарий\r\n  [Информация о пользователе]\r\n\r\n"
                       "\t; Компания = не это\r\n"
                       "\tКомпания\t=\tООО Холод  \r\n"
                       "Адрес=Москва\r\n"
                       "   Телефон/факс    =   123   \r\n"
                       "E-mail =\r\n"
                       "Менеджер = Петров\t\r\n",
                       {"ООО Холод", "Москва", "123", "", "Петров"}},
        HandEditedFile{"names in other letter cases",
                       "[ИНФОРМАЦИЯ О ПОЛЬЗОВАТЕЛЕ]\r\nкомпания = A\r\nАДРЕС = B\r\n"
                       "ТЕЛЕФОН/ФАКС = C\r\ne-MAIL = D\r\nмЕНЕДЖЕР = E\r\n",
                       {"A", "B", "C", "D", "E"}},
        HandEditedFile{"group name with blanks inside the brackets",
                       "[  информация о пользователе\t]\nКомпания = A\n", {"A", "", "", "", ""}},
        HandEditedFile{"LF and lone CR line ends",
                       "[Информация о пользователе]\nКомпания = A\rАдрес = B\n",
                       {"A", "B", "", "", ""}},
        HandEditedFile{"keys only from the header to the next group",
                       "Компания = before\r\n[Прочее]\r\nАдрес = other\r\n"
                       "[Информация о пользователе]\r\nТелефон/факс = 1\r\n"
                       "[Ещё]\r\nМенеджер = after\r\n",
                       {"", "", "1", "", ""}},
        HandEditedFile{"a repeated key keeps its first value",
                       "[Информация о пользователе]\r\nКомпания = first\r\nКомпания = second\r\n",
                       {"first", "", "", "", ""}},
        HandEditedFile{"a line without = is skipped",
                       "[Информация о пользователе]\r\nКомпания\r\nАдрес = B\r\n",
                       {"", "B", "", "", ""}},
        HandEditedFile{"unknown keys are skipped, = inside a value is kept",
                       "[Информация о пользователе]\r\nФакс = 2\r\nE-mail = a=b\r\n",
                       {"", "", "", "a=b", ""}},
        HandEditedFile{"UTF-8 after a byte-order mark",
                       "\xEF\xBB\xBF[информация о пользователе]\r\nКомпания = Łódź ✓\r\n",
                       {"Łódź ✓", "", "", "", ""}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

// A text as UTF-16 bytes with its byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  for (const char16_t unit : std::u16string(1, u'\uFEFF') + std::u16string(text)) {
    const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

const std::u16string kUtf16File =
    u"[Информация о пользователе]\r\nКомпания = Łódź 😀\r\nМенеджер = Пётр\r\n";

struct FileInAnotherForm {
  const char* what;
  std::string bytes;
  UserInfo expected;
};

void PrintTo(const FileInAnotherForm& file, std::ostream* out) { *out << file.what; }

class ParseFileInAnotherForm : public ::testing::TestWithParam<FileInAnotherForm> {};

TEST_P(ParseFileInAnotherForm, ShowsEveryValueAsValidUtf8) {
  const auto& file = GetParam();
  EXPECT_EQ(userdata::parseUserInfo(file.bytes), file.expected) << file.what;
}

INSTANTIATE_TEST_SUITE_P(
    Files, ParseFileInAnotherForm,
    ::testing::Values(
        FileInAnotherForm{"UTF-8 with a stray byte",
                          "\xEF\xBB\xBF[Информация о пользователе]\r\nКомпания = ООО \xC0 Холод\r\n"
                          "Адрес = Москва\r\n",
                          {"ООО \uFFFD Холод", "Москва", "", "", ""}},
        FileInAnotherForm{"UTF-8 with sequences cut short, each one replacement",
                          "\xEF\xBB\xBF[Информация о пользователе]\r\nE-mail = a\xE2\x82" "b\xD0\r\n",
                          {"", "", "", "a\uFFFD" "b\uFFFD", ""}},
        FileInAnotherForm{"UTF-16 little-endian with CR LF", utf16(kUtf16File, false),
                          {"Łódź 😀", "", "", "", "Пётр"}},
        FileInAnotherForm{"UTF-16 big-endian with CR LF", utf16(kUtf16File, true),
                          {"Łódź 😀", "", "", "", "Пётр"}},
        FileInAnotherForm{"UTF-16 with an odd last byte and a lone surrogate",
                          utf16(u"[Информация о пользователе]\r\nАдрес = A\xD800 B", false) + "x",
                          {"", "A\uFFFD B\uFFFD", "", "", ""}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(ParseUserInfo, WithoutAByteOrderMarkUtf8BytesAreTakenAsWindows1251) {
  // A UTF-8 file saved without the mark does not match the group: its bytes mean other letters.
  EXPECT_EQ(userdata::parseUserInfo("[Информация о пользователе]\r\nE-mail = x\r\n"), UserInfo{});
}

}  // namespace
