#pragma once
// Look and metrics.
//
// The window layouts are fixed pixel layouts drawn at 96 dpi for the 8-point Windows dialog
// font: labels of 230 px, single-line fields and combo boxes of 20 px, lists whose header and
// three rows fit in 85 px. Each window is shown at its scale s (gui/scale.h), in that font at
// the same 8 points, whatever the desktop's own message font is. GTK's control paddings are
// much larger than Windows', so a style sheet takes the padding and minimum heights out of
// entries, combo boxes, buttons, check marks and the menu bar (installStyleSheet in wx_gtk.h).

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/toplevel.h>

namespace gui::wx {

// A Windows menu bar is 20 px high and is part of the window's inner height there; the
// gadgets below it were placed in what remains.
inline constexpr int kLayoutMenuBarHeight = 20;

// Each row of a list, at 96 dpi. A header is as high as its longest title's lines (a title
// wider than its column takes two lines; see gui/text_fit.h), and the header and three rows
// still fit in 85 px.
inline constexpr int kListRowHeight = 17;
inline constexpr int kListRowsShown = 3;

inline const wxColour kHyperlinkColour(0, 0, 255);

// The scale of a program window: its DPI / 96 on Windows, per monitor; on Linux the desktop's
// text scaling (the screen's font resolution / 96), the same for every window, which a null
// window also gives.
double windowScale(const wxWindow* frame);

// The font of every program window at scale s: the 8-point dialog font.
wxFont layoutFont(double scale);

// Gives a program window the program's icon in its title bar and task bar button (Windows:
// the executable's icon; a Linux desktop takes it from the program's desktop entry).
void giveProgramIcon(wxTopLevelWindow* frame);

}  // namespace gui::wx
