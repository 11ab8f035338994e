#pragma once
// The application shell: the start-up sequence, the splash, the main window, the one event loop
// that serves every window, and the exit. Only the shell closes windows: a window's handler
// returns 0 when its window asks to be closed, and the shell confirms where a question is due,
// closes the window and re-enables the window beneath it.

#include <array>
#include <functional>
#include <optional>

#include "gui/toolkit.h"
#include "platform/clock.h"

namespace app {

inline constexpr int kWindowCount = 8;
inline constexpr std::int64_t kSplashMilliseconds = 5000;

// What a window module gives the shell for its window number. Which windows ask before
// closing (the two selection windows) and which parent a child window re-enables (4 and 6:
// window 2; 5 and 7: window 3) is the shell's own, fixed knowledge.
struct WindowRole {
  std::function<int(const gui::Event&)> handle;  // 0: the window asks to be closed
  std::function<void()> afterClosing;            // e.g. forget that the window is open
};

class Shell {
 public:
  Shell(gui::Toolkit& toolkit, platform::Clock& clock) : toolkit_(toolkit), clock_(clock) {}

  // Connects window numbers 2 to 7 and the two openers of the main window.
  void setRole(int window, WindowRole role) { roles_.at(window) = std::move(role); }
  void setOpeners(std::function<void()> openCoolerWindow, std::function<void()> openCondenserWindow);

  // Decodes the pictures, loads the catalog, shows the splash for just over five seconds and
  // then the main window. False when the main window could not be opened.
  bool startUp();

  // Serves one event; returns the exit code once the user has confirmed the exit.
  std::optional<int> serve(const gui::Event& event);

  // The whole program: start-up, then the event loop until the exit; returns the exit code.
  int run();

 private:
  void buildMainWindow();
  void waitForSplashTime(std::int64_t splashStart);
  std::optional<int> serveMainWindow(const gui::Event& event);
  void closeWindow(int window);

  gui::Toolkit& toolkit_;
  platform::Clock& clock_;
  std::array<WindowRole, kWindowCount> roles_{};
  std::function<void()> openCoolerWindow_;
  std::function<void()> openCondenserWindow_;
};

}  // namespace app
