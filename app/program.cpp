#include "app/program.h"

#include "selection/cooler_window.h"
#include "selection/window_numbers.h"

namespace app {

Program::Program(gui::Toolkit& toolkit, platform::Clock& clock)
    : context_{toolkit}, shell_(toolkit, clock) {
  shell_.setRole(selection::kCoolerWindow,
                 {[this](const gui::Event& event) { return selection::handleCoolerEvent(context_, event); },
                  [this] { context_.coolerWindowOpen = false; }});
  shell_.setOpeners([this] { selection::openCoolerWindow(context_); }, nullptr);
}

}  // namespace app
