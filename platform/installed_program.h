#pragma once
// What the desktop program does differently when it runs as installed: the folder of the
// user's own it works in, and a mark, while it runs, that the installer and the uninstaller
// look for before they replace or remove it.

#include <optional>
#include <string>

namespace platform {

// The user's own folder "ORVEX-selection" in the user's documents (Windows: the Documents
// folder wherever it was moved; elsewhere: the home folder), made when missing; nothing when
// it can neither be found nor made.
std::optional<std::string> usersOwnFolder();

// Held for the life of the process: on Windows the named mutex "Global\ORVEX-selection",
// which the installer and the uninstaller look for; nothing elsewhere.
class RunningMark {
 public:
  RunningMark();
  ~RunningMark();
  RunningMark(const RunningMark&) = delete;
  RunningMark& operator=(const RunningMark&) = delete;

 private:
  void* handle_ = nullptr;
};

}  // namespace platform
