// The desktop opener on Windows: the shell's "open" of the file or URL (ShellExecuteExW with
// the default verb, no parameters, no working folder), which starts the default browser or PDF
// viewer and returns without waiting for it.

#include <windows.h>
#include <shellapi.h>

#include "platform/desktop_opener.h"
#include "platform/wide_text.h"

namespace platform {

void SystemDesktopOpener::open(const std::string& fileOrUrl) {
  const std::wstring target = wideFromUtf8(fileOrUrl);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  info.lpFile = target.c_str();
  info.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&info);
}

}  // namespace platform
