// ORVEX-selection: selection of ORVEX air coolers and condensers.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "app/program.h"
#include "gui/wx/wx_toolkit.h"
#include "net/network.h"
#include "platform/clock.h"
#include "platform/desktop_opener.h"
#include "platform/file_queries.h"
#include "platform/installed_program.h"
#include "platform/utf8_paths.h"

namespace {

// The folder the program keeps its reports, drawings and contact details in. Started as
// installed (the Windows Start-menu shortcut and the Linux launcher pass "--user-folder"), the
// user's own folder, so that whoever installed the program every user who starts it has a
// folder of their own; otherwise the folder it was started in.
std::string workingFolder(int argc, char** argv) {
  const bool asInstalled =
      std::any_of(argv + 1, argv + argc, [](const char* arg) { return std::string_view(arg) == "--user-folder"; });
  if (asInstalled) {
    if (auto folder = platform::usersOwnFolder()) {
      std::error_code ignored;  // the folder is given to every part by name; this is for the dialogs
      std::filesystem::current_path(platform::pathFromUtf8(*folder), ignored);
      return *folder;
    }
  }
  return platform::currentDirectory();
}

}  // namespace

int main(int argc, char** argv) {
  const platform::RunningMark running;
  const std::string folder = workingFolder(argc, argv);
  auto toolkit = gui::createWxToolkit(argc, argv);
  if (!toolkit) {
    std::fprintf(stderr, "orvex-selection: no display to show the windows on\n");
    return 0;
  }
  platform::SteadyClock clock;
  platform::SystemDesktopOpener opener;
  net::CurlNetwork network;
  selection::Services services{clock, opener, network, folder};
  app::Program program(*toolkit, services);
  return program.run();
}
