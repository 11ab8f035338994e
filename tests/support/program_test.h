#pragma once
// The whole program on the headless toolkit, a fake clock, a desktop opener that records what
// it opens, and the maker's site moved to a port where nobody listens (tests that need a site
// start one), started up in a scratch folder, with the user's actions served through the
// shell's own dispatch: what the window tests drive.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/headless/headless_toolkit.h"
#include "support/fake_clock.h"
#include "support/loopback_site.h"
#include "support/recording_desktop_opener.h"
#include "support/scratch_folder.h"
#include "support/serve_queued.h"
#include "support/site_on_loopback.h"

namespace testing_support {

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program_.shell().startUp()); }

  void serve() { EXPECT_EQ(serveQueued(program_.shell(), toolkit_), std::nullopt); }

  void choose(int window, int gadget, const std::string& item) {
    toolkit_.chooseItem(window, gadget, item);
    serve();
  }
  void typeAndLeave(int window, int gadget, const std::string& value) {
    toolkit_.type(window, gadget, value);
    toolkit_.leave(window, gadget);
    serve();
  }
  void click(int window, int gadget) {
    toolkit_.click(window, gadget);
    serve();
  }
  void chooseMenu(int window, int item) {
    toolkit_.chooseMenu(window, item);
    serve();
  }
  std::vector<std::string> items(int window, int gadget) const {
    std::vector<std::string> result;
    for (const auto& item : toolkit_.gadget(window, gadget).items) result.push_back(item.first);
    return result;
  }
  selection::SelectionContext& context() { return program_.selectionContext(); }

  ScratchFolder folder_;
  gui::HeadlessToolkit toolkit_;
  FakeClock clock_;
  RecordingDesktopOpener opener_;
  SiteOnLoopback network_{"http://127.0.0.1:" + std::to_string(refusedPort()), kShortNetworkLimits};
  selection::Services services_{clock_, opener_, network_, folder_.path()};
  app::Program program_{toolkit_, services_};
};

}  // namespace testing_support
