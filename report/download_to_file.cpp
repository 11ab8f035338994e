#include "report/download_to_file.h"

#include <curl/curl.h>

#include <chrono>
#include <memory>

#include "platform/files.h"
#include "platform/site.h"

namespace report {
namespace {

using Clock = std::chrono::steady_clock;

struct Transfer {
  std::string body;
  std::int64_t bodyLimit = 0;
  Clock::duration stallLimit{};
  Clock::time_point lastArrival = Clock::now();
};

std::size_t keepBlock(char* data, std::size_t size, std::size_t count, void* context) {
  auto& transfer = *static_cast<Transfer*>(context);
  const std::size_t length = size * count;
  if (static_cast<std::int64_t>(transfer.body.size() + length) > transfer.bodyLimit) return 0;  // aborts
  transfer.body.append(data, length);
  transfer.lastArrival = Clock::now();
  return length;
}

// Called by libcurl at least once a second while it waits; a non-zero answer aborts.
int abortWhenStalled(void* context, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const auto& transfer = *static_cast<const Transfer*>(context);
  return Clock::now() - transfer.lastArrival > transfer.stallLimit ? 1 : 0;
}

struct EasyHandleCleanup {
  void operator()(CURL* handle) const { curl_easy_cleanup(handle); }
};

}  // namespace

bool downloadToFile(const std::string& url, const std::string& target, const TransferLimits& limits) {
  if (url.empty() || target.empty()) return false;
  const std::unique_ptr<CURL, EasyHandleCleanup> handle(curl_easy_init());
  if (!handle) return false;
  CURL* const curl = handle.get();
  Transfer transfer{.body = {}, .bodyLimit = limits.bodyBytes, .stallLimit = limits.stall};
  const std::string userAgent = "ORVEX-selection/" + platform::programVersion();

  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits.redirections);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  // The program takes no settings from the environment, proxies included.
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connect.count()));
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, abortWhenStalled);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.bodyBytes));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBlock);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);

  if (curl_easy_perform(curl) != CURLE_OK) return false;
  return platform::writeFileAtomically(target, transfer.body);
}

}  // namespace report
