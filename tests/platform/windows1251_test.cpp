#include "platform/windows1251.h"

#include <gtest/gtest.h>

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

TEST(Windows1251Test, UnrepresentableCharactersAreReported) {
  EXPECT_FALSE(platform::toWindows1251("Müller").has_value());
  EXPECT_EQ(platform::toWindows1251("€"), std::string("\x88"));
  EXPECT_FALSE(platform::toWindows1251("日本").has_value());
  EXPECT_FALSE(platform::toWindows1251("\xff\xfe broken").has_value());
  EXPECT_EQ(platform::toWindows1251(""), std::string());
}

TEST(Windows1251Test, EveryByteDecodes) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = platform::fromWindows1251(all);
  EXPECT_NE(utf8.find("\xEF\xBF\xBD"), std::string::npos);  // 0x98 has no character
  EXPECT_NE(utf8.find("я"), std::string::npos);
}

}  // namespace
