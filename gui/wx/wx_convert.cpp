// Conversions between the program's values and wx's.

#include "gui/wx/wx_convert.h"

namespace gui::wx {

wxString toWx(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

std::string fromWx(const wxString& text) {
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return std::string(utf8.data(), utf8.length());
}

wxColour toWx(Rgb colour) { return wxColour(colour.red, colour.green, colour.blue); }

wxPoint positionOf(const Rect& place) { return wxPoint(place.x, place.y); }

wxSize sizeOf(const Rect& place) { return wxSize(place.width, place.height); }

}  // namespace gui::wx
