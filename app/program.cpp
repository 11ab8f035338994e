#include "app/program.h"

#include "project/project_window.h"
#include "selection/condenser_window.h"
#include "selection/cooler_window.h"

namespace app {

Program::Program(gui::Toolkit& toolkit, selection::Services& services)
    : context_{.toolkit = toolkit, .services = services}, shell_(toolkit, services.clock, services.folder) {
  selection::registerCoolerWindow(shell_, context_);
  selection::registerCondenserWindow(shell_, context_);
  project::registerProjectWindow(shell_, context_);
}

}  // namespace app
