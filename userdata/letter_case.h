#pragma once
// Comparing names regardless of letter case, for the Latin and Cyrillic letters that
// Windows-1251 holds; the names of the ini file are Cyrillic.

#include <string>
#include <string_view>

namespace userdata {

// The UTF-8 text with A-Z, А-Я, Ѐ-Џ and Ґ turned into their small letters; every other
// byte is kept as it is.
std::string toSmallLetters(std::string_view utf8);

bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace userdata
