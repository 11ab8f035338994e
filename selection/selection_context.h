#pragma once
// What the selection windows share with the shell: the toolkit they draw with and the
// program-wide state of the two selection windows.

#include "gui/toolkit.h"

namespace selection {

struct SelectionContext {
  gui::Toolkit& toolkit;
  bool coolerWindowOpen = false;     // window 2 exists
  bool coolerFormDirty = false;      // its form holds entered data or a selection ran
  bool condenserWindowOpen = false;  // window 3 exists
  bool condenserFormDirty = false;
};

}  // namespace selection
