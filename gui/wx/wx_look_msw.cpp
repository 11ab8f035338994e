// The look of the program's windows on Windows: the system's UI font, the one the pixel
// layout was made for; the executable's icon.

#include "gui/wx/wx_look.h"

#include <wx/iconbndl.h>
#include <wx/settings.h>

namespace gui::wx {

wxFont layoutFont() { return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT); }

// The icon resource of the executable's resource script, in the small size of title bars and
// the large one of the task switcher.
void giveProgramIcon(wxTopLevelWindow* frame) {
  wxIconBundle icons;
  icons.AddIcon(wxIcon("aaaa", wxBITMAP_TYPE_ICO_RESOURCE, 16, 16));
  icons.AddIcon(wxIcon("aaaa", wxBITMAP_TYPE_ICO_RESOURCE, 32, 32));
  frame->SetIcons(icons);
}

}  // namespace gui::wx
