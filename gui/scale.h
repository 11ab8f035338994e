#pragma once
// A window's scale: the windows are described in pixels at 96 dpi for the 8-point dialog
// font, and each is shown at a scale s (its DPI / 96 on Windows, the desktop's text scaling on
// Linux). This turns the described places and sizes into screen pixels and gives the size of
// the dialog font at that scale. It does not find s: each backend asks its own platform.

#include "gui/toolkit.h"

namespace gui {

// The scale a platform reading gives, kept to what a desktop really uses: a reading of
// nothing (0 or less) is 1, and a stray one is held between 0.5 and 4.
double sensibleScale(double reading);

// A length at scale s, rounded to the nearest pixel.
int scaled(int pixels, double scale);

// A place at scale s. Its right and bottom edges are rounded like its left and top ones, so
// gadgets that touch at 96 dpi still touch.
Rect scaled(const Rect& place, double scale);

// The em height, in pixels, of an 8-point font at 96 * s dpi: 11 at 96 dpi, 16 at 144 dpi,
// as Windows sizes its dialog font.
int dialogFontPixels(double scale);

}  // namespace gui
