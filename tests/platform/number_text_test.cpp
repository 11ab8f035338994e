#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// Every conversion must give the same result whatever the process locale: GTK sets it from
// the desktop, and a Russian desktop writes decimal commas.
class NumberTextTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    if (!std::setlocale(LC_ALL, GetParam())) GTEST_SKIP() << "locale " << GetParam() << " missing";
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(NumberTextTest, TextToFloatReadsTheLeadingNumber) {
  const struct {
    const char* text;
    float expected;
  } cases[] = {
      {"1,5", 1.0f},       {"abc", 0.0f},   {"  -3", -3.0f},  {".5", 0.5f},
      {"1.2", 1.2f},       {"", 0.0f},      {"\t 7.25kW", 7.25f}, {"+4", 4.0f},
      {"-", 0.0f},         {".", 0.0f},     {"12.", 12.0f},   {"1e3", 1000.0f},
      {"2e", 2.0f},        {"3e+", 3.0f},   {"0.001", 0.001f}, {"1 000", 1.0f},
      {"999.9999", 999.9999f}, {"1e60", 3.402823466e38f}, {"1e-60", 0.0f},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::textToFloat(c.text), c.expected) << c.text;
}

TEST_P(NumberTextTest, TextToIntReadsSignAndDigits) {
  const struct {
    const char* text;
    int expected;
  } cases[] = {
      {"-10", -10}, {"  8", 8}, {"+5", 5}, {"0", 0}, {"12abc", 12}, {"abc", 0},
      {"-", 0},     {"3.9", 3}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::textToInt(c.text), c.expected) << c.text;
}

TEST_P(NumberTextTest, FixedTextRoundsWithoutSeparatorsOrSignedZero) {
  const struct {
    double value;
    int decimals;
    const char* expected;
  } cases[] = {
      {1.2f, 3, "1.200"},       {14.916666f, 1, "14.9"},  {0.0, 1, "0.0"},
      {-0.0, 3, "0.000"},       {-0.04, 1, "0.0"},        {-8.333333f, 1, "-8.3"},
      {1379.0f / 1000.0f, 3, "1.379"}, {999.0, 3, "999.000"}, {1234567.0, 1, "1234567.0"},
      {2.5, 0, "2"},            {9999.0f, 1, "9999.0"},   {0.0005, 3, "0.001"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(platform::fixedText(c.value, c.decimals), c.expected) << c.value;
}

TEST_P(NumberTextTest, DefaultFloatTextDropsTrailingZerosAndPoint) {
  EXPECT_EQ(platform::defaultFloatText(1379.0f), "1379");
  EXPECT_EQ(platform::defaultFloatText(0.25f), "0.25");
  EXPECT_EQ(platform::defaultFloatText(0.0f), "0");
  EXPECT_EQ(platform::defaultFloatText(-12.5f), "-12.5");
  EXPECT_EQ(platform::defaultFloatText(1100.0f), "1100");
  // 10 decimals of the single-precision value, then the zeros go.
  EXPECT_EQ(platform::defaultFloatText(0.1f), "0.1000000015");
}

TEST_P(NumberTextTest, IntTextIsPlain) {
  EXPECT_EQ(platform::intText(-40), "-40");
  EXPECT_EQ(platform::intText(0), "0");
  EXPECT_EQ(platform::intText(50), "50");
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextTest, ::testing::Values("C", "ru_RU.UTF-8"));

}  // namespace
