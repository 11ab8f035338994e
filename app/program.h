#pragma once
// The program assembled: the shell with the windows it serves.

#include "app/shell.h"
#include "gui/toolkit.h"
#include "selection/selection_context.h"

namespace app {

class Program {
 public:
  Program(gui::Toolkit& toolkit, selection::Services& services);
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  Shell& shell() { return shell_; }
  selection::SelectionContext& selectionContext() { return context_; }
  // Start-up, then the event loop until the exit; returns the exit code.
  int run() { return shell_.run(); }

 private:
  selection::SelectionContext context_;
  Shell shell_;
};

}  // namespace app
