#pragma once
// The maker's web site and the program's version, fixed when the program is built.

#include <string>

namespace platform {

// Scheme and host of the maker's web site, without a trailing slash, e.g.
// "https://orvex.example". Set at build time with the CMake cache variable ORVEX_SITE_ADDRESS.
const std::string& siteAddress();

// The program's version text, "2.2.0", taken from the CMake project version.
const std::string& programVersion();

}  // namespace platform
