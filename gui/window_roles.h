#pragma once
// How the program's event loop serves a window, as the window's own module describes it: the
// shell owns the loop and alone closes windows, the window modules register what each window
// needs from it.

#include <functional>

#include "gui/toolkit.h"

namespace gui {

struct WindowRole {
  std::function<int(const Event&)> handle{};  // 0: the window asks to be closed
  std::function<void()> afterClosing{};     // e.g. forget that the window is open
  bool asksBeforeClosing = false;           // a closing is confirmed by the user first
  int parent = kNoParent;                   // enabled and brought to the front once this closes
  // Asked once the user has confirmed the exit, while the window is open: false keeps the
  // program running (e.g. unsaved work the user wants to go back to).
  std::function<bool()> allowsExit{};
};

// A way into a window from the main window: a menu item, and a picture area (kUnnumbered: none).
struct WindowOpener {
  int menuItem = 0;
  int pictureArea = kUnnumbered;
  std::function<void()> open;
};

class WindowRegistry {
 public:
  virtual ~WindowRegistry() = default;
  virtual void setRole(int window, WindowRole role) = 0;
  virtual void addOpener(WindowOpener opener) = 0;
};

}  // namespace gui
