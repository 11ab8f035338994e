#include "userdata/version_check.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/site.h"
#include "support/loopback_site.h"
#include "support/scratch_folder.h"
#include "support/site_on_loopback.h"

namespace {

using testing_support::kShortNetworkLimits;
using testing_support::LoopbackSite;
using testing_support::ScratchFolder;
using testing_support::SiteOnLoopback;

constexpr gui::Rgb kGreen{.red = 0, .green = 128, .blue = 0};
constexpr gui::Rgb kRed{.red = 255, .green = 0, .blue = 0};

TEST(VersionStateColour, GreenOnlyForExactlyTheRunningVersion) {
  EXPECT_EQ(userdata::versionStateColour("2.2.0"), kGreen);
  for (const std::string other : {"2.3.0", "2.1.9", "2.2.0 ", " 2.2.0", "2.2", "?", ""}) {
    EXPECT_EQ(userdata::versionStateColour(other), kRed) << '"' << other << '"';
  }
}

class VersionCheckTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { site_ = std::make_unique<LoopbackSite>(); }
  static void TearDownTestSuite() { site_.reset(); }
  static std::unique_ptr<LoopbackSite> site_;
};
std::unique_ptr<LoopbackSite> VersionCheckTest::site_;

TEST_F(VersionCheckTest, ReadsTheFirstLineAsItStandsAndLeavesNoFile) {
  struct Case {
    std::string versionFile;    // what the site holds
    std::string behaviour;      // how it answers; "no server": nobody listens
    std::string shown;          // what the check returns
    gui::Rgb colour;
    bool networkStarts = true;
  };
  const std::vector<Case> cases = {
      {.versionFile = "2.2.0", .behaviour = "ok", .shown = "2.2.0", .colour = kGreen},
      {.versionFile = "2.2.0\r\n", .behaviour = "ok", .shown = "2.2.0", .colour = kGreen},
      {.versionFile = "2.2.0\nnext line\n", .behaviour = "ok", .shown = "2.2.0", .colour = kGreen},
      {.versionFile = "2.2.0\n", .behaviour = "redirect", .shown = "2.2.0", .colour = kGreen},
      {.versionFile = "2.2.0\r\n", .behaviour = "gzip", .shown = "2.2.0", .colour = kGreen},
      // A site that trickles the file is given up at the version file's overall limit.
      {.versionFile = "2.2.0\r\n" + std::string(40, '#'), .behaviour = "trickle", .shown = "?", .colour = kRed},
      {.versionFile = "2.3.0\n", .behaviour = "ok", .shown = "2.3.0", .colour = kRed},
      {.versionFile = "2.1.9\r\n", .behaviour = "ok", .shown = "2.1.9", .colour = kRed},
      {.versionFile = "2.2.0 \r\n", .behaviour = "ok", .shown = "2.2.0 ", .colour = kRed},
      // A byte-order mark stays part of the line; as single-byte text it reads "п»ї".
      {.versionFile = "\xEF\xBB\xBF" "2.2.0\r\n", .behaviour = "ok", .shown = "п»ї2.2.0", .colour = kRed},
      {.versionFile = "", .behaviour = "empty", .shown = "", .colour = kRed},
      {.versionFile = "2.2.0", .behaviour = "status404", .shown = "?", .colour = kRed},
      {.versionFile = "2.2.0", .behaviour = "status500", .shown = "?", .colour = kRed},
      {.versionFile = "2.2.0", .behaviour = "no server", .shown = "?", .colour = kRed},
      {.versionFile = "2.2.0", .behaviour = "ok", .shown = "?", .colour = kRed, .networkStarts = false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.behaviour + " with \"" + c.versionFile + "\"" + (c.networkStarts ? "" : ", network not started"));
    site_->putFile("orvexselectver.txt", c.versionFile);
    ScratchFolder folder;
    SiteOnLoopback network(site_->base(c.behaviour), kShortNetworkLimits, c.networkStarts);

    const std::string shown = userdata::fetchLatestVersion(network, folder.path());

    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(userdata::versionStateColour(shown), c.colour);
    EXPECT_TRUE(folder.names().empty()) << "the version file outlived the check";
    const std::vector<std::string> expectedUrls =
        c.networkStarts ? std::vector<std::string>{platform::siteAddress() + "/content/files/durovidud/orvexselectver.txt"} : std::vector<std::string>{};
    EXPECT_EQ(network.askedUrls, expectedUrls);
  }
}

// A transfer that reports success but leaves no file behind: the line cannot be read.
class DownloadThatLeavesNothing final : public net::Network {
 public:
  bool start() override { return true; }
  net::TransferOutcome download(const std::string&, const std::string&, net::TransferKind,
                                const net::TransferProgress&) override {
    return net::TransferOutcome::Completed;
  }
};

TEST(VersionCheck, AnUnreadableVersionFileGivesTheEmptyText) {
  ScratchFolder folder;
  DownloadThatLeavesNothing network;
  EXPECT_EQ(userdata::fetchLatestVersion(network, folder.path()), "");
}

}  // namespace
