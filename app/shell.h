#pragma once
// The application shell: the start-up sequence, the splash, the main window, the one event loop
// that serves every window, and the exit. Only the shell closes windows: a window's handler
// returns 0 when its window asks to be closed, and the shell confirms where a question is due,
// closes the window and re-enables the window beneath it.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "gui/toolkit.h"
#include "gui/window_roles.h"
#include "platform/clock.h"
#include "selection/window_numbers.h"

namespace app {

inline constexpr std::int64_t kSplashMilliseconds = 5000;

class Shell final : public gui::WindowRegistry {
 public:
  // `folder` is where the program keeps its files; its leftovers there are removed at start-up.
  Shell(gui::Toolkit& toolkit, platform::Clock& clock, std::string folder)
      : toolkit_(toolkit), clock_(clock), folder_(std::move(folder)) {}

  // Window numbers 2 to 8 are served as their modules register them; openers are added before
  // start-up, which binds them to the main window's menu and picture areas.
  void setRole(int window, gui::WindowRole role) override { roles_.at(window) = std::move(role); }
  void addOpener(gui::WindowOpener opener) override { openers_.push_back(std::move(opener)); }

  // Fills the image slots, loads the catalog, removes the program's leftovers from its folder,
  // shows the splash for just over five seconds and
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
  std::string folder_;
  std::array<gui::WindowRole, selection::kWindowCount> roles_{};
  std::vector<gui::WindowOpener> openers_;
};

}  // namespace app
