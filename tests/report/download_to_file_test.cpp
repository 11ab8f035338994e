#include "report/download_to_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "support/loopback_site.h"
#include "support/scratch_folder.h"
#include "support/site_on_loopback.h"

namespace {

using namespace std::chrono_literals;
using testing_support::kShortTransferLimits;
using testing_support::LoopbackSite;
using testing_support::ScratchFolder;

const std::string kOldFile = "an older, good drawing";

// 200 KB with every byte value, so the body arrives in many blocks and binary-safety shows.
std::string drawingBytes() {
  std::string bytes(200 * 1024, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>((i * 7919 + i / 256) % 256);
  return bytes;
}

class DownloadToFileTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    site_ = std::make_unique<LoopbackSite>();
    site_->putFile("drawing.pdf", drawingBytes());
  }
  static void TearDownTestSuite() { site_.reset(); }

  // The URL of the drawing as answered in the given way (see loopback_site.py), or at an
  // unresolvable host, or a local file.
  static std::string urlFor(const std::string& behaviour) {
    // A label of more than 63 characters is refused by the resolver itself, so the lookup fails
    // without a query leaving the machine.
    if (behaviour == "unresolvable host") return "http://" + std::string(70, 'a') + ".invalid/ok/drawing.pdf";
    if (behaviour == "file url") return "file:///etc/passwd";
    return site_->base(behaviour) + "/content/files/durovidud/drawing.pdf";
  }

  static std::unique_ptr<LoopbackSite> site_;
};
std::unique_ptr<LoopbackSite> DownloadToFileTest::site_;

struct DownloadCase {
  std::string behaviour;
  bool completes = false;
  std::string body = {};  // the file's bytes when the download completes
  std::int64_t bodyLimit = kShortTransferLimits.bodyBytes;
};

TEST_F(DownloadToFileTest, KeepsOnlyCompleteSuccessfulBodiesAndNeverABrokenFile) {
  const std::vector<DownloadCase> cases = {
      {.behaviour = "ok", .completes = true, .body = drawingBytes()},
      {.behaviour = "redirect", .completes = true, .body = drawingBytes()},
      {.behaviour = "empty", .completes = true, .body = ""},
      {.behaviour = "status404"},
      {.behaviour = "status500"},
      {.behaviour = "loop"},
      {.behaviour = "tofile"},
      {.behaviour = "short"},
      {.behaviour = "stall"},
      {.behaviour = "silent"},
      {.behaviour = "no server"},
      {.behaviour = "unresolvable host"},
      {.behaviour = "file url"},
      {.behaviour = "ok", .bodyLimit = 1000},
  };
  for (const DownloadCase& c : cases) {
    for (const bool olderFileThere : {false, true}) {
      SCOPED_TRACE(c.behaviour + (olderFileThere ? ", over an older file" : ", no older file") +
                   ", body limit " + std::to_string(c.bodyLimit));
      ScratchFolder folder;
      if (olderFileThere) folder.write("drawing.pdf", kOldFile);
      report::TransferLimits limits = kShortTransferLimits;
      limits.bodyBytes = c.bodyLimit;

      const auto started = std::chrono::steady_clock::now();
      const bool completed = report::downloadToFile(urlFor(c.behaviour), folder.pathOf("drawing.pdf"), limits);
      const auto took = std::chrono::steady_clock::now() - started;

      EXPECT_EQ(completed, c.completes);
      // Whatever happened, the folder holds only the drawing, with no temporary beside it.
      const bool fileExpected = c.completes || olderFileThere;
      EXPECT_EQ(folder.names(), fileExpected ? std::vector<std::string>{"drawing.pdf"} : std::vector<std::string>{});
      if (fileExpected) {
        EXPECT_TRUE(folder.read("drawing.pdf") == (c.completes ? c.body : kOldFile));
      }
      // The server holds a stalled or silent answer for 10 s; the stall limit ends it long before.
      EXPECT_LT(took, 6s);
    }
  }
}

TEST_F(DownloadToFileTest, FollowsABoundedNumberOfRedirections) {
  ScratchFolder folder;
  const std::string loopUrl = site_->base("loop") + "/counted.pdf";
  EXPECT_FALSE(report::downloadToFile(loopUrl, folder.pathOf("counted.pdf"), kShortTransferLimits));
  const auto paths = site_->requestedPaths();
  EXPECT_EQ(std::count(paths.begin(), paths.end(), "/loop/counted.pdf"), kShortTransferLimits.redirections + 1);
}

TEST_F(DownloadToFileTest, TakesNoProxyFromTheEnvironment) {
  const std::string deadProxy = "http://127.0.0.1:" + std::to_string(testing_support::refusedPort());
  for (const char* variable : {"http_proxy", "HTTPS_PROXY", "ALL_PROXY"}) ::setenv(variable, deadProxy.c_str(), 1);
  ScratchFolder folder;
  const bool completed = report::downloadToFile(urlFor("ok"), folder.pathOf("drawing.pdf"), kShortTransferLimits);
  for (const char* variable : {"http_proxy", "HTTPS_PROXY", "ALL_PROXY"}) ::unsetenv(variable);
  EXPECT_TRUE(completed);
  EXPECT_TRUE(folder.read("drawing.pdf") == drawingBytes());
}

TEST_F(DownloadToFileTest, RefusesEmptyUrlOrTargetAndAMissingFolder) {
  ScratchFolder folder;
  EXPECT_FALSE(report::downloadToFile("", folder.pathOf("drawing.pdf"), kShortTransferLimits));
  EXPECT_FALSE(report::downloadToFile(urlFor("ok"), "", kShortTransferLimits));
  EXPECT_FALSE(report::downloadToFile(urlFor("ok"), folder.pathOf("no such folder/drawing.pdf"), kShortTransferLimits));
  EXPECT_TRUE(folder.names().empty());
}

}  // namespace
