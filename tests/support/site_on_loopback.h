#pragma once
// The real libcurl network with the maker's site moved to a loopback server: every URL the
// program builds on siteAddress goes to the given base instead. Records the URLs the program
// asked for, and can refuse to start as a network without sockets would.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "net/network.h"
#include "platform/site.h"

namespace testing_support {

// Limits short enough that a stalled or silent server costs a test about a second.
inline constexpr net::TransferLimits kShortTransferLimits{
    .connect = std::chrono::seconds(2), .stall = std::chrono::seconds(1), .redirections = 5, .bodyBytes = 1 << 20};

// The program's two kinds of transfer with those limits, and each with its own limit shortened:
// the version file's overall limit, the drawing's low speed (below 100 bytes a second for 2 s).
inline const net::NetworkLimits kShortNetworkLimits = [] {
  net::NetworkLimits limits{.versionFile = kShortTransferLimits, .drawing = kShortTransferLimits};
  limits.versionFile.overall = std::chrono::seconds(2);
  limits.drawing.lowSpeedBytes = 100;
  limits.drawing.lowSpeedTime = std::chrono::seconds(2);
  return limits;
}();

class SiteOnLoopback final : public net::Network {
 public:
  SiteOnLoopback(std::string base, net::NetworkLimits limits, bool startSucceeds = true)
      : base_(std::move(base)), real_(limits), startSucceeds_(startSucceeds) {}

  bool start() override { return startSucceeds_ && real_.start(); }
  net::TransferOutcome download(const std::string& url, const std::string& target, net::TransferKind kind,
                                const net::TransferProgress& progress = {}) override {
    askedUrls.push_back(url);
    const std::string& site = platform::siteAddress();
    EXPECT_EQ(url.compare(0, site.size(), site), 0) << url << " is not on the site";
    return real_.download(base_ + url.substr(site.size()), target, kind, progress);
  }

  // Sends the site's addresses to another base from now on.
  void moveTo(std::string base) { base_ = std::move(base); }

  std::vector<std::string> askedUrls;

 private:
  std::string base_;
  net::CurlNetwork real_;
  bool startSucceeds_;
};

}  // namespace testing_support
