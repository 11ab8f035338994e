#pragma once
// The network as the drawings and the version check use it: the process-wide start-up and
// one download of a URL into a file. Behind an interface so that tests can make the start-up
// fail and send the site's addresses to a server of their own.

#include <string>

#include "report/download_to_file.h"

namespace report {

class Network {
 public:
  virtual ~Network() = default;
  // Starts the network layer, once for the life of the process; false when it cannot be
  // started, and then no transfer is attempted.
  virtual bool start() = 0;
  // One download of url into the file target, as downloadToFile does.
  virtual bool download(const std::string& url, const std::string& target) = 0;
};

// The network on libcurl.
class CurlNetwork : public Network {
 public:
  explicit CurlNetwork(TransferLimits limits = {}) : limits_(limits) {}
  bool start() override;
  bool download(const std::string& url, const std::string& target) override;

 private:
  TransferLimits limits_;
};

}  // namespace report
