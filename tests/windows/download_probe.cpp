// One download through the program's own network layer, with the proxy of the user's Internet
// settings, for the company network checks under Wine.
// Usage: download_probe <url> <file>; exit status 0 when the file was written, 1 when the
// transfer failed, 2 for bad arguments, 3 when the network could not be started.
#include <cstdio>

#include "net/network.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: download_probe <url> <file>\n", stderr);
    return 2;
  }
  net::CurlNetwork network;
  if (!network.start()) return 3;
  const net::TransferOutcome outcome = network.download(argv[1], argv[2], net::TransferKind::VersionFile);
  return outcome == net::TransferOutcome::Completed ? 0 : 1;
}
