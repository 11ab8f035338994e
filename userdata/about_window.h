#pragma once
// The About window ("О программе"), window 4 from the air cooler window and window 5 from the
// condenser window: the program and its version, the newest version the maker's site
// announces (checked anew at every opening), and a link to the program's page.

#include <string>

#include "gui/toolkit.h"
#include "platform/desktop_opener.h"
#include "net/network.h"

namespace userdata::about {
// Gadgets of the About window.
inline constexpr int kText = 3;
inline constexpr int kSiteLink = 4;
inline constexpr int kOkButton = 5;
}  // namespace userdata::about

namespace userdata {

// Opens the window over its parent and fills it; the version check runs (and blocks) once the
// logo and the text are painted. The version file goes through the folder. Nothing happens
// when the window cannot be opened.
void openAboutWindow(gui::Toolkit& toolkit, int parent, int window, net::Network& network,
                     const std::string& folder);

// Serves one event of an About window; 0 when it is to be closed (the close box, "Ok"), 1
// otherwise (Enter and Escape press "Ok"). The link opens the program's page on the maker's site.
int handleAboutEvent(platform::DesktopOpener& opener, const gui::Event& event);

}  // namespace userdata
