#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <cfloat>
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
  // `whole`: nothing but the number (and blanks) in the text.
  const struct {
    const char* text;
    float expected;
    bool whole;
  } cases[] = {
      {"1,5", 1.0f, false},     {"abc", 0.0f, false},  {"  -3", -3.0f, true},   {".5", 0.5f, true},
      {"1.2", 1.2f, true},      {"", 0.0f, false},     {"\t 7.25kW", 7.25f, false}, {"+4", 4.0f, true},
      {"-", 0.0f, false},       {".", 0.0f, false},    {"12.", 12.0f, true},    {"1e3 ", 1000.0f, true},
      {"2e", 2.0f, false},      {"3e+", 3.0f, false},  {"0.001", 0.001f, true}, {"1 000", 1.0f, false},
      {"999.9999", 999.9999f, true}, {"1e60", 3.402823466e38f, true}, {"1e-60", 0.0f, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::textToFloat(c.text), c.expected) << c.text;
    EXPECT_EQ(platform::isWholeNumber(c.text), c.whole) << c.text;
  }
}

TEST_P(NumberTextTest, TextToFloatSaturatesBeyondTheFloatRange) {
  const std::string nines(500, '9');
  const struct {
    std::string text;
    float expected;
  } cases[] = {
      {"1e39", FLT_MAX},           {"1e309", FLT_MAX},          {"-1e400", -FLT_MAX},
      {nines, FLT_MAX},            {"-" + nines + ".5", -FLT_MAX}, {"0.00001e400", FLT_MAX},
      {"1e99999999999999999999", FLT_MAX}, {"1e-400", 0.0f},    {"-1e-400", 0.0f},
      {"0." + nines, 1.0f},        {"0.0000001e-400", 0.0f},    {"9999e-400", 0.0f},
      {"0e99999", 0.0f},           {"3.4e38", 3.4e38f},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::textToFloat(c.text), c.expected) << c.text.substr(0, 40);
  }
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

TEST_P(NumberTextTest, FixedTextHoldsAnyCountOfDecimals) {
  const struct {
    double value;
    int decimals;
    std::string expected;
  } cases[] = {
      {FLT_MAX, 10, "340282346638528859811704183484516925440.0000000000"},
      {-FLT_MAX, 0, "-340282346638528859811704183484516925440"},
      {1.5, 1000, "1." + std::string(1, '5') + std::string(999, '0')},
      {0.1, 20, "0.10000000000000000555"},
      {2.25, -3, "2"},
      {-7.0, -1, "-7"},
      {-1e-300, 300, "-0." + std::string(299, '0') + "1"},
      {-1e-300, 200, "0." + std::string(200, '0')},
      {0x1p100, 2, "1267650600228229401496703205376.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform::fixedText(c.value, c.decimals), c.expected) << c.value << " " << c.decimals;
  }
  // The largest double with many decimals: every integer digit and every decimal is there.
  const std::string text = platform::fixedText(DBL_MAX, 1000);
  EXPECT_EQ(text.size(), 309u + 1u + 1000u);
  EXPECT_EQ(text.substr(0, 6), "179769");
  EXPECT_EQ(text.substr(309), "." + std::string(1000, '0'));
}

TEST_P(NumberTextTest, DefaultFloatTextDropsTrailingZerosAndPoint) {
  EXPECT_EQ(platform::defaultFloatText(1379.0f), "1379");
  EXPECT_EQ(platform::defaultFloatText(0.25f), "0.25");
  EXPECT_EQ(platform::defaultFloatText(0.0f), "0");
  EXPECT_EQ(platform::defaultFloatText(-12.5f), "-12.5");
  EXPECT_EQ(platform::defaultFloatText(1100.0f), "1100");
  // 10 decimals of the single-precision value, then the zeros go.
  EXPECT_EQ(platform::defaultFloatText(0.1f), "0.1000000015");
  EXPECT_EQ(platform::defaultFloatText(FLT_MAX), "340282346638528859811704183484516925440");
}

TEST_P(NumberTextTest, IntTextIsPlain) {
  EXPECT_EQ(platform::intText(-40), "-40");
  EXPECT_EQ(platform::intText(0), "0");
  EXPECT_EQ(platform::intText(50), "50");
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextTest, ::testing::Values("C", "ru_RU.UTF-8"));

}  // namespace
