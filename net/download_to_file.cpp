#include "net/download_to_file.h"

#include <curl/curl.h>

#include <chrono>

#include "net/system_proxy.h"
#include "net/transfer_options.h"
#include "platform/files.h"
#include "platform/site.h"

namespace net {
namespace {

using Clock = std::chrono::steady_clock;

// How long one wait for the network lasts at most: the progress callback (and through it the
// windows) is served at least this often.
constexpr int kPollMilliseconds = 50;

struct Transfer {
  std::string body;
  std::int64_t bodyLimit = 0;
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

// One easy handle run by a multi handle, so that the caller is served while the transfer waits.
class Handles {
 public:
  Handles() : easy_(curl_easy_init()), multi_(curl_multi_init()) {}
  ~Handles() {
    if (added_) curl_multi_remove_handle(multi_, easy_);
    if (multi_) curl_multi_cleanup(multi_);
    if (easy_) curl_easy_cleanup(easy_);
  }
  Handles(const Handles&) = delete;
  Handles& operator=(const Handles&) = delete;

  bool ready() const { return easy_ && multi_; }
  CURL* easy() const { return easy_; }
  CURLM* multi() const { return multi_; }
  bool start() { return added_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK; }

 private:
  CURL* easy_;
  CURLM* multi_;
  bool added_ = false;
};

void setOptions(CURL* curl, const std::string& url, const TransferLimits& limits, Transfer& transfer,
                const std::string& userAgent, const std::optional<ProxySetting>& proxy) {
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits.redirections);
  curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
  // Every encoding this libcurl decodes is offered, and an encoded body is decoded whether it
  // was asked for or not.
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
  // Without settings of its own, libcurl takes http_proxy, https_proxy and no_proxy from the
  // environment; an empty proxy connects directly.
  if (proxy) curl_easy_setopt(curl, CURLOPT_PROXY, proxy->address.c_str());
  setPlatformTransferOptions(curl);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, static_cast<long>(limits.connect.count()));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT, static_cast<long>(limits.overall.count()));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytes);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.lowSpeedTime.count()));
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.bodyBytes));
  curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, keepBlock);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
}

bool goOn(CURL* curl, const TransferProgress& progress) {
  if (!progress) return true;
  curl_off_t received = 0, total = -1;
  curl_easy_getinfo(curl, CURLINFO_SIZE_DOWNLOAD_T, &received);
  curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
  return progress(received, total > 0 ? total : 0);
}

// Runs the transfer to its end, serving the progress callback and the stall limit meanwhile.
TransferOutcome perform(Handles& handles, const Transfer& transfer, Clock::duration stallLimit,
                        const TransferProgress& progress) {
  for (;;) {
    int running = 0;
    if (curl_multi_perform(handles.multi(), &running) != CURLM_OK) return TransferOutcome::Failed;
    if (running == 0) break;
    if (Clock::now() - transfer.lastArrival > stallLimit) return TransferOutcome::Failed;
    if (!goOn(handles.easy(), progress)) return TransferOutcome::Cancelled;
    if (curl_multi_poll(handles.multi(), nullptr, 0, kPollMilliseconds, nullptr) != CURLM_OK)
      return TransferOutcome::Failed;
  }
  int left = 0;
  const CURLMsg* done = curl_multi_info_read(handles.multi(), &left);
  const bool completed = done && done->msg == CURLMSG_DONE && done->data.result == CURLE_OK;
  return completed ? TransferOutcome::Completed : TransferOutcome::Failed;
}

}  // namespace

TransferOutcome downloadToFile(const std::string& url, const std::string& target, const TransferLimits& limits,
                               const TransferProgress& progress) {
  if (url.empty() || target.empty()) return TransferOutcome::Failed;
  Handles handles;
  if (!handles.ready()) return TransferOutcome::Failed;
  Transfer transfer{.body = {}, .bodyLimit = limits.bodyBytes};
  const std::string userAgent = "ORVEX-selection/" + platform::programVersion();
  const std::optional<ProxySetting> proxy = systemProxy(url);
  setOptions(handles.easy(), url, limits, transfer, userAgent, proxy);
  if (!handles.start()) return TransferOutcome::Failed;

  const TransferOutcome outcome = perform(handles, transfer, limits.stall, progress);
  if (outcome != TransferOutcome::Completed) return outcome;
  return platform::writeFileAtomically(target, transfer.body) ? TransferOutcome::Completed : TransferOutcome::Failed;
}

}  // namespace net
