#include "platform/windows1251.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace platform {
namespace {

// One iconv conversion of a whole text; empty when a character cannot be converted.
std::optional<std::string> convert(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::vector<char> out(text.size() * 4 + 16);
  char* in = const_cast<char*>(text.data());
  std::size_t inLeft = text.size();
  char* outPtr = out.data();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return std::nullopt;
  return std::string(out.data(), outPtr);
}

}  // namespace

std::optional<std::string> toWindows1251(std::string_view utf8) {
  return convert("WINDOWS-1251", "UTF-8", utf8);
}

std::string fromWindows1251(std::string_view bytes) {
  std::string result;
  result.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    // Convert byte by byte so that the one unassigned code (0x98) cannot stop the rest.
    if (auto text = convert("UTF-8", "WINDOWS-1251", std::string_view(&byte, 1))) {
      result += *text;
    } else {
      result += "\xEF\xBF\xBD";
    }
  }
  return result;
}

}  // namespace platform
