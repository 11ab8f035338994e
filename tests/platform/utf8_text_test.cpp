#include "platform/utf8_text.h"

#include <gtest/gtest.h>

namespace {

struct Repair {
  const char* what;
  std::string bytes;
  std::string shown;
};

void PrintTo(const Repair& repair, std::ostream* out) { *out << repair.what; }

class ValidUtf8 : public ::testing::TestWithParam<Repair> {};

TEST_P(ValidUtf8, ReplacesEachBadSequenceWithOneReplacementCharacter) {
  EXPECT_EQ(platform::validUtf8(GetParam().bytes), GetParam().shown) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ValidUtf8,
    ::testing::Values(Repair{"valid text stays", "Пётр Łódź ✓ 😀", "Пётр Łódź ✓ 😀"},
                      Repair{"a stray byte", "a\xC0z", "a\uFFFDz"},
                      Repair{"a character cut short by the end", "a\xF0\x9F\x98", "a\uFFFD"},
                      Repair{"an overlong form, byte by byte", "\xC0\xAF", "\uFFFD\uFFFD"},
                      Repair{"a surrogate, byte by byte", "\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
                      Repair{"past U+10FFFF", "\xF4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"},
                      Repair{"a lone continuation byte", "\x80x", "\uFFFDx"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
