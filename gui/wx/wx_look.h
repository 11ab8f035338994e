#pragma once
// Look and metrics.
//
// The window layouts are fixed pixel layouts drawn for the 8-point Windows dialog font:
// labels of 230 px, single-line fields and combo boxes of 20 px, lists whose header and three
// rows fit in 85 px. GTK's default font and its control paddings are much larger, so every
// window uses a sans font of that size with Arial metrics, and a style sheet takes the padding
// and minimum heights out of entries, combo boxes, buttons, check marks and the menu bar
// (installStyleSheet in wx_gtk.h).

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/toplevel.h>

namespace gui::wx {

// A Windows menu bar is 20 px high and is part of the window's inner height there; the
// gadgets below it were placed in what remains.
inline constexpr int kLayoutMenuBarHeight = 20;

// List metrics: the space around a header title, and each row of a list. A header is as
// high as its longest title's lines: a title wider than its column takes two lines, and the
// header and three rows still fit in 85 px.
inline constexpr int kListHeaderPadding = 3;
inline constexpr int kListRowHeight = 17;

inline const wxColour kHyperlinkColour(0, 0, 255);

// The font of every program window.
wxFont layoutFont();

// Gives a program window the program's icon in its title bar and task bar button (Windows:
// the executable's icon; a Linux desktop takes it from the program's desktop entry).
void giveProgramIcon(wxTopLevelWindow* frame);

}  // namespace gui::wx
