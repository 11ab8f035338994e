#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/desktop_opener.h"
#include "support/scratch_folder.h"

namespace {

using namespace std::chrono_literals;

// An xdg-open first on PATH that writes its argument count and first argument to a file and
// then stays busy for a while, as a browser start would.
class FakeXdgOpen {
 public:
  FakeXdgOpen() : oldPath_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    folder_.write("xdg-open",
                  "#!/bin/sh\n"
                  "printf '%s\\n%s' \"$#\" \"$1\" > \"$ORVEX_OPENED.part\" && mv \"$ORVEX_OPENED.part\" \"$ORVEX_OPENED\"\n"
                  "sleep 2\n");
    ::chmod(folder_.pathOf("xdg-open").c_str(), 0755);
    ::setenv("PATH", (folder_.path() + ":" + oldPath_).c_str(), 1);
    ::setenv("ORVEX_OPENED", folder_.pathOf("opened.txt").c_str(), 1);
  }
  ~FakeXdgOpen() {
    ::setenv("PATH", oldPath_.c_str(), 1);
    ::unsetenv("ORVEX_OPENED");
  }
  // What the fake received, once it has written it (empty after 5 s without it).
  std::string received() const {
    for (int tries = 0; tries < 100 && notYetWritten(); ++tries) std::this_thread::sleep_for(50ms);
    return folder_.read("opened.txt");
  }
  void forget() const { std::filesystem::remove(folder_.pathOf("opened.txt")); }

 private:
  bool notYetWritten() const { return !std::filesystem::exists(folder_.pathOf("opened.txt")); }
  testing_support::ScratchFolder folder_;
  std::string oldPath_;
};

TEST(SystemDesktopOpener, StartsXdgOpenDetachedWithTheTargetIntact) {
  FakeXdgOpen fake;
  platform::SystemDesktopOpener opener;
  for (const std::string target : {"/home/user/Подбор оборудования/VP 1.pdf",
                                   "https://orvex.example/content/files/durovidud/VP%201.pdf",
                                   "orvex-selection.htm", "a  b $HOME 'q' \"d\" `c` ;&|.pdf"}) {
    SCOPED_TRACE(target);
    fake.forget();
    const auto started = std::chrono::steady_clock::now();
    opener.open(target);
    // The fake stays busy for 2 s; open() does not wait for it ...
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1s);
    // ... and leaves no child of the program behind, not even a zombie.
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_EQ(fake.received(), "1\n" + target);
  }
}

}  // namespace
