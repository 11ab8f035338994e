#pragma once
// What the selection windows share with the shell: the toolkit they draw with, the services
// they use (desktop open, network, clock, the folder the program works in), the program-wide
// state of the two selection windows, and the one project they add positions to.

#include <functional>
#include <string>
#include <vector>

#include "gui/toolkit.h"
#include "platform/clock.h"
#include "platform/desktop_opener.h"
#include "net/network.h"
#include "project/project.h"

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

// The program's one project: its positions and the file it belongs to.
struct ProjectState {
  std::vector<project::Position> positions;
  std::string path;      // the file it was opened from or saved to; "" for a new project
  bool unsaved = false;  // changed since it was opened or saved (or, when new, since it began)
  bool windowOpen = false;
  // Opens the project window, or brings it to the front showing the positions anew.
  std::function<void()> show{};
};

struct SelectionContext {
  gui::Toolkit& toolkit;
  Services& services;
  WindowFlags cooler{};     // window 2
  WindowFlags condenser{};  // window 3
  ProjectState project{};   // window 8
};

}  // namespace selection
