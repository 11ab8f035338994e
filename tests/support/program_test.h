#pragma once
// The whole program on the headless toolkit and a fake clock, started up, with the user's
// actions served through the shell's own dispatch: what the window tests drive.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "gui/headless/headless_toolkit.h"
#include "support/fake_clock.h"
#include "support/serve_queued.h"

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
  std::vector<std::string> items(int window, int gadget) const {
    std::vector<std::string> result;
    for (const auto& item : toolkit_.gadget(window, gadget).items) result.push_back(item.first);
    return result;
  }
  selection::SelectionContext& context() { return program_.selectionContext(); }

  gui::HeadlessToolkit toolkit_;
  FakeClock clock_;
  app::Program program_{toolkit_, clock_};
};

}  // namespace testing_support
