// Whole-file writes on Windows: the bytes go to a new temporary file next to the target, are
// flushed to the disk, and MoveFileExW replaces the target with it in one step, writing the
// change through to the disk. The temporary is open without sharing while it is written, so a
// leftover sweep cannot delete it.

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

#include "platform/file_queries.h"
#include "platform/files.h"
#include "platform/temporary_names.h"
#include "platform/wide_text.h"
#include "platform/write_leftovers.h"

namespace platform {
namespace {

// Creates a temporary file of a fresh name beside `target` (platform/temporary_names.h); never
// opens a file that already exists.
HANDLE createTemporaryBeside(const std::string& target, std::wstring& temporary) {
  const std::uint64_t start = (static_cast<std::uint64_t>(GetCurrentProcessId()) << 32) ^ GetTickCount64();
  for (std::uint64_t attempt = 0; attempt < 100; ++attempt) {
    temporary = wideFromUtf8(temporaryNameOf(target, start + attempt));
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

}  // namespace

bool writeFileAtomically(const std::string& path, std::string_view bytes) {
  removeWriteLeftoversOf(path);
  const std::wstring target = wideFromUtf8(path);
  std::wstring temporary;
  const HANDLE file = createTemporaryBeside(path, temporary);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  for (std::size_t written = 0; ok && written < bytes.size();) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
    DWORD n = 0;
    ok = WriteFile(file, bytes.data() + written, chunk, &n, nullptr) && n > 0;
    written += n;
  }
  ok = ok && FlushFileBuffers(file);
  ok = CloseHandle(file) && ok;
  ok = ok && MoveFileExW(temporary.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!ok) DeleteFileW(temporary.c_str());
  return ok;
}

namespace {

// The text in the ANSI code page; false in `whole` when a character had no place in it.
std::string ansiFromWide(const std::wstring& wide, bool& whole) {
  BOOL defaulted = FALSE;
  const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, &defaulted);
  std::string ansi(static_cast<std::size_t>(std::max(size, 0)), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), ansi.data(), size,
                      nullptr, &defaulted);
  whole = !defaulted;
  return ansi;
}

}  // namespace

std::string folderForNarrowPaths(const std::string& folder) {
  const std::wstring wide = wideFromUtf8(folder);
  bool whole = false;
  std::string ansi = ansiFromWide(wide, whole);
  if (whole) return ansi;
  std::wstring shortForm(MAX_PATH, L'\0');
  const DWORD size = GetShortPathNameW(wide.c_str(), shortForm.data(), static_cast<DWORD>(shortForm.size()));
  if (size == 0 || size >= shortForm.size()) return ansi;
  shortForm.resize(size);
  return ansiFromWide(shortForm, whole);
}

bool removeAbandonedTemporary(const std::string& path) { return DeleteFileW(wideFromUtf8(path).c_str()) != 0; }

}  // namespace platform
