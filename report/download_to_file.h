#pragma once
// One HTTP GET of one URL into one local file, on the calling thread.

#include <chrono>
#include <cstdint>
#include <string>

namespace report {

struct TransferLimits {
  std::chrono::seconds connect{10};  // to resolve the host and connect
  std::chrono::seconds stall{20};    // the transfer is given up when no byte arrives this long
  long redirections = 10;            // redirections followed at most
  std::int64_t bodyBytes = 64 * 1024 * 1024;  // longer answers are refused
};

// Downloads url into the file target, following redirections (http and https only), and
// returns true when the whole body arrived with a success status. The body is kept in memory
// and written as a whole file only then, so a failed transfer leaves whatever file was there
// untouched. An error answer (4xx, 5xx), a body cut short, an empty url or target: false.
// No proxy is used.
bool downloadToFile(const std::string& url, const std::string& target, const TransferLimits& limits = {});

}  // namespace report
