// UTF-8 <-> Windows-1251 on any input: no crash, and
//   - any bytes read as Windows-1251 convert back to the same bytes; a 0x98 (no character)
//     comes back only as the reference "&#65533;";
//   - toWindows1251WithReferences never writes 0x98, the one byte Windows-1251 leaves
//     unassigned, and leaves a text toWindows1251 can convert exactly as toWindows1251 does.

#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "platform/windows1251.h"

namespace {

void checkBytesRoundTrip(std::string_view bytes) {
  const std::string utf8 = platform::fromWindows1251(bytes);
  std::string referenced;
  for (const char byte : bytes) {
    if (byte == '\x98') {
      referenced += "&#65533;";
    } else {
      referenced += byte;
    }
  }
  fuzzCheck(platform::toWindows1251WithReferences(utf8) == referenced);
  if (bytes.find('\x98') == std::string_view::npos) fuzzCheck(platform::toWindows1251(utf8) == bytes);
}

void checkReferences(std::string_view utf8) {
  const std::string withReferences = platform::toWindows1251WithReferences(utf8);
  fuzzCheck(withReferences.find('\x98') == std::string::npos);
  if (const auto exact = platform::toWindows1251(utf8)) fuzzCheck(withReferences == *exact);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  checkBytesRoundTrip(bytes);
  checkReferences(bytes);
  return 0;
}
