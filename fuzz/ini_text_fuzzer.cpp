// The contact details' ini text on any input: no crash, and five values composed into a file
// read back unchanged. The values are cut from the input at NUL bytes, without line breaks and
// without leading or trailing blanks (the reader removes those by design).

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  userdata::parseUserInfo(bytes);
  const userdata::UserInfo info = valuesFrom(bytes);
  fuzzCheck(userdata::parseUserInfo(userdata::composeUserInfo(info)) == info);
  return 0;
}
