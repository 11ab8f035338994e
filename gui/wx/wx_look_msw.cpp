// The font of the program's windows on Windows: the system's UI font, the one the pixel
// layout was made for.

#include "gui/wx/wx_look.h"

#include <wx/settings.h>

namespace gui::wx {

wxFont layoutFont() { return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT); }

}  // namespace gui::wx
