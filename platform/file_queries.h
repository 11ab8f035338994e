#pragma once
// What the program asks of the file system besides writing whole files (platform/files.h):
// where it runs, whether and how large a file is, the first line of a file, deleting a file.
// Paths are UTF-8 texts.

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

inline constexpr std::int64_t kNoSuchFile = -1;
inline constexpr std::int64_t kIsDirectory = -2;

// The directory the program was started in, as an absolute path (no trailing separator).
std::string currentDirectory();

// The size of a file in bytes; kNoSuchFile when nothing of that name can be found,
// kIsDirectory when the name is a directory.
std::int64_t fileSize(const std::string& path);

// The bytes of the file up to its first line feed, without it; a carriage return right before
// that line feed belongs to the line break and is left out too. Nothing else is removed. Empty
// when the file cannot be read.
std::string readFirstLine(const std::string& path);

// The whole content of a file; nothing when it cannot be opened or read (a directory, for one).
std::optional<std::string> readWholeFile(const std::string& path);

// Deletes a file (or an empty directory); false when there was none or it could not be deleted.
bool deleteFile(const std::string& path);

// The path of a file name inside a folder.
std::string pathInFolder(const std::string& folder, const std::string& fileName);

// An existing folder's path as a C library that opens files by narrow paths takes it: on
// Windows in the ANSI code page, or the folder's short form where that code page cannot hold a
// character of it; unchanged elsewhere (per platform).
std::string folderForNarrowPaths(const std::string& folder);

}  // namespace platform
