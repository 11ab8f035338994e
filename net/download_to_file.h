#pragma once
// One HTTP GET of one URL into one local file, on the calling thread.

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace net {

struct TransferLimits {
  std::chrono::seconds connect{10};  // to resolve the host and connect
  std::chrono::seconds stall{20};    // given up when no body byte arrives for this long (from the request on)
  std::chrono::seconds overall{0};   // the whole transfer at most this long; 0: no such limit
  // Given up when fewer than lowSpeedBytes a second arrive for lowSpeedTime; 0: no such limit.
  long lowSpeedBytes = 0;
  std::chrono::seconds lowSpeedTime{0};
  long redirections = 10;                     // redirections followed at most
  std::int64_t bodyBytes = 64 * 1024 * 1024;  // longer answers are refused
};

// Told how far a transfer has come, many times a second while it runs: the body bytes received
// so far and the size the server announced (0 when unknown). Returns false to stop it.
using TransferProgress = std::function<bool(std::int64_t received, std::int64_t total)>;

enum class TransferOutcome {
  Completed,  // the whole body is in the file
  Failed,     // no answer, an error answer, a limit, a body cut short
  Cancelled,  // the progress callback asked to stop
};

// Downloads url into the file target, following redirections (http and https only), through
// the proxy the system's settings name, and decodes a body the server encoded (gzip, deflate).
// The body is kept in memory and written as a whole file only when it arrived completely with a
// success status, so a failed or cancelled transfer leaves whatever file was there untouched.
// An error answer (4xx, 5xx), a body cut short, an empty url or target: Failed.
TransferOutcome downloadToFile(const std::string& url, const std::string& target, const TransferLimits& limits = {},
                               const TransferProgress& progress = {});

}  // namespace net
