#pragma once
// Putting program texts (model names) into URLs.

#include <string>
#include <string_view>

namespace platform {

// Percent-encodes a text for use as one segment of a URL path: letters, digits and
// "-._~!$&'()*+,;=:@" stay as they are, every other byte (a space, "/", "?", "#", "%",
// the bytes of a non-ASCII character) becomes %XX with capital hex digits.
std::string percentEncodePathSegment(std::string_view text);

}  // namespace platform
