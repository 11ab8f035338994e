// The look of the program's windows on Windows: the scale, the dialog font the pixel layout
// was made for, and the executable's icon.

#include "gui/wx/wx_look.h"

#include <wx/iconbndl.h>

#include "gui/scale.h"

namespace gui::wx {

// The DPI of the monitor the window is on (the program declares itself aware of each
// monitor's DPI), or the system's for a window not yet made.
double windowScale(const wxWindow* frame) {
  const wxSize dpi = frame ? frame->GetDPI() : wxGetDisplayPPI();
  return sensibleScale(dpi.y / 96.0);
}

// Tahoma 8 pt, as every Windows since 2000 has it, whatever the desktop's message font is
// (Segoe UI 9 pt on Windows Vista to 11 is too wide for the layout). It is given in pixels at
// the window's own scale, the size 8 points have at its DPI.
wxFont layoutFont(double scale) {
  return wxFont(wxFontInfo(wxSize(0, dialogFontPixels(scale))).FaceName("Tahoma"));
}

// The icon resource of the executable's resource script, in the small size of title bars and
// the large one of the task switcher.
void giveProgramIcon(wxTopLevelWindow* frame) {
  wxIconBundle icons;
  icons.AddIcon(wxIcon("aaaa", wxBITMAP_TYPE_ICO_RESOURCE, 16, 16));
  icons.AddIcon(wxIcon("aaaa", wxBITMAP_TYPE_ICO_RESOURCE, 32, 32));
  frame->SetIcons(icons);
}

}  // namespace gui::wx
