#pragma once
// The real libcurl network with the maker's site moved to a loopback server: every URL the
// program builds on siteAddress goes to the given base instead. Records the URLs the program
// asked for, and can refuse to start as a network without sockets would.

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "platform/site.h"
#include "report/network.h"

namespace testing_support {

// Limits short enough that a stalled or silent server costs a test about a second.
inline constexpr report::TransferLimits kShortTransferLimits{
    .connect = std::chrono::seconds(2), .stall = std::chrono::seconds(1), .redirections = 5, .bodyBytes = 1 << 20};

class SiteOnLoopback final : public report::Network {
 public:
  SiteOnLoopback(std::string base, report::TransferLimits limits, bool startSucceeds = true)
      : base_(std::move(base)), real_(limits), startSucceeds_(startSucceeds) {}

  bool start() override { return startSucceeds_ && real_.start(); }
  bool download(const std::string& url, const std::string& target) override {
    askedUrls.push_back(url);
    const std::string& site = platform::siteAddress();
    EXPECT_EQ(url.compare(0, site.size(), site), 0) << url << " is not on the site";
    return real_.download(base_ + url.substr(site.size()), target);
  }

  // Sends the site's addresses to another base from now on.
  void moveTo(std::string base) { base_ = std::move(base); }

  std::vector<std::string> askedUrls;

 private:
  std::string base_;
  report::CurlNetwork real_;
  bool startSucceeds_;
};

}  // namespace testing_support
