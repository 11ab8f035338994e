#pragma once
// Windows' Internet settings (the proxy part) in libcurl's terms. A pure function, so that it
// is tested on every system; it does not read the settings or run a configuration script.

#include <optional>
#include <string_view>

#include "net/system_proxy.h"

namespace net {

// `proxy` as the settings (or a configuration script's answer) hold it: "host:port" for every
// scheme, or per scheme "http=host:port;https=host:port"; of a list, the first serves.
// `bypass` holds the exceptions separated by ";" or blanks, read as Windows reads them:
// "<local>" for host names without a dot, "*" standing for any text anywhere in a pattern
// ("*.corp", "10.*", "intra*"), an optional "scheme://" and ":port" limiting a pattern,
// letters of any case.
// Gives the proxy for the URL's scheme, a direct connection (an empty address) when the URL
// is an exception, or nothing when the settings name no proxy for the scheme.
std::optional<ProxySetting> proxyFromInternetSettings(std::string_view proxy, std::string_view bypass,
                                                      std::string_view url);

}  // namespace net
