#include "platform/temporary_names.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(TemporaryNames, ADotAndSixLettersOrDigitsAfterTheTargetsName) {
  const std::pair<const char*, const char*> cases[] = {  // name, its target (null: none)
      {"orvex-selection.ini.a1B2c3", "orvex-selection.ini"}, {"VK-M 200A20.pdf.ZZZZZZ", "VK-M 200A20.pdf"},
      {".000000", nullptr}, {"orvex-selection.htm.bak", nullptr}, {"orvex-selection.ini.a1B2c", nullptr},
      {"orvex-selection.ini.a1-2c3", nullptr}, {"orvex-selection.ini_a1B2c3", nullptr}, {"a.ini.a1B2cЖ", nullptr}};
  for (const auto& [name, target] : cases)
    EXPECT_EQ(platform::targetOfTemporaryName(name), target ? std::optional<std::string_view>(target) : std::nullopt)
        << name;

  std::set<std::string> names;  // nearby seeds: distinct temporaries of the same target
  for (std::uint64_t seed = 0xFFFFFFF0u; seed < 0xFFFFFFF0u + std::uint64_t{100}; ++seed) {
    const std::string name = platform::temporaryNameOf("C:\\Пользователь\\a.ini", seed);
    EXPECT_EQ(platform::targetOfTemporaryName(name), "C:\\Пользователь\\a.ini") << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 100u);
}

}  // namespace
