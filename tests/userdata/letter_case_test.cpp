#include "userdata/letter_case.h"

#include <gtest/gtest.h>

namespace {

TEST(LetterCase, FoldsLatinAndCyrillicCapitalsOnly) {
  struct Case {
    const char* text;
    const char* small;
  };
  for (const auto& [text, small] : {
           Case{"E-MAIL", "e-mail"},
           Case{"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
           Case{"ЁЂЃЄЅІЇЈЉЊЋЌЍЎЏҐ", "ёђѓєѕіїјљњћќѝўџґ"},
           Case{"уже маленькие ё ґ", "уже маленькие ё ґ"},
           Case{"ŁÓDŹ € ✓ 12", "ŁÓdŹ € ✓ 12"},  // only Latin and Cyrillic letters fold
       }) {
    EXPECT_EQ(userdata::toSmallLetters(text), small) << text;
  }
}

TEST(LetterCase, ComparesNamesRegardlessOfCase) {
  EXPECT_TRUE(userdata::equalIgnoringCase("ИНФОРМАЦИЯ О ПОЛЬЗОВАТЕЛЕ", "Информация о пользователе"));
  EXPECT_TRUE(userdata::equalIgnoringCase("Телефон/ФАКС", "телефон/факс"));
  EXPECT_FALSE(userdata::equalIgnoringCase("Телефон", "Телефон/факс"));
  EXPECT_FALSE(userdata::equalIgnoringCase("Е-mail", "E-mail"));  // a Cyrillic Е is not a Latin E
}

}  // namespace
