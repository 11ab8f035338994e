#pragma once
// The addresses of the files the maker's web site holds for the program (drawings and the
// version file).

#include <string>

namespace net {

// siteAddress + "/content/files/durovidud/" + the file name, percent-encoded as one path
// segment (a space becomes %20).
std::string siteFileUrl(const std::string& fileName);

}  // namespace net
