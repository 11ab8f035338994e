#include "platform/url_text.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlTextTest, PathSegmentsKeepSafeCharactersAndEncodeTheRest) {
  const struct {
    const char* text;
    const char* encoded;
  } cases[] = {
      {"KD-100A", "KD-100A"},
      {"VP 11-2", "VP%2011-2"},
      {"a/b?c#d", "a%2Fb%3Fc%23d"},
      {"100%", "100%25"},
      {"Ж", "%D0%96"},
      {"x_y.z~(1)", "x_y.z~(1)"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::percentEncodePathSegment(c.text), c.encoded) << c.text;
}

}  // namespace
