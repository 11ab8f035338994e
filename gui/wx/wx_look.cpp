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

// The font is 11 px high at 96 dpi, the em height of Windows' 8-point dialog font, and grows
// with s. GTK sizes fonts in points at the desktop's font resolution, which already carries
// the desktop's own scale: the points asked for are those of s over that scale. (GTK turns a
// size given in pixels into whole points, which would round 13 px at s = 1.25 to 14.)
wxFont layoutFont(double scale) {
  const double points = dialogFontPixels(1.0) * 72.0 / 96.0 * scale / windowScale(nullptr);
  // Liberation Sans has the metrics of Arial; DejaVu Sans, wider, is always there.
  if (wxFontEnumerator::IsValidFacename("Liberation Sans")) {
    return wxFont(wxFontInfo(points).FaceName("Liberation Sans"));
  }
  return wxFont(wxFontInfo(points * 10 / 11).FaceName("DejaVu Sans"));
}

void giveProgramIcon(wxTopLevelWindow*) {}

}  // namespace gui::wx
