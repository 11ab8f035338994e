#pragma once
// Serves the user actions a test has queued, through the shell's own dispatch, the way the
// program's event loop would; returns the exit code if the user ended the program.

#include <optional>

#include "app/shell.h"
#include "gui/headless/headless_toolkit.h"

namespace testing_support {

inline std::optional<int> serveQueued(app::Shell& shell, gui::HeadlessToolkit& toolkit) {
  while (toolkit.hasQueuedActions()) {
    gui::Event event;
    try {
      event = toolkit.waitEvent();
    } catch (const gui::NoMoreEvents&) {
      break;  // only bound clicks were queued; they have run
    }
    if (const auto exitCode = shell.serve(event)) return exitCode;
  }
  return std::nullopt;
}

}  // namespace testing_support
