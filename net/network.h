#pragma once
// The network as the drawings and the version check use it: the process-wide start-up and
// one download of a URL into a file, with the limits of its kind. Behind an interface so that
// tests can make the start-up fail and send the site's addresses to a server of their own.

#include <chrono>
#include <string>

#include "net/download_to_file.h"

namespace net {

// The program's two transfers, each with limits of its own.
enum class TransferKind { VersionFile, Drawing };

struct NetworkLimits {
  // The About window waits for the version file: about 15 s at most.
  TransferLimits versionFile{.overall = std::chrono::seconds(15)};
  // A drawing may be large: no overall limit, but given up below 1 KiB/s for a minute (and
  // the user may cancel it).
  TransferLimits drawing{.lowSpeedBytes = 1024, .lowSpeedTime = std::chrono::seconds(60)};

  const TransferLimits& of(TransferKind kind) const { return kind == TransferKind::VersionFile ? versionFile : drawing; }
};

class Network {
 public:
  virtual ~Network() = default;
  // Starts the network layer, once for the life of the process; false when it cannot be
  // started, and then no transfer is attempted.
  virtual bool start() = 0;
  // One download of url into the file target, as downloadToFile does.
  virtual TransferOutcome download(const std::string& url, const std::string& target, TransferKind kind,
                                   const TransferProgress& progress = {}) = 0;
};

// The network on libcurl.
class CurlNetwork : public Network {
 public:
  explicit CurlNetwork(NetworkLimits limits = {}) : limits_(limits) {}
  bool start() override;
  TransferOutcome download(const std::string& url, const std::string& target, TransferKind kind,
                           const TransferProgress& progress = {}) override;

 private:
  NetworkLimits limits_;
};

}  // namespace net
