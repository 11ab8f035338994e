#pragma once
// Access keys for menus: in each row of texts (a menu bar's titles, or one menu's items) every
// text gets the first of its letters that no text before it took, marked with '&' as Windows
// and wx mark the letter underlined for Alt. A text with no free letter gets none. A '&' of
// the text itself is doubled, so it shows as itself. It does not deal with the keys
// themselves, only with the texts.

#include <string>
#include <vector>

namespace gui {

std::vector<std::string> withAccessKeys(const std::vector<std::string>& texts);

}  // namespace gui
