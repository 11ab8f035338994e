// The look of the program's windows on Linux: the scale and the font; the icon comes from the
// desktop entry.

#include "gui/wx/wx_look.h"

#include <gtk/gtk.h>
#include <wx/fontenum.h>

#include "gui/scale.h"

namespace gui::wx {

// GTK's font resolution carries the desktop's text scaling (Xft.dpi and GDK_DPI_SCALE), but
// not its integer scale (GDK_SCALE), which already doubles every logical pixel by itself.
double windowScale(const wxWindow*) {
  GdkScreen* screen = gdk_screen_get_default();
  return sensibleScale(screen ? gdk_screen_get_resolution(screen) / 96.0 : 1.0);
}

// The font is sized in pixels, the em height Windows gives its 8-point dialog font at
// 96 * s dpi, so that GTK's own text scaling does not apply a second time.
wxFont layoutFont(double scale) {
  const int pixels = dialogFontPixels(scale);
  // Liberation Sans has the metrics of Arial; DejaVu Sans, wider, is always there.
  if (wxFontEnumerator::IsValidFacename("Liberation Sans")) {
    return wxFont(wxFontInfo(wxSize(0, pixels)).FaceName("Liberation Sans"));
  }
  return wxFont(wxFontInfo(wxSize(0, pixels * 10 / 11)).FaceName("DejaVu Sans"));
}

void giveProgramIcon(wxTopLevelWindow*) {}

}  // namespace gui::wx
