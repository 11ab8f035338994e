// Menu access keys: the first letter no earlier text took, Cyrillic letters and case included.

#include "gui/access_keys.h"

#include <gtest/gtest.h>

namespace {

struct Row {
  std::vector<std::string> texts, keyed;
};

TEST(AccessKeys, FirstFreeLetterOfEachText) {
  const Row rows[] = {
      {{"Программа", "Окна"}, {"&Программа", "&Окна"}},
      {{"Окно", "Параметры", "Справка"}, {"&Окно", "&Параметры", "&Справка"}},
      // "о" is taken by "Окно", whatever its case: "Открыть" takes its next free letter.
      {{"Окно", "Открыть", "отк"}, {"&Окно", "О&ткрыть", "от&к"}},
      {{"Выйти", "выход"}, {"&Выйти", "в&ыход"}},
      {{"Ёлка", "ёж"}, {"&Ёлка", "ё&ж"}},
      {{"A & B", "a"}, {"&A && B", "a"}},
      {{"1 2", "О программе"}, {"1 2", "&О программе"}},
  };
  for (const Row& row : rows) EXPECT_EQ(gui::withAccessKeys(row.texts), row.keyed) << row.texts[0];
}

}  // namespace
