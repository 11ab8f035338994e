// The desktop opener on Linux desktops: "xdg-open <target>", fully detached.
//
// A first child starts a new session and forks the process that runs xdg-open, then ends at
// once; the program reaps that first child right away, so it never waits for the browser and
// leaves no zombie, and the browser belongs to init, outside the program's session and
// terminal. Between fork and exec only async-signal-safe calls are made.

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/desktop_opener.h"

namespace platform {
namespace {

[[noreturn]] void runXdgOpenDetached(const char* target) {
  setsid();
  if (fork() == 0) {
    const int devNull = ::open("/dev/null", O_RDWR);
    if (devNull >= 0) {
      dup2(devNull, STDIN_FILENO);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
    }
    char program[] = "xdg-open";
    char* const arguments[] = {program, const_cast<char*>(target), nullptr};
    execvp(program, arguments);
    _exit(127);
  }
  _exit(0);
}

}  // namespace

void SystemDesktopOpener::open(const std::string& fileOrUrl) {
  const pid_t firstChild = fork();
  if (firstChild == 0) runXdgOpenDetached(fileOrUrl.c_str());
  if (firstChild < 0) return;
  while (waitpid(firstChild, nullptr, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace platform
