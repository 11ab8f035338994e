#pragma once
// The order in which a window's layout is read, top to bottom and left to right, as the
// keyboard's Tab follows it.

#include <cstddef>
#include <span>
#include <vector>

#include "gui/toolkit.h"

namespace gui {

// The indices of `places` in reading order. The places are parted along the widest empty strip
// that runs right across them, between rows (upper part first) or between columns (left part
// first; a column strip wins over an equally wide row strip, so that a form laid out in columns
// is read column by column), and each part is read the same way. Places that no strip parts
// follow by their top edge, then their left edge.
std::vector<std::size_t> readingOrder(std::span<const Rect> places);

}  // namespace gui
