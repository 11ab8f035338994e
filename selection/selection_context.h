#pragma once
// What the selection windows share with the shell: the toolkit they draw with, the services
// they use (desktop open, network, clock, the folder the program works in), and the
// program-wide state of the two selection windows.

#include <string>

#include "gui/toolkit.h"
#include "platform/clock.h"
#include "platform/desktop_opener.h"
#include "net/network.h"

namespace selection {

// The program's services, in one place: tests put their own in.
struct Services {
  platform::Clock& clock;
  platform::DesktopOpener& opener;  // shows pages and drawings; never waits, never fails aloud
  net::Network& network;            // drawings and the version check
  std::string folder;               // where the report, the drawings and the contact details live
};

// Program-wide state of one selection window.
struct WindowFlags {
  bool open = false;       // the window exists
  bool formDirty = false;  // its form holds entered data or a selection ran; outlives the window
};

struct SelectionContext {
  gui::Toolkit& toolkit;
  Services& services;
  WindowFlags cooler{};     // window 2
  WindowFlags condenser{};  // window 3
};

}  // namespace selection
