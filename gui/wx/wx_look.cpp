// The look of the program's windows on Linux: the font; the icon comes from the desktop entry.

#include "gui/wx/wx_look.h"

#include <wx/fontenum.h>

namespace gui::wx {

// The font is sized in pixels, not points, so that it keeps fitting the pixel layout whatever
// resolution the desktop declares. The size is the height of the em, as Windows gives it for
// its 8-point dialog font at 96 dpi: 11 px (its lines are 13 px apart). A larger font cuts
// the labels and list titles that were measured for that one.
wxFont layoutFont() {
  // Liberation Sans has the metrics of Arial; DejaVu Sans, wider, is always there.
  if (wxFontEnumerator::IsValidFacename("Liberation Sans")) {
    return wxFont(wxFontInfo(wxSize(0, 11)).FaceName("Liberation Sans"));
  }
  return wxFont(wxFontInfo(wxSize(0, 10)).FaceName("DejaVu Sans"));
}

void giveProgramIcon(wxTopLevelWindow*) {}

}  // namespace gui::wx
