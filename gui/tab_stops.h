#pragma once
// The stops of the keyboard's Tab in a window, as Windows dialogs have them: every control
// that takes the focus in the reading order of its place (gui/reading_order.h), a control the
// window puts first ahead of them all, and an option group as one stop, at its ticked option
// (its first one while none is ticked), the arrow keys moving inside it. Both backends follow
// it; it moves no focus itself.

#include <cstddef>
#include <optional>
#include <vector>

#include "gui/toolkit.h"

namespace gui {

struct TabCandidate {
  Rect place;
  int optionGroup = 0;  // options of one group share a number other than 0
  bool checked = false;
  bool enabled = true;
  bool first = false;  // put ahead of the reading order
};

// The stops in order, as indices of `candidates`; one option per group.
std::vector<std::size_t> tabStops(const std::vector<TabCandidate>& candidates);

// The enabled stop that Tab (or Shift+Tab, `backward`) goes to from `current`, the candidate
// that has the focus (none: the first, or the last, stop). Empty when no stop is enabled.
std::optional<std::size_t> nextTabStop(const std::vector<TabCandidate>& candidates,
                                       std::optional<std::size_t> current, bool backward);

}  // namespace gui
