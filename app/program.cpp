#include "app/program.h"

#include "selection/condenser_window.h"
#include "selection/cooler_window.h"

namespace app {

Program::Program(gui::Toolkit& toolkit, platform::Clock& clock)
    : context_{.toolkit = toolkit}, shell_(toolkit, clock) {
  selection::registerCoolerWindow(shell_, context_);
  selection::registerCondenserWindow(shell_, context_);
}

}  // namespace app
