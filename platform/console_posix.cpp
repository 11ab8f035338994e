#include <errno.h>
#include <signal.h>
#include <string.h>
#include <unistd.h>

#include "platform/console.h"

namespace platform {

// A POSIX terminal takes UTF-8 bytes and the streams already pass bytes unchanged. A closed
// pipe makes a write fail with EPIPE instead of ending the program unannounced.
void prepareConsole() { ::signal(SIGPIPE, SIG_IGN); }

std::vector<std::string> commandLineArguments(int argc, char** argv) { return {argv, argv + argc}; }

bool standardOutputIsTerminal() { return ::isatty(STDOUT_FILENO) == 1; }

bool writeStandardStream(int stream, std::string_view bytes, std::string& reason) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(stream, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      reason = written < 0 ? ::strerror(errno) : "nothing was written";
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace platform
