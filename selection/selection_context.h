#pragma once
// What the selection windows share with the shell: the toolkit they draw with and the
// program-wide state of the two selection windows.

#include "gui/toolkit.h"

namespace selection {

// Program-wide state of one selection window.
struct WindowFlags {
  bool open = false;       // the window exists
  bool formDirty = false;  // its form holds entered data or a selection ran; outlives the window
};

struct SelectionContext {
  gui::Toolkit& toolkit;
  WindowFlags cooler{};     // window 2
  WindowFlags condenser{};  // window 3
};

}  // namespace selection
