#include "net/download_to_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>
#include <memory>
#include <string>
#include <vector>

#include "support/loopback_site.h"
#include "support/scratch_folder.h"
#include "support/site_on_loopback.h"

namespace {

using namespace std::chrono_literals;
using net::TransferOutcome;
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
      {.behaviour = "gzip", .completes = true, .body = drawingBytes()},
      {.behaviour = "deflate", .completes = true, .body = drawingBytes()},
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
      net::TransferLimits limits = kShortTransferLimits;
      limits.bodyBytes = c.bodyLimit;

      const auto started = std::chrono::steady_clock::now();
      const bool completed = net::downloadToFile(urlFor(c.behaviour), folder.pathOf("drawing.pdf"), limits) ==
                             TransferOutcome::Completed;
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
  EXPECT_EQ(net::downloadToFile(loopUrl, folder.pathOf("counted.pdf"), kShortTransferLimits), TransferOutcome::Failed);
  const auto paths = site_->requestedPaths();
  EXPECT_EQ(std::count(paths.begin(), paths.end(), "/loop/counted.pdf"), kShortTransferLimits.redirections + 1);
}

TEST_F(DownloadToFileTest, OverallAndLowSpeedLimitsEndATrickle) {
  // The site sends a byte every 0.2 s: never a stall, but slow for ever.
  struct Case {
    const char* limit;
    std::chrono::seconds overall{0};
    long lowSpeedBytes = 0;
  };
  for (const Case& c : {Case{"overall", 2s, 0}, Case{"low speed", 0s, 100}}) {
    SCOPED_TRACE(c.limit);
    ScratchFolder folder;
    folder.write("drawing.pdf", kOldFile);
    net::TransferLimits limits = kShortTransferLimits;
    limits.overall = c.overall;
    limits.lowSpeedBytes = c.lowSpeedBytes;
    limits.lowSpeedTime = 2s;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(net::downloadToFile(urlFor("trickle"), folder.pathOf("drawing.pdf"), limits), TransferOutcome::Failed);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_GE(took, 1500ms);  // the trickle itself did not end it early
    EXPECT_LT(took, 5s);      // the site trickles for 10 s
    EXPECT_EQ(folder.read("drawing.pdf"), kOldFile);
  }
}

TEST_F(DownloadToFileTest, TheProgressCallbackSeesTheBytesAndCanCancel) {
  for (const bool olderFileThere : {false, true}) {
    ScratchFolder folder;
    if (olderFileThere) folder.write("drawing.pdf", kOldFile);
    std::int64_t lastReceived = -1, lastTotal = -1;
    const auto progress = [&](std::int64_t received, std::int64_t total) {
      lastReceived = received;
      lastTotal = total;
      return received < 3;  // the user cancels once three bytes have come
    };
    EXPECT_EQ(net::downloadToFile(urlFor("trickle"), folder.pathOf("drawing.pdf"), kShortTransferLimits, progress),
              TransferOutcome::Cancelled);
    EXPECT_GE(lastReceived, 3);
    EXPECT_LT(lastReceived, static_cast<std::int64_t>(drawingBytes().size()));
    EXPECT_EQ(lastTotal, static_cast<std::int64_t>(drawingBytes().size()));
    EXPECT_EQ(folder.names(), olderFileThere ? std::vector<std::string>{"drawing.pdf"} : std::vector<std::string>{});
    if (olderFileThere) {
      EXPECT_EQ(folder.read("drawing.pdf"), kOldFile);
    }
  }
}

// Sets an environment variable, or removes it, for the life of the object.
class ScopedVariable {
 public:
  ScopedVariable(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
  }
  ~ScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST_F(DownloadToFileTest, GoesThroughTheProxyOfTheEnvironmentUnlessNoProxyNamesTheHost) {
  // A host name no resolver knows (a label over 63 characters is refused without a query
  // leaving the machine): only the proxy, which is the loopback site, can reach it.
  const std::string host = std::string(70, 'p') + ".invalid";
  const std::string url = "http://" + host + "/ok/content/files/durovidud/drawing.pdf";
  const ScopedVariable proxy("http_proxy", site_->proxyAddress());
  for (const bool bypassed : {false, true}) {
    SCOPED_TRACE(bypassed ? "no_proxy names the host" : "no no_proxy");
    const ScopedVariable noProxy("no_proxy", bypassed ? std::optional<std::string>(host) : std::nullopt);
    ScratchFolder folder;
    const auto before = site_->requestedPaths().size();
    const TransferOutcome outcome = net::downloadToFile(url, folder.pathOf("drawing.pdf"), kShortTransferLimits);
    const auto paths = site_->requestedPaths();
    if (bypassed) {
      EXPECT_EQ(outcome, TransferOutcome::Failed);
      EXPECT_EQ(paths.size(), before);
    } else {
      EXPECT_EQ(outcome, TransferOutcome::Completed);
      EXPECT_TRUE(folder.read("drawing.pdf") == drawingBytes());
      ASSERT_EQ(paths.size(), before + 1);
      EXPECT_EQ(paths.back(), url);  // the absolute form a proxy is asked in
    }
  }
}

TEST_F(DownloadToFileTest, RefusesEmptyUrlOrTargetAndAMissingFolder) {
  ScratchFolder folder;
  EXPECT_EQ(net::downloadToFile("", folder.pathOf("drawing.pdf"), kShortTransferLimits), TransferOutcome::Failed);
  EXPECT_EQ(net::downloadToFile(urlFor("ok"), "", kShortTransferLimits), TransferOutcome::Failed);
  EXPECT_EQ(net::downloadToFile(urlFor("ok"), folder.pathOf("no such folder/drawing.pdf"), kShortTransferLimits),
            TransferOutcome::Failed);
  EXPECT_TRUE(folder.names().empty());
}

}  // namespace
