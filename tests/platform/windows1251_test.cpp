#include "platform/windows1251.h"

#include <iconv.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(Windows1251Test, CyrillicRoundTrips) {
  const std::string utf8 = "Информация о пользователе: Ёё №5 «Звезда» ORVEX®";
  const auto bytes = platform::toWindows1251(utf8);
  ASSERT_TRUE(bytes.has_value());
  std::size_t characters = 0;
  for (const char c : utf8) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  EXPECT_EQ(bytes->size(), characters);  // one byte per character
  EXPECT_EQ(static_cast<unsigned char>((*bytes)[0]), 0xC8);  // И
  EXPECT_EQ(platform::fromWindows1251(*bytes), utf8);
}

TEST(Windows1251Test, ToWindows1251RefusesWhatItCannotHold) {
  const struct {
    const char* utf8;
    std::optional<std::string> expected;
  } cases[] = {
      {"", std::string()},
      {"€", std::string("\x88")},
      {"Ёж ™ …", std::string("\xA8\xE6 \x99 \x85")},
      {"Müller", std::nullopt},
      {"日本", std::nullopt},
      {"\xff\xfe broken", std::nullopt},
      {"\xC0\xAF", std::nullopt},          // overlong "/"
      {"\xED\xA0\x80", std::nullopt},      // surrogate
      {"\xD0", std::nullopt},              // cut-off sequence
      {"\xEF\xBF\xBD", std::nullopt},      // U+FFFD has no byte either
  };
  for (const auto& c : cases) EXPECT_EQ(platform::toWindows1251(c.utf8), c.expected) << c.utf8;
}

TEST(Windows1251Test, WithReferencesWritesNumericReferences) {
  const struct {
    const char* utf8;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"Воздухоохладитель 5 kW", "\xC2\xEE\xE7\xE4\xF3\xF5\xEE\xEE\xF5\xEB\xE0\xE4\xE8\xF2\xE5\xEB\xFC 5 kW"},
      {"<a & b>", "<a & b>"},                  // markup is the caller's business
      {"€ 5", "\x88 5"},
      {"Müller", "M&#252;ller"},
      {"日本", "&#26085;&#26412;"},
      {"😀!", "&#128512;!"},                   // four-byte sequence
      {"a\xFF" "b", "a&#65533;b"},             // a stray byte
      {"\xE2\x82", "&#65533;&#65533;"},        // cut-off sequence: one reference per byte
      {"\xC0\xAF", "&#65533;&#65533;"},        // overlong "/"
      {"\xED\xA0\x80", "&#65533;&#65533;&#65533;"},  // surrogate
      {"\xF4\x90\x80\x80", "&#65533;&#65533;&#65533;&#65533;"},  // past U+10FFFF
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::toWindows1251WithReferences(c.utf8), c.expected) << c.utf8;
}

TEST(Windows1251Test, FromWindows1251GivesEachBytesCharacter) {
  const struct {
    char byte;
    const char* utf8;
  } cases[] = {
      {'A', "A"},     {'\x80', "Ђ"}, {'\x88', "€"}, {'\x98', "\xEF\xBF\xBD"}, {'\xA8', "Ё"},
      {'\xB9', "№"}, {'\xC0', "А"}, {'\xFF', "я"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::fromWindows1251(std::string(1, c.byte)), c.utf8)
        << static_cast<int>(static_cast<unsigned char>(c.byte));
  }
}

TEST(Windows1251Test, EveryAssignedByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    if (b != 0x98) all += static_cast<char>(b);
  }
  const std::string utf8 = platform::fromWindows1251(all);
  EXPECT_EQ(platform::toWindows1251(utf8), all);
  EXPECT_EQ(platform::toWindows1251WithReferences(utf8), all);
}

// The program's own table against the C library's converter, byte by byte.
TEST(Windows1251Test, EveryByteMeansWhatTheSystemConverterSays) {
  const iconv_t cd = iconv_open("UTF-8", "WINDOWS-1251");
  ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
  for (int b = 0x80; b < 0x100; ++b) {
    char byte = static_cast<char>(b);
    char out[8] = {};
    char* in = &byte;
    std::size_t inLeft = 1;
    char* outPtr = out;
    std::size_t outLeft = sizeof out;
    const bool converted = iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    const std::string expected = converted ? std::string(out, outPtr) : "\xEF\xBF\xBD";
    EXPECT_EQ(platform::fromWindows1251(std::string(1, byte)), expected) << b;
  }
  iconv_close(cd);
}

}  // namespace
