#include "gui/access_keys.h"

#include <cstddef>
#include <set>

namespace gui {
namespace {

// The code point of the UTF-8 sequence at `at`, and its length; a byte that starts no valid
// sequence stands for itself.
char32_t decode(const std::string& text, std::size_t at, std::size_t& length) {
  const auto byte = static_cast<unsigned char>(text[at]);
  if (byte >= 0xC0 && byte < 0xE0 && at + 1 < text.size()) {
    length = 2;
    return ((byte & 0x1Fu) << 6) | (static_cast<unsigned char>(text[at + 1]) & 0x3Fu);
  }
  length = byte >= 0xE0 ? (byte >= 0xF0 ? 4 : 3) : 1;
  if (at + length > text.size()) length = 1;
  return byte;
}

// Latin and Cyrillic letters, folded to lower case; 0 for anything else.
char32_t letterKey(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= U'a' && c <= U'z') return c;
  if (c >= U'А' && c <= U'Я') return c + 0x20;
  if (c >= U'а' && c <= U'я') return c;
  if (c == U'Ё' || c == U'ё') return U'ё';
  return 0;
}

}  // namespace

std::vector<std::string> withAccessKeys(const std::vector<std::string>& texts) {
  std::set<char32_t> taken;
  std::vector<std::string> result;
  for (const std::string& text : texts) {
    std::string marked;
    bool keyed = false;
    std::size_t length = 1;
    for (std::size_t at = 0; at < text.size(); at += length) {
      const char32_t key = letterKey(decode(text, at, length));
      if (!keyed && key != 0 && taken.insert(key).second) {
        marked += '&';
        keyed = true;
      }
      if (text[at] == '&') marked += '&';
      marked.append(text, at, length);
    }
    result.push_back(marked);
  }
  return result;
}

}  // namespace gui
