// ORVEX-selection: selection of ORVEX air coolers and condensers.

#include "app/program.h"
#include "gui/wx/wx_toolkit.h"
#include "platform/clock.h"

#include <cstdio>

int main(int argc, char** argv) {
  auto toolkit = gui::createWxToolkit(argc, argv);
  if (!toolkit) {
    std::fprintf(stderr, "orvex-selection: no display to show the windows on\n");
    return 0;
  }
  platform::SteadyClock clock;
  app::Program program(*toolkit, clock);
  return program.run();
}
