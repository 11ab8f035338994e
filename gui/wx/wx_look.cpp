// The font of the program's windows.

#include "gui/wx/wx_look.h"

#include <wx/fontenum.h>

namespace gui::wx {

// The font is sized in pixels, not points, so that it keeps fitting the pixel layout whatever
// resolution the desktop declares: 13 px of line height is the 8-point font at 96 dpi.
wxFont layoutFont() {
  // Liberation Sans has the metrics of Arial; DejaVu Sans, wider, is always there.
  if (wxFontEnumerator::IsValidFacename("Liberation Sans")) {
    return wxFont(wxFontInfo(wxSize(0, 13)).FaceName("Liberation Sans"));
  }
  return wxFont(wxFontInfo(wxSize(0, 12)).FaceName("DejaVu Sans"));
}

}  // namespace gui::wx
