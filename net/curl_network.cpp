#include <curl/curl.h>

#include "net/network.h"

namespace net {

bool CurlNetwork::start() {
  // libcurl's global start-up (on Windows it also starts Windows Sockets) runs once; what it
  // gave holds for every later call.
  static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return started;
}

TransferOutcome CurlNetwork::download(const std::string& url, const std::string& target, TransferKind kind,
                                      const TransferProgress& progress) {
  return downloadToFile(url, target, limits_.of(kind), progress);
}

}  // namespace net
