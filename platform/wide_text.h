#pragma once
// The program's UTF-8 texts as the UTF-16 texts of the Windows API, and back.

#include <string>

namespace platform {

std::wstring wideFromUtf8(const std::string& utf8);
std::string utf8FromWide(const std::wstring& wide);

}  // namespace platform
