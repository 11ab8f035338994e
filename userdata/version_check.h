#pragma once
// The online version check of the About window: the newest version as the maker's web site
// announces it, and the colour that tells whether the running program is that version.

#include <string>
#include <string_view>

#include "gui/toolkit.h"
#include "platform/file_queries.h"
#include "net/network.h"

namespace userdata {

inline constexpr std::string_view kVersionFileName = "orvexselectver.txt";

// Downloads the site's version file into the folder, reads its first line as it stands (no
// trimming; a byte-order mark stays part of it; the file's Windows-1251 text becomes UTF-8),
// deletes the file and returns the line. "?" when the network cannot be started or the
// transfer fails (an error answer included, or the version file's limits); empty when the downloaded file cannot be read.
std::string fetchLatestVersion(net::Network& network, const std::string& folder = platform::currentDirectory());

// Green, RGB(0, 128, 0), when the latest version is exactly the running program's version;
// red, RGB(255, 0, 0), for anything else (older, newer, "?", empty).
gui::Rgb versionStateColour(std::string_view latestVersion);

}  // namespace userdata
