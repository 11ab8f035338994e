// Conversions between the program's values and wx's.

#include "gui/wx/wx_convert.h"

#include "platform/utf8_text.h"

namespace gui::wx {

wxString toWx(std::string_view text) {
  // wx takes text that is not valid UTF-8 for no text at all; repaired, only the bad bytes go.
  const std::string shown = platform::validUtf8(text);
  return wxString::FromUTF8(shown.data(), shown.size());
}

std::string fromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

wxColour toWx(Rgb colour) { return wxColour(colour.red, colour.green, colour.blue); }

}  // namespace gui::wx
