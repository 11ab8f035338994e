#pragma once
// The desktop's "open" for a file or URL: the default web browser or PDF viewer shows it.
// Behind an interface so that tests record what the program opens instead of starting a
// browser. Each operating system has its implementation in a file of its own.

#include <string>

namespace platform {

class DesktopOpener {
 public:
  virtual ~DesktopOpener() = default;
  // Starts the desktop's default program for a file path or URL and returns at once, without
  // waiting for it. Failures (no such file, no viewer) are not reported.
  virtual void open(const std::string& fileOrUrl) = 0;
};

// The operating system's own opener.
class SystemDesktopOpener final : public DesktopOpener {
 public:
  void open(const std::string& fileOrUrl) override;
};

}  // namespace platform
