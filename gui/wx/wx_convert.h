#pragma once
// Conversions between the program's values and wx's: texts and colours.

#include <string>
#include <string_view>

#include <wx/colour.h>
#include <wx/string.h>

#include "gui/toolkit.h"

namespace gui::wx {

// The program's texts are UTF-8; a bad sequence in one shows as U+FFFD (platform::validUtf8).
wxString toWx(std::string_view text);
std::string fromWx(const wxString& text);

wxColour toWx(Rgb colour);

}  // namespace gui::wx
