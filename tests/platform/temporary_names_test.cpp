#include "platform/temporary_names.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(TemporaryNames, OnlyADotAndSixLettersOrDigitsMakeATemporaryName) {
  const struct {
    const char* name;
    const char* target;  // null: not a temporary name
  } cases[] = {
      {"orvex-selection.ini.a1B2c3", "orvex-selection.ini"},
      {"VK-M 200A20.pdf.ZZZZZZ", "VK-M 200A20.pdf"},
      {"x.000000", "x"},
      {".000000", nullptr},  // no target
      {"orvex-selection.htm.bak", nullptr},
      {"orvex-selection.ini.a1B2c", nullptr},
      {"orvex-selection.ini.a1-2c3", nullptr},
      {"orvex-selection.ini_a1B2c3", nullptr},
      {"orvex-selection.ini.a1B2cЖ", nullptr},
      {"", nullptr},
  };
  for (const auto& c : cases) {
    const auto target = platform::targetOfTemporaryName(c.name);
    if (c.target) {
      EXPECT_EQ(target, c.target) << c.name;
    } else {
      EXPECT_FALSE(target) << c.name;
    }
  }
}

TEST(TemporaryNames, NearbySeedsGiveDistinctTemporariesOfTheTarget) {
  std::set<std::string> names;
  constexpr std::uint64_t first = 0xFFFFFFF0u;
  for (std::uint64_t seed = first; seed < first + 100; ++seed) {
    const std::string name = platform::temporaryNameOf("C:\\Пользователь\\orvex-selection.ini", seed);
    EXPECT_EQ(platform::targetOfTemporaryName(name), "C:\\Пользователь\\orvex-selection.ini") << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 100u);
}

}  // namespace
