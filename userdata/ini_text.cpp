#include "userdata/ini_text.h"

#include <array>
#include <vector>

#include "platform/utf8_text.h"
#include "platform/windows1251.h"
#include "userdata/letter_case.h"

namespace userdata {
namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kLineEnd = "\r\n";

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find_first_of(kLineEnd);
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

// The file's text as valid UTF-8, whatever the bytes: a bad sequence in a UTF-8 file shows as
// U+FFFD instead of taking its whole value with it.
std::string programText(std::string_view fileBytes) {
  if (fileBytes.starts_with(kUtf8ByteOrderMark)) {
    return platform::validUtf8(fileBytes.substr(kUtf8ByteOrderMark.size()));
  }
  if (fileBytes.starts_with(kUtf16LittleEndianMark)) {
    return platform::utf8FromUtf16(fileBytes.substr(kUtf16LittleEndianMark.size()),
                                   platform::ByteOrder::LittleEndian);
  }
  if (fileBytes.starts_with(kUtf16BigEndianMark)) {
    return platform::utf8FromUtf16(fileBytes.substr(kUtf16BigEndianMark.size()),
                                   platform::ByteOrder::BigEndian);
  }
  return platform::fromWindows1251(fileBytes);
}

std::string onOneLine(std::string value) {
  for (char& c : value) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return value;
}

}  // namespace

UserInfo parseUserInfo(std::string_view fileBytes) {
  const std::string text = programText(fileBytes);
  UserInfo info;
  std::array<bool, kUserInfoKeys.size()> found{};
  bool inUserGroup = false;
  for (const std::string_view rawLine : splitLines(text)) {
    const std::string_view line = trimBlanks(rawLine);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::string_view name = line.substr(1, line.find(']') - 1);
      inUserGroup = equalIgnoringCase(trimBlanks(name), kUserInfoGroup);
      continue;
    }
    const auto equals = line.find('=');
    if (!inUserGroup || equals == std::string_view::npos) continue;
    const std::string_view key = trimBlanks(line.substr(0, equals));
    for (std::size_t k = 0; k < kUserInfoKeys.size(); ++k) {
      if (!found[k] && equalIgnoringCase(key, kUserInfoKeys[k].name)) {
        info.*kUserInfoKeys[k].value = std::string(trimBlanks(line.substr(equals + 1)));
        found[k] = true;
      }
    }
  }
  return info;
}

std::string composeUserInfo(const UserInfo& info) {
  std::string text = "[" + std::string(kUserInfoGroup) + "]";
  text += kLineEnd;
  for (const auto& key : kUserInfoKeys) {
    text += std::string(key.name) + " = " + onOneLine(info.*key.value);
    text += kLineEnd;
  }
  if (auto singleByte = platform::toWindows1251(text)) return *std::move(singleByte);
  return std::string(kUtf8ByteOrderMark) + text;
}

}  // namespace userdata
