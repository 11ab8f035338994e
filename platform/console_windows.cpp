#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

#include "platform/console.h"
#include "platform/wide_text.h"

namespace platform {
namespace {

HANDLE standardHandle(int stream) { return GetStdHandle(stream == 2 ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE); }

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

std::string lastErrorText() {
  wchar_t* text = nullptr;
  FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 GetLastError(), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string said = text ? utf8FromWide(text) : "Windows error " + std::to_string(GetLastError());
  LocalFree(text);
  while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == '.')) said.pop_back();
  return said;
}

}  // namespace

void prepareConsole() { _setmode(_fileno(stdin), _O_BINARY); }

// argv holds the arguments in the ANSI code page, which cannot hold every character; the
// wide command line can.
std::vector<std::string> commandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

bool standardOutputIsTerminal() { return isConsole(standardHandle(1)); }

// A console takes the text as UTF-16 (whatever its code page); a file or a pipe the bytes.
bool writeStandardStream(int stream, std::string_view bytes, std::string& reason) {
  const HANDLE handle = standardHandle(stream);
  if (isConsole(handle)) {
    const std::wstring text = wideFromUtf8(std::string(bytes));
    for (std::size_t done = 0; done < text.size();) {
      DWORD written = 0;
      if (!WriteConsoleW(handle, text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) ||
          written == 0) {
        reason = lastErrorText();
        return false;
      }
      done += written;
    }
    return true;
  }
  while (!bytes.empty()) {
    DWORD written = 0;
    if (!WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written == 0) {
      reason = lastErrorText();
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace platform
