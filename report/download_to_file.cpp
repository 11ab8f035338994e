#include "report/download_to_file.h"

#include <curl/curl.h>

#include <memory>

#include "platform/files.h"
#include "platform/site.h"

namespace report {
namespace {

struct Body {
  std::string bytes;
  std::int64_t limit = 0;
};

std::size_t keepBlock(char* data, std::size_t size, std::size_t count, void* context) {
  auto& body = *static_cast<Body*>(context);
  const std::size_t length = size * count;
  if (static_cast<std::int64_t>(body.bytes.size() + length) > body.limit) return 0;  // aborts
  body.bytes.append(data, length);
  return length;
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
  Body body{.bytes = {}, .limit = limits.bodyBytes};
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
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stall.count()));
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.bodyBytes));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBlock);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &body);

  if (curl_easy_perform(curl) != CURLE_OK) return false;
  return platform::writeFileAtomically(target, body.bytes);
}

}  // namespace report
