#include "report/drawings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/site.h"
#include "support/loopback_site.h"
#include "support/scratch_folder.h"
#include "support/site_on_loopback.h"

namespace {

using report::DrawingDownload;
using testing_support::kShortNetworkLimits;
using testing_support::LoopbackSite;
using testing_support::ScratchFolder;
using testing_support::SiteOnLoopback;


TEST(DrawingPlaces, FileNameKeepsTheModelAndTheUrlEncodesIt) {
  struct Case {
    std::string model, fileName, urlFileName;
  };
  const std::vector<Case> cases = {
      {"KD-100A", "KD-100A.pdf", "KD-100A.pdf"},
      {"VP 1", "VP 1.pdf", "VP%201.pdf"},
      {"VK-M 2.1/40", "VK-M 2.1/40.pdf", "VK-M%202.1%2F40.pdf"},
      {"ВО-1", "ВО-1.pdf", "%D0%92%D0%9E-1.pdf"},
  };
  const std::string& site = platform::siteAddress();
  ASSERT_TRUE(site.starts_with("http://") || site.starts_with("https://")) << site;
  ASSERT_FALSE(site.ends_with("/")) << site;
  for (const Case& c : cases) {
    EXPECT_EQ(report::drawingFileName(c.model), c.fileName);
    EXPECT_EQ(report::drawingUrl(c.model), site + "/content/files/durovidud/" + c.urlFileName);
  }
}

class DrawingDownloadTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    site_ = std::make_unique<LoopbackSite>();
    site_->putFile("VP 1.pdf", "%PDF-1.4 the drawing of VP 1");
  }
  static void TearDownTestSuite() { site_.reset(); }
  static std::unique_ptr<LoopbackSite> site_;
};
std::unique_ptr<LoopbackSite> DrawingDownloadTest::site_;

TEST_F(DrawingDownloadTest, DownloadsUnderTheModelNameAndTellsWhatHappened) {
  struct Case {
    std::string behaviour;  // how the site answers; "no server": nobody listens
    bool networkStarts = true;
    DrawingDownload outcome;
  };
  const std::vector<Case> cases = {
      {.behaviour = "ok", .outcome = DrawingDownload::Done},
      {.behaviour = "redirect", .outcome = DrawingDownload::Done},
      {.behaviour = "status404", .outcome = DrawingDownload::Failed},
      {.behaviour = "status500", .outcome = DrawingDownload::Failed},
      {.behaviour = "short", .outcome = DrawingDownload::Failed},
      {.behaviour = "gzip", .outcome = DrawingDownload::Done},
      {.behaviour = "trickle", .outcome = DrawingDownload::Failed},  // a drawing's low-speed limit
      {.behaviour = "no server", .outcome = DrawingDownload::Failed},
      {.behaviour = "ok", .networkStarts = false, .outcome = DrawingDownload::NetworkNotStarted},
  };
  const std::string olderDrawing = "an older, good drawing";
  for (const Case& c : cases) {
    for (const bool olderFileThere : {false, true}) {
      SCOPED_TRACE(c.behaviour + (c.networkStarts ? "" : ", network not started") +
                   (olderFileThere ? ", over an older file" : ", no older file"));
      ScratchFolder folder;
      if (olderFileThere) folder.write("VP 1.pdf", olderDrawing);
      SiteOnLoopback network(site_->base(c.behaviour), kShortNetworkLimits, c.networkStarts);

      EXPECT_EQ(report::downloadDrawing(network, "VP 1", folder.path()), c.outcome);

      const bool done = c.outcome == DrawingDownload::Done;
      const bool fileExpected = done || olderFileThere;
      EXPECT_EQ(folder.names(), fileExpected ? std::vector<std::string>{"VP 1.pdf"} : std::vector<std::string>{});
      if (fileExpected) {
        EXPECT_EQ(folder.read("VP 1.pdf"), done ? "%PDF-1.4 the drawing of VP 1" : olderDrawing);
      }
      const std::vector<std::string> expectedUrls =
          c.networkStarts ? std::vector<std::string>{report::drawingUrl("VP 1")} : std::vector<std::string>{};
      EXPECT_EQ(network.askedUrls, expectedUrls);
    }
  }
  // The site saw the space of the model name as %20.
  const auto paths = site_->requestedPaths();
  EXPECT_NE(std::find(paths.begin(), paths.end(), "/ok/content/files/durovidud/VP%201.pdf"), paths.end());
  for (const std::string& path : paths) EXPECT_EQ(path.find(' '), std::string::npos) << path;
}

}  // namespace
