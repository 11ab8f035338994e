#pragma once
// A desktop opener that starts nothing and records every file or URL the program opens.

#include <string>
#include <vector>

#include "platform/desktop_opener.h"

namespace testing_support {

class RecordingDesktopOpener final : public platform::DesktopOpener {
 public:
  void open(const std::string& fileOrUrl) override { opened.push_back(fileOrUrl); }
  std::vector<std::string> opened;
};

}  // namespace testing_support
