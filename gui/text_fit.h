#pragma once
// Whether the texts of a window fit their boxes: a label its place, a button's caption its
// button, a check box's text the room beside its mark, a list title its column (on two lines
// at most). The window's font is what a backend measures with; this only compares, at a
// scale s, the measured extents with the boxes (gui/scale.h), leaving each kind of control the
// room its own drawing takes. It draws nothing and knows no toolkit.

#include <functional>
#include <string>
#include <vector>

#include "gui/toolkit.h"

namespace gui {

struct TextExtent {
  int width = 0, height = 0;
};

// Measures a single line of text in the window's font at the scale being checked.
using MeasureText = std::function<TextExtent(const std::string& line)>;

enum class TextBoxKind {
  Label,         // lines broken at '\n'
  Button,        // caption inside the button's border
  Mark,          // check box or option: the mark, then the text
  FrameCaption,  // on the frame's top edge, after an indent
  Link,
  ListTitle,     // `place` is the column: its width only
  TextLines,     // read-only text: each line beside the vertical scroll bar
};

struct TextBox {
  TextBoxKind kind = TextBoxKind::Label;
  Rect place;  // at 96 dpi
  std::string text;
};

struct Misfit {
  std::string text;
  int needed = 0;     // pixels, at the scale checked
  int available = 0;  // pixels
};

// The title broken at spaces into lines that each fit `width` pixels; a word longer than the
// width stays whole on its own line.
std::vector<std::string> wrapTitle(const std::string& title, int width,
                                   const std::function<int(const std::string&)>& lineWidth);

// A list title wraps onto at most this many header lines.
inline constexpr int kListTitleLines = 2;
// The room a list header leaves on each side of a title, at 96 dpi.
inline constexpr int kListHeaderPadding = 3;

// The boxes whose text does not fit at scale s, in the given order.
std::vector<Misfit> misfits(const std::vector<TextBox>& boxes, double scale,
                            const MeasureText& measure);

}  // namespace gui
