// ORVEX-selection: selection of ORVEX air coolers and condensers.

#include <cstdio>

#include "app/program.h"
#include "gui/wx/wx_toolkit.h"
#include "platform/clock.h"
#include "platform/desktop_opener.h"
#include "platform/file_queries.h"
#include "net/network.h"

int main(int argc, char** argv) {
  auto toolkit = gui::createWxToolkit(argc, argv);
  if (!toolkit) {
    std::fprintf(stderr, "orvex-selection: no display to show the windows on\n");
    return 0;
  }
  platform::SteadyClock clock;
  platform::SystemDesktopOpener opener;
  net::CurlNetwork network;
  selection::Services services{clock, opener, network, platform::currentDirectory()};
  app::Program program(*toolkit, services);
  return program.run();
}
