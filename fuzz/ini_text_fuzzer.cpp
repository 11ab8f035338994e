// The contact details' ini text on any input (Windows-1251, UTF-8 or UTF-16 by its first
// bytes): no crash, every value read is valid UTF-8, and five values composed into a file read
// back unchanged, bytes that are not valid UTF-8 as U+FFFD. The values are cut from the input at
// NUL bytes, without line breaks and without leading or trailing blanks (the reader removes
// those by design).

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/utf8_text.h"
#include "userdata/ini_text.h"

namespace {

std::string valueFrom(std::string_view text) {
  std::string value;
  for (const char c : text) {
    if (c != '\r' && c != '\n') value += c;
  }
  const auto first = value.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return value.substr(first, value.find_last_not_of(" \t") - first + 1);
}

userdata::UserInfo valuesFrom(std::string_view bytes) {
  userdata::UserInfo info;
  for (const auto& key : userdata::kUserInfoKeys) {
    const auto end = bytes.find('\0');
    info.*key.value = valueFrom(bytes.substr(0, end));
    bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
  }
  return info;
}

userdata::UserInfo repaired(userdata::UserInfo info) {
  for (const auto& key : userdata::kUserInfoKeys) info.*key.value = platform::validUtf8(info.*key.value);
  return info;
}

bool allValidUtf8(const userdata::UserInfo& info) {
  for (const auto& key : userdata::kUserInfoKeys) {
    if (platform::validUtf8(info.*key.value) != info.*key.value) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzzCheck(allValidUtf8(userdata::parseUserInfo(bytes)));
  const userdata::UserInfo info = valuesFrom(bytes);
  fuzzCheck(userdata::parseUserInfo(userdata::composeUserInfo(info)) == repaired(info));
  return 0;
}
